// The page's one way into the game: the functions its module calls. Each one
// makes the player's input and hands it to Game::handle, which holds every rule
// of input; the page then reads the game again through zw_view.
#include "game/game.h"
#include "web/catalogue.h"
#include "web/keycodes.h"
#include "web/view.h"
#include "web/webplatform.h"

#include <emscripten/emscripten.h>
#include <optional>
#include <string>
#include <string_view>

namespace zandiro::web {
namespace {

struct Page {
    WebPlatform platform;
    std::optional<Game> game;
    Rgb paletteText{0, 0, 0};
    std::string view;
};

Page& page() {
    static Page thePage;
    return thePage;
}

// Whether the game took the input; before the start there is no game to take it.
bool handle(const Input& input) {
    std::optional<Game>& game = page().game;
    return game && game->handle(input);
}

// A text the page passed, where a missing one reads as empty.
std::string_view textOf(const char* text) {
    return text == nullptr ? std::string_view() : std::string_view(text);
}

// "left", "middle" or "right"; any other button clicks as the middle one does.
MouseButton buttonNamed(std::string_view name) {
    return name == "left"    ? MouseButton::Left
           : name == "right" ? MouseButton::Right
                             : MouseButton::Middle;
}

// "main" or "code".
std::optional<GameWindow> windowNamed(std::string_view name) {
    if (name == "main") {
        return GameWindow::Main;
    }
    if (name == "code") {
        return GameWindow::Code;
    }
    return std::nullopt;
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

// Starts the game in `language` ("" for English) and shows its window.
EMSCRIPTEN_KEEPALIVE void zw_start(const char* language) {
    if (!textOf(language).empty()) {
        useCatalogue(language);
    }
    Page& p = page();
    if (!p.game) {
        p.game.emplace(p.platform);
    }
}

// The text colour of the page's colour scheme.
EMSCRIPTEN_KEEPALIVE void zw_palette(int red, int green, int blue) {
    page().paletteText = {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                          static_cast<std::uint8_t>(blue)};
}

// A press, a release, and the second press of a double-click, which comes
// instead of a press, at a point of the main window's client area as it is
// drawn, in its own pixels; `button` is "left", "middle" or "right".
EMSCRIPTEN_KEEPALIVE void zw_press(double x, double y, const char* button) {
    handle(pressAt(x, y, buttonNamed(textOf(button))));
}

EMSCRIPTEN_KEEPALIVE void zw_release(double x, double y, const char* button) {
    handle(releaseAt(x, y, buttonNamed(textOf(button))));
}

EMSCRIPTEN_KEEPALIVE void zw_double_click(double x, double y) {
    handle(doubleClickAt(x, y));
}

// A key pressed in a window ("main" or "code"), by its KeyboardEvent.code and
// what it typed (KeyboardEvent.key), with the modifiers held and whether it is
// repeated while held down. Answers whether the game took it, so the page
// keeps the browser from acting on it too. Tab out of the game leaves it for
// the rest of the page.
EMSCRIPTEN_KEEPALIVE bool zw_key(const char* window, const char* code, const char* typed,
                                 bool shift, bool control, bool alt, bool meta, bool repeat) {
    const std::int16_t virtualKey = virtualKeyOf(textOf(code));
    const std::optional<GameWindow> where = windowNamed(textOf(window));
    if (virtualKey == 0 || !where) {
        return false;
    }
    const KeyModifiers held{shift, control, alt, meta};
    Input input =
        keyDown(*where, virtualKey, gameModifiers(virtualKey, textOf(typed), held), repeat);
    input.tabLeaves = true;
    return handle(input);
}

// A click that an assistive technology asks of a place, by its element's id.
EMSCRIPTEN_KEEPALIVE void zw_activate(const char* id) {
    handle(activateAt(placeFromId(textOf(id))));
}

// The close box of a window ("main" or "code").
EMSCRIPTEN_KEEPALIVE void zw_close_box(const char* window) {
    if (const std::optional<GameWindow> where = windowNamed(textOf(window))) {
        handle(closeBoxOf(*where));
    }
}

// The player closed the message box.
EMSCRIPTEN_KEEPALIVE void zw_message_closed() {
    handle(messageClosed());
}

// The game as the page draws it (see view.h); empty before the start.
EMSCRIPTEN_KEEPALIVE const char* zw_view() {
    Page& p = page();
    p.view = p.game ? viewJson(p.game->program(), p.paletteText) : std::string();
    return p.view.c_str();
}

} // extern "C"
