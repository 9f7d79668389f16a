#include "playrun.h"
#include "randomplayer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace zandiro::hardening {
namespace {

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::stoull(value) : fallback;
}

// Seeded random play of many games; ZANDIRO_PLAY_SEED and ZANDIRO_PLAY_EVENTS
// replay another seed or play longer.
TEST(RandomPlay, EveryEventKeepsTheRules) {
    const std::uint64_t firstSeed = fromEnvironment("ZANDIRO_PLAY_SEED", 1);
    const std::uint64_t events = fromEnvironment("ZANDIRO_PLAY_EVENTS", 60000);
    PlayStats stats;
    for (std::uint64_t seed = firstSeed; stats.events < events; ++seed) {
        const Session session = playRandom(seed, 5000);
        stats.add(session.stats);
        ASSERT_FALSE(session.failure.has_value()) << failureReport(seed, session);
    }
    // The player must reach the corners, or the rules above were not tried there.
    EXPECT_GT(stats.gamesOver, 20u);
    EXPECT_GT(stats.restarts, 10u);
    EXPECT_GT(stats.codesEntered, 10u);
    EXPECT_GT(stats.zandiroScores, 10u);
    EXPECT_GT(stats.programEnds, 2u);
    EXPECT_GT(stats.mostRolls, 5);
    EXPECT_GT(stats.keys, 5000u);
}

TEST(RandomPlay, ReplayGoesTheSameWay) {
    const Session session = playRandom(7, 3000);
    ASSERT_FALSE(session.failure.has_value()) << failureReport(7, session);
    EXPECT_FALSE(replay(session.events).has_value());
    PlayStats again;
    {
        Runner runner;
        for (const Event& e : session.events) {
            runner.step(e);
        }
        again = runner.stats();
    }
    EXPECT_EQ(again.events, session.stats.events);
    EXPECT_EQ(again.rolls, session.stats.rolls);
    EXPECT_EQ(again.zandiroScores, session.stats.zandiroScores);
}

// The shrinker on a made-up fault: a list fails once it has rolled twice and
// then typed Q, so the shortest failing list is those three events.
TEST(RandomPlay, ShrinkingKeepsOnlyWhatTheFaultNeeds) {
    const Input roll = activateAt(button(1));
    const Input quit = keyDown(GameWindow::Code, 0x51);
    std::vector<Event> events = playRandom(3, 400).events;
    events.insert(events.begin() + 50, roll);
    events.insert(events.begin() + 200, roll);
    events.insert(events.begin() + 300, quit);
    const auto is = [](const Event& e, const Input& in) {
        return e.input.kind == in.kind && e.input.place == in.place &&
               e.input.virtualKey == in.virtualKey;
    };
    const FailsAt failsAt = [&](const std::vector<Event>& list) -> std::optional<std::size_t> {
        int rolls = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            rolls += is(list[i], roll) ? 1 : 0;
            if (is(list[i], quit) && rolls >= 2) {
                return i;
            }
        }
        return std::nullopt;
    };
    const std::vector<Event> shortest = shrinkWith(events, failsAt);
    ASSERT_EQ(shortest.size(), 3u);
    EXPECT_TRUE(is(shortest[0], roll) && is(shortest[1], roll) && is(shortest[2], quit));
}

} // namespace
} // namespace zandiro::hardening
