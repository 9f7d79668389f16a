#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace zandiro {

// The Windows virtual-key code of a Qt key press: the key itself, whatever
// Shift or Caps Lock make of it (Shift+; is still the semicolon key), with
// the keypad's digits and operators apart from the main keyboard's. Shifted
// symbols are read as on a US keyboard. A key with no code gives 0.
std::int16_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

inline std::int16_t virtualKeyCode(const QKeyEvent& event) {
    return virtualKeyCode(event.key(), event.modifiers());
}

} // namespace zandiro
