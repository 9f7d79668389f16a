#pragma once

#include "game/keyboard.h"

#include <QKeyEvent>
#include <optional>

namespace zandiro {

struct MainKey {
    GameKey key;
    int die = 0;       // 1 to 5 for GameKey::Die
    bool once = false; // a repeated press of this key does nothing
};

// The main window's meaning of a Qt key press, if it has one: Tab and
// Shift+Tab, the arrows, Space and Enter, the digits 1 to 5 of either
// keyboard, R and Ctrl+Q.
std::optional<MainKey> mainKey(const QKeyEvent& event);

} // namespace zandiro
