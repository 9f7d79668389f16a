#pragma once

#include "codewindow/cheat.h"
#include "game/module1.h"
#include "game/platform.h"
#include "game/zandiro.h"
#include "input/hearing.h"
#include "input/input.h"
#include "input/keyboard.h"

#include <functional>
#include <optional>
#include <string>

namespace zandiro {

// The platform as the program's handlers reach it: it passes everything on,
// and keeps what the program must know of it, the message box a platform
// shows after the event and the end of the program. `beforeBox` runs as a box
// is asked for, before a platform that waits for the player shows it.
class PlatformGate : public Platform {
  public:
    PlatformGate(Platform& outside, std::function<void()> beforeBox)
        : outside_(outside), beforeBox_(std::move(beforeBox)) {}

    void messageBox(const std::string& text) override;
    void endProgram() override;
    void randomize() override { outside_.randomize(); }
    double rnd() override { return outside_.rnd(); }
    bool showsBoxAfterEvent() const override { return outside_.showsBoxAfterEvent(); }

    const std::optional<std::string>& openMessage() const { return message_; }
    void messageClosed() { message_.reset(); }
    bool ended() const { return ended_; }

  private:
    Platform& outside_;
    std::function<void()> beforeBox_;
    std::optional<std::string> message_;
    bool ended_ = false;
};

// Everything that lives for the whole run: the roll rules, the main window
// object, its keyboard and the code window, and what the player last heard.
struct Program {
    explicit Program(Platform& platform)
        : gate(platform, [this] { hear(); }), zandiro(module1, gate, cheat),
          cheat(module1, zandiro.window), keyboard(zandiro) {}
    // Its members refer to each other, so a copy or a move would still act on
    // the original.
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates and shows the start window.
    void start();

    // Runs one input, the player's only way into the game, and settles the
    // keyboard focus after it, so a view only reads the focus and shows it;
    // then finds what the input gave a listening player to hear. Nothing
    // reaches the game while a message box shown after its event is open, or
    // after the end of the program. Answers whether the game took the input.
    bool handle(const Input& input);

    // What the last input that changed something a player is told of said.
    const Announcement& announcement() const { return said; }
    // A message box waiting to be shown or open, on a platform that shows it
    // after the event.
    const std::optional<std::string>& openMessage() const { return gate.openMessage(); }
    bool ended() const { return gate.ended(); }

    PlatformGate gate;
    Module1 module1;
    Zandiro zandiro;
    Cheat cheat;
    Keyboard keyboard;
    Announcement said;

  private:
    // Tells what the input being handled has changed, once: as it asks for a
    // message box (the last thing a handler does), so that a box that waits
    // for the player is heard with it, or else as it ends.
    void hear();

    std::optional<Hearable> heardFrom_;
};

} // namespace zandiro
