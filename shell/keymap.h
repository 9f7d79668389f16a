#pragma once

#include "input/gamekeys.h"

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

// The modifiers of a Qt key press as the game reads them. Qt reports the key
// Shift made, so Shift counts where that key is a shifted symbol (Shift+Tab's
// Backtab, Shift+1's exclamation mark), whether or not the modifier is set: a
// layout that types its digits with Shift, as AZERTY does, reports the digit.
// Mode_switch (AltGr on some X11 keyboards) counts as Alt: it makes
// characters, not game keys.
KeyModifiers keyModifiers(int qtKey, Qt::KeyboardModifiers modifiers);

inline KeyModifiers keyModifiers(const QKeyEvent& event) {
    return keyModifiers(event.key(), event.modifiers());
}

} // namespace zandiro
