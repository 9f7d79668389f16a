#pragma once

#include "form/control.h"
#include "form/window.h"
#include "game/module1.h"

#include <cstdint>

namespace zandiro {

inline constexpr int cheatClientWidth = 194;
inline constexpr int cheatClientHeight = 42;

// The hidden code window: it counts the keys of a code typed so far and, when
// a code is complete, changes the roll rules.
class Cheat {
  public:
    Cheat(Module1& module1, WindowFrame& mainWindow);
    // A copy would still show and hide the original's main window.
    Cheat(const Cheat&) = delete;
    Cheat& operator=(const Cheat&) = delete;

    // Shows the window, loading it the first time.
    void show();
    void Form_Load();
    // Shift is the handler's own parameter, unused: the codes name keys, not
    // characters.
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    // The close box acts as the key Q: it hides the window, keeps the progress
    // and brings the main window back.
    void closeBox();

    WindowFrame window;
    Control Label1;

  private:
    void leave();
    void showProgress();

    Module1& module1_;
    WindowFrame& mainWindow_;
};

} // namespace zandiro
