#pragma once

#include <string>

namespace zandiro {

// What the game needs from the outside world. The Qt shell implements it; the
// tests replace it with a scripted one.
class Platform {
  public:
    virtual ~Platform() = default;
    // A modal message box with the application's title, no icon and OK only.
    // The core asks for at most one box in an event, as the last thing the
    // event's handler does, and changes nothing after asking: the windows
    // show, as the box is asked for, what they show once the event has
    // returned. So a platform may return at once and show the box after the
    // event (a browser cannot wait inside a handler), or return when the
    // player has closed it.
    virtual void messageBox(const std::string& text) = 0;
    // Whether the box shows once the event has returned, and stays open until
    // the player closes it (Input::Kind::MessageClosed); the game takes no
    // other input meanwhile. A platform whose box returns when it is closed
    // keeps the default.
    virtual bool showsBoxAfterEvent() const { return false; }
    // Ends the program at once, every window included.
    virtual void endProgram() = 0;
    // Seeds the random source from the clock.
    virtual void randomize() = 0;
    // A uniform draw in [0, 1).
    virtual double rnd() = 0;
};

} // namespace zandiro
