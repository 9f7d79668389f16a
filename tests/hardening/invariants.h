#pragma once

#include "playevents.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zandiro::hardening {

// What one key-down in the code window does to the progress and the roll
// rules, and whether it closes the window.
struct KeyOutcome {
    int steps = 0;
    int unlimitedrolls = 0;
    int rollsperturn = 3;
    bool leaves = false;
};
KeyOutcome keyOutcome(int steps, int key, int unlimitedrolls, int rollsperturn);

// The title of the code window for a progress value.
std::string progressTitle(int steps);

// Watches a program event by event and says what is wrong with the state an
// event left behind. Besides the state itself it keeps a small model of what
// the player could know: the roll rules typed in the code window, whether a
// turn has ended in this game, and whether Roll should be enabled.
class Observer {
  public:
    // Takes the program right after start().
    explicit Observer(const Program& program);

    // Call before delivering each event.
    void before(const Program& program, const Event& event);
    // Call after a delivered event; returns the broken rule, if any.
    std::optional<std::string> after(const Program& program, const PlayPlatform& platform,
                                     const Event& event);
    // The state against the rules and the model, as after() checks it.
    std::optional<std::string> checkAll(const Program& program) const;

  private:
    // A control of the main window by name and member index.
    struct Target {
        std::string name;
        int index = -1;
        bool operator==(const Target&) const = default;
    };
    struct Before {
        int generation = 0;
        std::int16_t rolls = 0;
        std::int16_t filled = 0;
        std::int32_t fvkindscore = 0;
        std::array<std::int32_t, 6> dice{};
        std::array<bool, 6> held{};
        bool rollClickable = false;
        bool pressOnWindow = false;       // a mouse event's point takes no control
        std::optional<Target> pressTaker; // the control under a mouse press
        std::optional<Target> clicked;    // the visible, enabled control the event clicks
        bool clickedOpen = false;         // the clicked control is a category still open
    };

    std::optional<std::string> check(const Program& program) const;
    std::optional<std::string> followEvent(const PlayPlatform& platform, const Event& event);
    void followDoubleClick();
    std::optional<Target> clickedBy(const Zandiro& z, const Event& event) const;
    bool clickedIs(std::string_view name) const;
    void followPress();
    std::optional<std::string> followHolds(const Program& program, const Event& event) const;
    std::optional<std::string> followRoll(const Program& program);
    std::optional<std::string> followScore(const Program& program);
    void followKey(int key);
    void newGame();
    std::optional<std::string> checkCodeWindow(const Program& program) const;
    std::optional<std::string> checkTotals(const Zandiro& z) const;
    std::optional<std::string> checkRoll(const Program& program) const;
    std::optional<std::string> checkTurnEnd(const Program& program) const;
    std::optional<std::string> checkMessages(const Program& program,
                                             const PlayPlatform& platform) const;

    Before before_;
    bool turnEnded_ = false;
    bool rollEnabled_ = true;
    bool lastDownOnWindow_ = false; // a double-click goes where its first press went
    std::optional<Target> pressed_; // the control a mouse press went down on
    // The code window as the player knows it.
    bool codeLoaded_ = false;
    bool codeVisible_ = false;
    bool typedSinceLoad_ = false;
    int steps_ = 0;
    int stepsShown_ = 0;
    int unlimitedrolls_ = 0;
    int rollsperturn_ = 3;
};

} // namespace zandiro::hardening
