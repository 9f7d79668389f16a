#include "shell/mainkeys.h"

namespace zandiro {
namespace {

struct Binding {
    int qtKey;
    GameKey key;
    bool once;
};

constexpr Binding bindings[] = {
    {Qt::Key_Tab, GameKey::Tab, false},       {Qt::Key_Backtab, GameKey::BackTab, false},
    {Qt::Key_Left, GameKey::Left, false},     {Qt::Key_Right, GameKey::Right, false},
    {Qt::Key_Up, GameKey::Up, false},         {Qt::Key_Down, GameKey::Down, false},
    {Qt::Key_Space, GameKey::Activate, true}, {Qt::Key_Return, GameKey::Activate, true},
    {Qt::Key_Enter, GameKey::Activate, true}, {Qt::Key_R, GameKey::Roll, true},
};

} // namespace

std::optional<MainKey> mainKey(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (key == Qt::Key_Q && modifiers == Qt::ControlModifier) {
        return MainKey{GameKey::Quit, 0, true};
    }
    if (modifiers != Qt::NoModifier) {
        return std::nullopt;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
        return MainKey{GameKey::Die, key - Qt::Key_0, true};
    }
    for (const Binding& b : bindings) {
        if (b.qtKey == key) {
            return MainKey{b.key, 0, b.once};
        }
    }
    return std::nullopt;
}

} // namespace zandiro
