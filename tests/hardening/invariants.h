#pragma once

#include "playevents.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zandiro::hardening {

// Watches a program event by event and says what is wrong with the state an
// event left behind. Besides the state itself it keeps a small model of what
// the player could know: the roll rules typed in the code window (followed by
// a code window of its own), the scores and captions of the categories, whether
// a turn has ended in this game, and whether Roll should be enabled.
class Observer {
  public:
    // Takes the program right after start().
    explicit Observer(const Program& program);
    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;

    // Call before delivering each event, a main-window key given as what it
    // stands for (an activation, the close box, or an activation of no place).
    void before(const Program& program, const Event& event);
    // Call after the event; returns the broken rule, if any.
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
        FocusPlace focus;
        int serial = 0; // of the last announcement
        bool mainShown = false;
        bool codeShown = false;
        std::optional<Sight> atOpenBox;   // what the player saw while a box was open
        bool pressOnWindow = false;       // a pointer event's point takes no control
        std::optional<Target> pressTaker; // the control under a pointer event
        bool pressOnButton = false;       // that control is a push button
        std::optional<Target> clicked;    // the visible, enabled control the event clicks
        int clickedCategory = 0;          // the category clicked while open, 0 for none
    };

    std::optional<std::string> check(const Program& program) const;
    std::optional<std::string> followBox(const Program& program, const Event& event) const;
    std::optional<std::string> followEvent(const PlayPlatform& platform, const Event& event);
    void followPointer(const Input& input);
    std::optional<Target> clickedBy(const Zandiro& z, const Input& input) const;
    bool clickedIs(std::string_view name) const;
    std::optional<std::string> followHolds(const Program& program, const Input& input) const;
    std::optional<std::string> followRoll(const Program& program);
    std::optional<std::string> followScore(const Program& program);
    std::optional<std::string> followSpeech(const Program& program) const;
    void newGame(const Program& program);
    std::optional<std::string> checkScorecard(const Zandiro& z) const;
    std::optional<std::string> checkCodeWindow(const Program& program) const;
    std::optional<std::string> checkTotals(const Zandiro& z) const;
    std::optional<std::string> checkRoll(const Program& program) const;
    std::optional<std::string> checkTurnEnd(const Program& program) const;
    std::optional<std::string> checkMessages(const Program& program,
                                             const PlayPlatform& platform) const;

    Before before_;
    bool turnEnded_ = false;
    bool rollEnabled_ = true;
    bool lastDownOnWindow_ = false;      // a double-click goes where its first press went
    std::optional<Target> pressed_;      // the control a mouse press went down on
    std::vector<Control> startControls_; // the window as a game starts
    // The scores and captions of the categories as the clicks made them.
    std::array<std::int64_t, categoryCount + 1> scores_{};
    std::array<std::string, categoryCount + 1> captions_;
    // The code window as the player knows it: the game's own, fed the keys the
    // player typed there, reset with the rules at every new game.
    Module1 codeRules_;
    WindowFrame codeMain_;
    Cheat codeWindow_{codeRules_, codeMain_};
};

} // namespace zandiro::hardening
