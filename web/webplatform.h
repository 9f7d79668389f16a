#pragma once

#include "game/clockrandom.h"
#include "game/platform.h"

#include <optional>
#include <string>

namespace zandiro::web {

// The platform in a page. A page cannot wait inside an event, so a message box
// is kept here and shown by the page once the event has returned; the game
// asks for one only as the last thing an event does. The end of the program
// is kept too: the page cannot close a tab it did not open.
class WebPlatform : public Platform {
  public:
    void messageBox(const std::string& text) override { message_ = text; }
    void endProgram() override { ended_ = true; }
    void randomize() override { random_.randomize(); }
    double rnd() override { return random_.next(); }

    // The box waiting to be shown, until the player closes it.
    const std::optional<std::string>& message() const { return message_; }
    void messageClosed() { message_.reset(); }
    bool ended() const { return ended_; }

  private:
    ClockRandom random_;
    std::optional<std::string> message_;
    bool ended_ = false;
};

} // namespace zandiro::web
