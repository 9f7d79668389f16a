#include "input/route.h"

#include "form/hittest.h"
#include "game/layout.h"
#include "game/program.h"
#include "input/direction.h"

#include <optional>

namespace zandiro {
namespace {

// The push button at a point of the game's window, if there is one.
std::optional<FocusPlace> pushButtonAt(const Form& form, double x, double y) {
    const ControlId target = controlAt(form, x, y);
    if (target == noControl || form.at(target).kind != ControlKind::PushButton) {
        return std::nullopt;
    }
    return placeOf(form.at(target));
}

// A window drawn mirrored hands the game its own x.
double gameX(const Input& input) {
    return readsRightToLeft() ? mirroredX(input.x, mainClientWidth) : input.x;
}

// A press on a push button gives it the focus, as a desktop's buttons take it.
void press(Program& program, double x, double y) {
    if (const auto button = pushButtonAt(program.zandiro.form, x, y)) {
        program.keyboard.focusOn(*button);
    }
    program.zandiro.mouseDown(x, y);
}

bool pointer(Program& program, const Input& input) {
    Zandiro& z = program.zandiro;
    const double x = gameX(input);
    switch (input.kind) {
    case Input::Kind::Press:
        press(program, x, input.y);
        break;
    case Input::Kind::Release:
        z.mouseUp(input.button, x, input.y);
        break;
    default:
        // A push button takes the second press of a double-click as a press
        // of its own; anywhere else it is the window's double-click.
        if (pushButtonAt(z.form, x, input.y)) {
            press(program, x, input.y);
        } else {
            z.dblClick(x, input.y);
        }
        break;
    }
    return true;
}

// Tab from the last place, or Shift+Tab from the first, where the host moves
// on from there; the game keeps its focus for the way back.
bool leavesGame(const Program& program, GameKey key) {
    if (key != GameKey::Tab && key != GameKey::BackTab) {
        return false;
    }
    const std::vector<FocusPlace> order = focusOrder(program.zandiro);
    return order.empty() ||
           program.keyboard.focus() == (key == GameKey::Tab ? order.back() : order.front());
}

bool mainWindowKey(Program& program, const Input& input) {
    const std::optional<MainKey> key = mainKey(input.virtualKey, input.modifiers);
    if (!key || (input.tabLeaves && leavesGame(program, key->key))) {
        return false;
    }
    if (!(key->once && input.repeat)) {
        // In a window drawn mirrored the arrows move the way they point on screen.
        const GameKey pressed = readsRightToLeft() ? mirroredKey(key->key) : key->key;
        program.keyboard.press(pressed, key->die);
    }
    return true;
}

bool shown(const Program& program, GameWindow window) {
    return window == GameWindow::Main ? program.zandiro.window.visible
                                      : program.cheat.window.visible;
}

} // namespace

bool route(Program& program, const Input& input) {
    if (!shown(program, input.window)) {
        return false;
    }
    const bool onMain = input.window == GameWindow::Main;
    switch (input.kind) {
    case Input::Kind::Press:
    case Input::Kind::Release:
    case Input::Kind::DoubleClick:
        return onMain && pointer(program, input);
    case Input::Kind::Key:
        if (!onMain) {
            // Every key-down counts in the code window, repeated ones too.
            program.cheat.Form_KeyDown(input.virtualKey, 0);
            return true;
        }
        return mainWindowKey(program, input);
    case Input::Kind::Activate:
        if (onMain && takesFocus(program.zandiro, input.place)) {
            activate(program.zandiro, input.place);
        }
        return onMain;
    case Input::Kind::Close:
        if (onMain) {
            program.zandiro.closeBox();
        } else {
            program.cheat.closeBox();
        }
        return true;
    case Input::Kind::MessageClosed:
        break;
    }
    return false;
}

} // namespace zandiro
