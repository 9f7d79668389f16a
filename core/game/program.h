#pragma once

#include "codewindow/cheat.h"
#include "game/keyboard.h"
#include "game/module1.h"
#include "game/platform.h"
#include "game/zandiro.h"

namespace zandiro {

// Everything that lives for the whole run: the roll rules, the main window
// object, its keyboard and the code window.
struct Program {
    explicit Program(Platform& platform)
        : zandiro(module1, platform, cheat), cheat(module1, zandiro.window), keyboard(zandiro) {}
    // Its members refer to each other, so a copy or a move would still act on
    // the original.
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates and shows the start window.
    void start() {
        zandiro.load();
        keyboard.settle();
    }

    Module1 module1;
    Zandiro zandiro;
    Cheat cheat;
    Keyboard keyboard;
};

} // namespace zandiro
