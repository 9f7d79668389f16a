#pragma once

#include "input/keyboard.h"

#include <cstdint>
#include <optional>

namespace zandiro {

// The modifiers of a key press. Shift counts where it changed what the key
// gives: Shift+Tab goes back, and a main-row digit typed with Shift is its
// symbol, not the digit.
struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool meta = false;
};

struct MainKey {
    GameKey key;
    int die = 0;       // 1 to 5 for GameKey::Die
    bool once = false; // a repeated press of this key does nothing
};

// The main window's meaning of a key, from its virtual-key code, if it has
// one: Tab and Shift+Tab, the arrows, Space and Enter, the digits 1 to 5 of
// either keyboard, R and Ctrl+Q.
std::optional<MainKey> mainKey(std::int16_t virtualKey, KeyModifiers modifiers);

} // namespace zandiro
