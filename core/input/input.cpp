#include "input/input.h"

namespace zandiro {
Input pointerAt(Input::Kind kind, double x, double y, MouseButton button) {
    Input input;
    input.kind = kind;
    input.x = x;
    input.y = y;
    input.button = button;
    return input;
}

Input pressAt(double x, double y, MouseButton button) {
    return pointerAt(Input::Kind::Press, x, y, button);
}

Input releaseAt(double x, double y, MouseButton button) {
    return pointerAt(Input::Kind::Release, x, y, button);
}

Input doubleClickAt(double x, double y) {
    return pointerAt(Input::Kind::DoubleClick, x, y, MouseButton::Left);
}

Input keyDown(GameWindow window, std::int16_t virtualKey, KeyModifiers modifiers, bool repeat) {
    Input input;
    input.kind = Input::Kind::Key;
    input.window = window;
    input.virtualKey = virtualKey;
    input.modifiers = modifiers;
    input.repeat = repeat;
    return input;
}

Input activateAt(FocusPlace place) {
    Input input;
    input.kind = Input::Kind::Activate;
    input.place = place;
    return input;
}

Input closeBoxOf(GameWindow window) {
    Input input;
    input.kind = Input::Kind::Close;
    input.window = window;
    return input;
}

Input messageClosed() {
    Input input;
    input.kind = Input::Kind::MessageClosed;
    return input;
}

} // namespace zandiro
