#include "playrun.h"

#include <gtest/gtest.h>

namespace zandiro::hardening {
namespace {

// Event lists that random play found breaking a rule while the fault they
// describe was in the game, shrunk and kept so that it stays mended. Each
// replay checks every rule after every event.

PlayStats expectKept(const std::vector<Event>& events) {
    Runner runner;
    EXPECT_FALSE(runner.startFault().has_value()) << *runner.startFault();
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (const auto fault = runner.step(events[i])) {
            ADD_FAILURE() << "event " << i << ", " << describe(events[i]) << ": " << *fault;
            break;
        }
    }
    return runner.stats();
}

// Five dice without a value are equal, but they are no five of a kind.
TEST(Replay, FiveBlankDiceHeldThroughARollDoNotScoreZandiro) {
    expectKept({
        pressAt(294, 38),
        pressAt(358, 38),
        pressAt(294, 102),
        pressAt(358, 102),
        pressAt(294, 166),
        {activateAt(button(1)), 0x52eca4e1u},
        activateAt(category(12)),
    });
}

TEST(Replay, CodeWindowCloseBoxBringsTheMainWindowBack) {
    expectKept({pressAt(326, 111), doubleClickAt(326, 111), closeBoxOf(GameWindow::Code)});
}

TEST(Replay, MainWindowCloseBoxEndsTheProgram) {
    expectKept({closeBoxOf(GameWindow::Main)});
}

// Before the first roll of a game, at start and after Restart, no category
// can be scored.
TEST(Replay, EveryGameWaitsForItsFirstRoll) {
    std::vector<Event> scoreEverything;
    for (int c = 1; c <= categoryCount; ++c) {
        scoreEverything.push_back(activateAt(category(c)));
    }
    std::vector<Event> events = scoreEverything;
    for (const Event& category : scoreEverything) {
        events.push_back({activateAt(button(1)), 0x00000001u});
        events.push_back(category);
    }
    events.push_back(messageClosed());
    events.push_back(activateAt(button(2)));
    events.insert(events.end(), scoreEverything.begin(), scoreEverything.end());
    const PlayStats stats = expectKept(events);
    EXPECT_EQ(stats.gamesOver, 1u);
    EXPECT_EQ(stats.restarts, 1u);
}

} // namespace
} // namespace zandiro::hardening
