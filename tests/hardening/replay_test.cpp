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
        mouseDown(0, 0, 294, 38),
        mouseDown(0, 0, 358, 38),
        mouseDown(0, 0, 294, 102),
        mouseDown(0, 0, 358, 102),
        mouseDown(0, 0, 294, 166),
        click("press", -1, 0x52eca4e1u),
        click("fvkind", -1, 0x00000000u),
    });
}

TEST(Replay, CodeWindowCloseBoxBringsTheMainWindowBack) {
    expectKept({
        mouseDown(0, 0, 326, 111),
        dblClick(326, 111),
        closeCode(),
    });
}

TEST(Replay, MainWindowCloseBoxEndsTheProgram) {
    expectKept({closeMain()});
}

// Before the first roll of a game, at start and after Restart, no category
// can be scored.
TEST(Replay, EveryGameWaitsForItsFirstRoll) {
    const std::vector<Event> scoreEverything = {
        click("numbers", 1), click("numbers", 2), click("numbers", 3), click("numbers", 4),
        click("numbers", 5), click("numbers", 6), click("thrkind"),    click("frkind"),
        click("fullh"),      click("sstr"),       click("lstr"),       click("fvkind"),
        click("chance"),
    };
    std::vector<Event> events = scoreEverything;
    for (const Event& category : scoreEverything) {
        events.push_back(click("press", -1, 0x00000001u));
        events.push_back(category);
    }
    events.push_back(click("restart"));
    events.insert(events.end(), scoreEverything.begin(), scoreEverything.end());
    const PlayStats stats = expectKept(events);
    EXPECT_EQ(stats.gamesOver, 1u);
    EXPECT_EQ(stats.restarts, 1u);
}

} // namespace
} // namespace zandiro::hardening
