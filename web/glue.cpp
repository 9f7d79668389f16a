// The page's one way into the game: the functions its module calls. Each event
// goes through Program::handle, as on the desktop, and the page then reads the
// game again through zw_view.
#include "input/virtualkeys.h"
#include "form/hittest.h"
#include "input/direction.h"
#include "input/gamekeys.h"
#include "input/keyboard.h"
#include "game/layout.h"
#include "game/program.h"
#include "web/catalogue.h"
#include "web/keycodes.h"
#include "web/view.h"
#include "web/webplatform.h"

#include <emscripten/emscripten.h>
#include <memory>
#include <string>
#include <string_view>

namespace zandiro::web {
namespace {

struct Page {
    WebPlatform platform;
    Program program{platform};
    Rgb paletteText{0, 0, 0};
    std::string view;
};

Page& page() {
    static Page thePage;
    return thePage;
}

// A message box open in the page takes every event, and after the end of the
// program there are none.
bool takesEvents() {
    const WebPlatform& platform = page().platform;
    return !platform.ended() && !platform.message();
}

void deliver(const EventCall& event) {
    if (takesEvents()) {
        page().program.handle(event);
    }
}

// Modifier bits, as the page sends them.
constexpr int shiftBit = 1;
constexpr int controlBit = 2;
constexpr int altBit = 4;
constexpr int metaBit = 8;

KeyModifiers modifiersOf(int bits) {
    return {(bits & shiftBit) != 0, (bits & controlBit) != 0, (bits & altBit) != 0,
            (bits & metaBit) != 0};
}

// Tab from the last place, or Shift+Tab from the first, leaves the game as it
// leaves any part of a page; the game keeps its focus for the way back.
bool leavesGame(const Program& program, GameKey key) {
    if (key != GameKey::Tab && key != GameKey::BackTab) {
        return false;
    }
    const std::vector<FocusPlace> order = focusOrder(program.zandiro);
    if (order.empty()) {
        return true;
    }
    const FocusPlace edge = key == GameKey::Tab ? order.back() : order.front();
    return program.keyboard.focus() == edge;
}

// Shift counts where it changed what the key gives. On a main-row digit key
// that is whether the key gives its digit: an English keyboard gives "!" for
// Shift+1, a French one "&" for 1 and "1" for Shift+&.
KeyModifiers keyModifiers(std::int16_t virtualKey, std::string_view typed, int bits) {
    KeyModifiers modifiers = modifiersOf(bits);
    if (virtualKey >= vk::digit0 && virtualKey <= vk::digit0 + 9) {
        modifiers.shift = typed.size() != 1 || typed[0] != '0' + (virtualKey - vk::digit0);
    }
    return modifiers;
}

bool mainWindowKey(std::int16_t virtualKey, std::string_view typed, int modifiers, bool repeat) {
    Program& program = page().program;
    const std::optional<MainKey> key =
        mainKey(virtualKey, keyModifiers(virtualKey, typed, modifiers));
    if (!key || leavesGame(program, key->key)) {
        return false;
    }
    // In a window drawn mirrored the arrows move the way they point on screen.
    const GameKey pressed = readsRightToLeft() ? mirroredKey(key->key) : key->key;
    if (!(key->once && repeat)) {
        deliver([&program, &key, pressed] { program.keyboard.press(pressed, key->die); });
    }
    return true;
}

// The push button at a point, if there is one.
ControlId pushButtonAt(const Form& form, double x, double y) {
    const ControlId target = controlAt(form, x, y);
    return target != noControl && form.at(target).kind == ControlKind::PushButton ? target
                                                                                  : noControl;
}

// A press on a push button gives it the focus, as it does on the desktop.
void focusPressedButton(Program& program, double x, double y) {
    const Form& form = program.zandiro.form;
    if (const ControlId button = pushButtonAt(form, x, y); button != noControl) {
        program.keyboard.focusOn(placeOf(form.at(button)));
    }
}

// Whether a control of the window stands for the place.
bool standsOnWindow(const Form& form, FocusPlace place) {
    for (const Control& c : form.controls()) {
        if (place.kind != FocusKind::None && placeOf(c) == place) {
            return true;
        }
    }
    return false;
}

// A text the page passed, where a missing one reads as empty.
std::string_view textOf(const char* text) {
    return text == nullptr ? std::string_view() : std::string_view(text);
}

} // namespace
} // namespace zandiro::web

