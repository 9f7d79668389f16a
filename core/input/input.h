#pragma once

#include "game/zandiro.h"
#include "input/gamekeys.h"
#include "input/keyboard.h"

#include <cstdint>

namespace zandiro {

// The two windows a player reaches.
enum class GameWindow : std::uint8_t { Main, Code };

// Everything the player does, as a front end reports it: the game takes
// nothing else. Points are pixels of the window's client area as it is drawn,
// mirrored where the language reads right to left; keys are Windows
// virtual-key codes with the modifiers that changed them.
struct Input {
    enum class Kind : std::uint8_t {
        Press,         // a button pressed at a point
        Release,       // a button released at a point
        DoubleClick,   // the second press of a double-click, which comes instead of a press
        Key,           // a key pressed, or repeated while held down
        Activate,      // an assistive technology's click on a place
        Close,         // the window's close box
        MessageClosed, // the player closed the message box
    };

    Kind kind = Kind::Press;
    GameWindow window = GameWindow::Main;
    double x = 0;
    double y = 0;
    MouseButton button = MouseButton::Left;
    std::int16_t virtualKey = 0;
    KeyModifiers modifiers;
    bool repeat = false;
    // Tab from the last place and Shift+Tab from the first leave the game, so
    // that a page moves on to its next element; a desktop window keeps the
    // keyboard and goes round.
    bool tabLeaves = false;
    FocusPlace place;
};

// A press, release or double-click of `button` at a point.
Input pointerAt(Input::Kind kind, double x, double y, MouseButton button = MouseButton::Left);
Input pressAt(double x, double y, MouseButton button = MouseButton::Left);
Input releaseAt(double x, double y, MouseButton button = MouseButton::Left);
Input doubleClickAt(double x, double y);
Input keyDown(GameWindow window, std::int16_t virtualKey, KeyModifiers modifiers = {},
              bool repeat = false);
Input activateAt(FocusPlace place);
Input closeBoxOf(GameWindow window);
Input messageClosed();

} // namespace zandiro
