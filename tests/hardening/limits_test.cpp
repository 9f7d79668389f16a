#include "core/fakeplatform.h"
#include "game/numbertext.h"
#include "game/program.h"
#include "input/virtualkeys.h"
#include "playrun.h"

#include <gtest/gtest.h>

#include <limits>

namespace zandiro {
namespace hardening::replayed {

// Draw plans: every die shows the given face.
std::uint32_t allFaces(int face) {
    return static_cast<std::uint32_t>((face - 1) << 3 | 4);
}

// Double-clicks the window's background and types the unlimited-rolls code.
std::vector<Event> unlimitedRolls() {
    std::vector<Event> events = {pressAt(250, 330), doubleClickAt(250, 330)};
    for (std::int16_t key : {vk::letterK, vk::oem1, vk::oem2, vk::shift, vk::insert, vk::end}) {
        events.push_back(keyDown(GameWindow::Code, key));
    }
    return events;
}

} // namespace hardening::replayed

namespace {

constexpr std::int16_t int16Max = std::numeric_limits<std::int16_t>::max();
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();

class Limits : public ::testing::Test {
  protected:
    Limits() { program.start(); }

    // Double-clicks the window's background and types the unlimited-rolls code.
    void enterUnlimitedRolls() {
        for (const hardening::Event& e : hardening::replayed::unlimitedRolls()) {
            program.handle(e.input);
        }
        ASSERT_EQ(program.module1.unlimitedrolls, 1);
        ASSERT_TRUE(z.window.visible);
    }

    void click(std::string_view name, int index = -1) { z.click(z.form.find(name, index)); }

    void roll(std::initializer_list<int> faces) {
        platform.rollFaces(faces);
        click("press");
    }

    static bool negative(const std::string& caption) {
        return caption.find('-') != std::string::npos;
    }

    testing::FakePlatform platform;
    Program program{platform};
    Zandiro& z = program.zandiro;
};

TEST_F(Limits, GrandTotalStopsAtTheLimitAndTheVerdictSaysSo) {
    enterUnlimitedRolls();
    // 50 for the first five of a kind and 100 for each further one: the
    // 329th passes 32767.
    for (int n = 1; n <= 400; ++n) {
        roll({6, 6, 6, 6, 6});
        click("fvkind");
        const std::int64_t score = 50 + 100 * std::int64_t{n - 1};
        ASSERT_EQ(z.fvkindscore, score);
        ASSERT_EQ(z.control("totl").caption, withNumber("Total: ", score));
        ASSERT_EQ(z.grandtotal, std::min<std::int64_t>(score, int16Max)) << "score " << n;
        ASSERT_EQ(z.control("tott").caption, withNumber("Total: ", z.grandtotal));
        ASSERT_FALSE(negative(z.control("tott").caption));
    }
    EXPECT_EQ(z.control("tott").caption, "Total:  32767");

    // Closes Zandiro with dice that are no five of a kind, then the other twelve.
    roll({1, 2, 3, 4, 6});
    click("fvkind");
    for (int k = 1; k <= 6; ++k) {
        roll({k, k, k, k, k});
        click("numbers", k);
    }
    for (const char* name : {"thrkind", "frkind", "fullh", "sstr", "lstr"}) {
        roll({2, 2, 2, 3, 3});
        click(name);
    }
    ASSERT_TRUE(platform.messages.empty());
    roll({6, 6, 6, 6, 6});
    click("chance");
    EXPECT_EQ(z.filled, 13);
    EXPECT_EQ(z.grandtotal, int16Max);
    EXPECT_EQ(z.control("tott").caption, "Total:  32767");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages.front(), "You have finished the game with an almost impossible "
                                         "score of  32767 points! How'd you do it?");
}

// Twenty million five-of-a-kinds are too many to play, so the score starts
// just below the 32-bit limit.
TEST_F(Limits, ZandiroScoreAndLowerTotalStopBelowTheThirtyTwoBitLimit) {
    enterUnlimitedRolls();
    roll({3, 3, 3, 3, 3});
    click("fvkind");
    z.fvkindscore = int32Max - 197; // 2147483450, 50 and a whole number of hundreds
    for (int n = 0; n < 3; ++n) {
        roll({4, 4, 4, 4, 4});
        click("fvkind");
        ASSERT_GT(z.fvkindscore, 0);
        ASSERT_FALSE(negative(z.control("fvkind").caption));
    }
    for (const char* name : {"thrkind", "frkind", "chance"}) {
        roll({6, 6, 6, 6, 6});
        click(name);
    }
    roll({2, 2, 3, 3, 3});
    click("fullh");
    EXPECT_EQ(z.fvkindscore, int32Max - 97) << "one more hundred, then it stops";
    EXPECT_EQ(z.lowertotal, int32Max);
    EXPECT_EQ(z.grandtotal, int16Max);
    for (const char* total : {"totu", "totl", "tott"}) {
        EXPECT_FALSE(negative(z.control(total).caption)) << total;
    }
    EXPECT_EQ(z.control("totl").caption, withNumber("Total: ", int32Max));
}

} // namespace

// The same limits played as events, with every rule checked after each one.
namespace hardening::replayed {
namespace {

// Every roll is checked: Roll stays enabled, the count goes up until it stops
// at 32767, and every die is rolled and drawn.
TEST(LimitsReplayed, FortyThousandRollsInOneTurnStopCountingAtTheLimit) {
    Runner runner;
    for (const Event& e : unlimitedRolls()) {
        ASSERT_FALSE(runner.step(e).has_value());
    }
    for (std::uint32_t n = 1; n <= 40000; ++n) {
        const auto fault = runner.step({activateAt(button(1)), n});
        ASSERT_FALSE(fault.has_value()) << "roll " << n << ": " << *fault;
    }
    const Zandiro& z = runner.program().zandiro;
    EXPECT_EQ(z.rolls, int16Max);
    EXPECT_TRUE(z.control("press").enabled);
    EXPECT_EQ(runner.stats().rolls, static_cast<std::size_t>(int16Max));
    const auto fault = runner.step(activateAt(category(categoryCount)));
    ASSERT_FALSE(fault.has_value()) << *fault;
    EXPECT_EQ(z.rolls, 0);
}

TEST(LimitsReplayed, GrandTotalPastTheLimitKeepsEveryRule) {
    std::vector<Event> events = unlimitedRolls();
    const int zandiro = 12;
    for (int n = 0; n < 400; ++n) {
        events.push_back({activateAt(button(1)), allFaces(6)});
        events.push_back(activateAt(category(zandiro)));
    }
    // Zandiro closed without five of a kind, then every other category.
    for (const int c : {zandiro, 7, 8, 9, 10, 11, 13, 1, 2, 3, 4, 5, 6}) {
        events.push_back({activateAt(button(1)), c <= 6 ? allFaces(c) : 0x00000001u});
        events.push_back(activateAt(category(c)));
    }
    Runner runner;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const auto fault = runner.step(events[i]);
        ASSERT_FALSE(fault.has_value()) << "event " << i << ": " << *fault;
    }
    EXPECT_EQ(runner.stats().zandiroScores, 400u);
    EXPECT_EQ(runner.stats().gamesOver, 1u);
    EXPECT_EQ(runner.program().zandiro.grandtotal, int16Max);
}

} // namespace
} // namespace hardening::replayed
} // namespace zandiro
