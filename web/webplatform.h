#pragma once

#include "game/clockrandom.h"
#include "game/platform.h"

#include <string>

namespace zandiro::web {

// The platform in a page. A page cannot wait inside an event: the game keeps
// the message box a handler asks for (Program::openMessage) and the page shows
// it once the event has returned. Nor can a page close a tab it did not open:
// the game keeps the end of the program (Program::ended) and the page shows it.
class WebPlatform : public Platform {
  public:
    void messageBox(const std::string&) override {}
    bool showsBoxAfterEvent() const override { return true; }
    void endProgram() override {}
    void randomize() override { random_.randomize(); }
    double rnd() override { return random_.next(); }

  private:
    ClockRandom random_;
};

} // namespace zandiro::web
