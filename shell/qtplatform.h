#pragma once

#include "game/clockrandom.h"
#include "game/platform.h"

#include <functional>

class QWidget;

namespace zandiro {

class Shell;

// The platform on a desktop: Qt's message box, the end of the event loop, and
// a clock-seeded random source.
class QtPlatform : public Platform {
  public:
    // Called before a message box opens, so the windows show the state the
    // box speaks of; returns the window the box belongs to, if any.
    void setBeforeMessage(std::function<QWidget*()> beforeMessage) {
        beforeMessage_ = std::move(beforeMessage);
    }
    void setOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

    void messageBox(const std::string& text) override;
    void endProgram() override;
    void randomize() override { random_.randomize(); }
    double rnd() override { return random_.next(); }

  private:
    ClockRandom random_;
    std::function<QWidget*()> beforeMessage_;
    std::function<void()> onEnd_;
};

} // namespace zandiro
