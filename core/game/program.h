#pragma once

#include "codewindow/cheat.h"
#include "game/keyboard.h"
#include "game/module1.h"
#include "game/platform.h"
#include "game/zandiro.h"

#include <functional>

namespace zandiro {

// One event: a call of the handler that takes it.
using EventCall = std::function<void()>;

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

    // Runs one event of either window and settles the keyboard focus after
    // it. Every event ends with the focus settled here, so a view only reads
    // it and shows it.
    void handle(const EventCall& event) {
        event();
        keyboard.settle();
    }

    Module1 module1;
    Zandiro zandiro;
    Cheat cheat;
    Keyboard keyboard;
};

} // namespace zandiro
