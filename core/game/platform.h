#pragma once

#include <string>

namespace zandiro {

// What the game needs from the outside world. The Qt shell implements it; the
// tests replace it with a scripted one.
class Platform {
  public:
    virtual ~Platform() = default;
    // A modal message box with the application's title, no icon and OK only;
    // returns when the player has closed it.
    virtual void messageBox(const std::string& text) = 0;
    // Ends the program at once, every window included.
    virtual void endProgram() = 0;
    // Seeds the random source from the clock.
    virtual void randomize() = 0;
    // A uniform draw in [0, 1).
    virtual double rnd() = 0;
};

} // namespace zandiro