using namespace zandiro;
using namespace zandiro::web;

extern "C" {

// Room for the compiled catalogue of the player's language, before the start.
EMSCRIPTEN_KEEPALIVE unsigned char* zw_catalogue(int size) {
    return catalogueBuffer(static_cast<std::size_t>(size < 0 ? 0 : size));
}

// The languages the page has catalogues for, separated by blanks.
EMSCRIPTEN_KEEPALIVE const char* zw_languages() {
    return ZANDIRO_LANGUAGES;
}

// Starts the game in `language` ("" for English) and shows its window.
EMSCRIPTEN_KEEPALIVE void zw_start(const char* language) {
    if (!textOf(language).empty()) {
        useCatalogue(language);
    }
    page().program.start();
}

// The text colour of the page's colour scheme.
EMSCRIPTEN_KEEPALIVE void zw_palette(int red, int green, int blue) {
    page().paletteText = {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                          static_cast<std::uint8_t>(blue)};
}

// A press (0), a release (1) or the second press of a double-click (2) at a
// point of the main window's client area as it is drawn; `button` 0 left, 1
// middle, 2 right.
EMSCRIPTEN_KEEPALIVE void zw_pointer(int what, double drawnX, double y, int button) {
    Program& program = page().program;
    Zandiro& z = program.zandiro;
    // A window drawn mirrored hands the game its own x.
    const double x = readsRightToLeft() ? mirroredX(drawnX, mainClientWidth) : drawnX;
    switch (what) {
    case 0:
        deliver([&] {
            focusPressedButton(program, x, y);
            z.mouseDown(x, y);
        });
        break;
    case 1: {
        const MouseButton pressed = button == 0   ? MouseButton::Left
                                    : button == 2 ? MouseButton::Right
                                                  : MouseButton::Middle;
        deliver([&] { z.mouseUp(pressed, x, y); });
        break;
    }
    default:
        // A push button takes the second press of a double-click as a press
        // of its own, as a desktop's buttons do; anywhere else it is the
        // window's double-click.
        deliver([&] {
            if (pushButtonAt(z.form, x, y) != noControl) {
                focusPressedButton(program, x, y);
                z.mouseDown(x, y);
            } else {
                z.dblClick(x, y);
            }
        });
        break;
    }
}

// A key pressed in the game's window, by its KeyboardEvent.code and what it
// typed (KeyboardEvent.key). Answers 1 when the game took it, so the page
// keeps the browser from acting on it too.
EMSCRIPTEN_KEEPALIVE int zw_key(const char* code, const char* typed, int modifiers, int repeat) {
    const std::int16_t virtualKey = virtualKeyOf(textOf(code));
    if (virtualKey == 0 || !takesEvents()) {
        return 0;
    }
    Program& program = page().program;
    if (program.cheat.window.visible) {
        deliver([&] { program.cheat.Form_KeyDown(virtualKey, 0); });
        return 1;
    }
    return mainWindowKey(virtualKey, textOf(typed), modifiers, repeat != 0) ? 1 : 0;
}

// A click that an assistive technology asks of a place, by its element's id.
EMSCRIPTEN_KEEPALIVE void zw_activate(const char* id) {
    Program& program = page().program;
    const FocusPlace place = placeFromId(textOf(id));
    if (standsOnWindow(program.zandiro.form, place)) {
        deliver([&] { activate(program.zandiro, place); });
    }
}

// The code window's close box.
EMSCRIPTEN_KEEPALIVE void zw_close_code_window() {
    Program& program = page().program;
    deliver([&] { program.cheat.closeBox(); });
}

// The player closed the message box.
EMSCRIPTEN_KEEPALIVE void zw_message_closed() {
    page().platform.messageClosed();
}

// The game as the page draws it (see view.h).
EMSCRIPTEN_KEEPALIVE const char* zw_view() {
    Page& p = page();
    p.view = viewJson(p.program, p.platform, p.paletteText);
    return p.view.c_str();
}

} // extern "C"
