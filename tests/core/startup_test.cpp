#include "gamefixture.h"

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace zandiro {
namespace {

using testing::FakePlatform;
using testing::GameTest;

// Leaves every variable that start-up resets at a value it cannot have by chance.
void dirty(Program& program) {
    Zandiro& z = program.zandiro;
    z.rolls = 2;
    z.filled = 7;
    z.upper = {0, 1, 2, 3, 4, 5, 6};
    z.uppertotal = 21;
    z.thrkindscore = 11;
    z.frkindscore = 12;
    z.fullhscore = 25;
    z.sstrscore = 30;
    z.lstrscore = 40;
    z.fvkindscore = 150;
    z.chancescore = 20;
    z.lowertotal = 288;
    program.module1 = Module1{9, 1, 5};
}

void expectFreshGame(const Program& program) {
    const Zandiro& z = program.zandiro;
    EXPECT_EQ(z.rolls, 0);
    EXPECT_EQ(z.filled, 0);
    EXPECT_EQ(z.upper, (std::array<std::int32_t, 7>{}));
    for (std::int32_t v : {z.uppertotal, z.thrkindscore, z.frkindscore, z.fullhscore, z.sstrscore,
                           z.lstrscore, z.fvkindscore, z.chancescore, z.lowertotal}) {
        EXPECT_EQ(v, 0);
    }
    EXPECT_EQ(program.module1.cheatsteps, 0);
    EXPECT_EQ(program.module1.unlimitedrolls, 0);
    EXPECT_EQ(program.module1.rollsperturn, 3);
}

// The window objects refer to each other and to the platform, so a copy or a
// move would act on the original's windows.
static_assert(!std::is_copy_constructible_v<Program> && !std::is_move_constructible_v<Program> &&
              !std::is_copy_assignable_v<Program> && !std::is_move_assignable_v<Program>);
static_assert(!std::is_copy_constructible_v<Zandiro> && !std::is_move_constructible_v<Zandiro> &&
              !std::is_copy_assignable_v<Zandiro> && !std::is_move_assignable_v<Zandiro>);
static_assert(!std::is_copy_constructible_v<Cheat> && !std::is_move_constructible_v<Cheat> &&
              !std::is_copy_assignable_v<Cheat> && !std::is_move_assignable_v<Cheat>);

TEST(Startup, ResetsScoresAndRollRulesButNotTheDice) {
    FakePlatform platform;
    Program program(platform);
    dirty(program);
    program.zandiro.dice = {0, 1, 2, 3, 4, 5};
    program.start();
    expectFreshGame(program);
    EXPECT_EQ(program.zandiro.dice, (std::array<std::int32_t, 6>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(platform.randomizeCalls, 1);
}

TEST_F(GameTest, StartShowsTheScorecardClosedUntilTheFirstRoll) {
    EXPECT_FALSE(anyCategoryEnabled());
    EXPECT_TRUE(ctl("press").visible);
    EXPECT_TRUE(ctl("press").enabled);
    EXPECT_FALSE(ctl("restart").visible);
    EXPECT_FALSE(ctl("exitgame").visible);
    EXPECT_EQ(z.window.title, "Zandiro!");
    // A click on a closed category scores nothing.
    const std::string caption = ctl("chance").caption;
    clickOn("chance");
    EXPECT_EQ(z.filled, 0);
    EXPECT_EQ(ctl("chance").caption, caption);
}

TEST_F(GameTest, StartShowsFiveBlankDice) {
    for (int d = 1; d <= 5; ++d) {
        EXPECT_TRUE(z.Rect(d).visible);
        EXPECT_FALSE(z.Hold(d).visible);
        EXPECT_TRUE(z.Hold(d).hasPicture);
    }
    for (int k = 0; k <= 35; ++k) {
        EXPECT_FALSE(z.pip(k).visible) << "pip " << k;
    }
}

// Each die's body fills its cell of the board, where a press reaches it, with
// its marker across the middle and its pips where the board puts them.
TEST_F(GameTest, DiceBoardIsPlacedSlotBySlot) {
    for (int d = 1; d <= 5; ++d) {
        SCOPED_TRACE("die " + std::to_string(d));
        const Box cell = cellOf(slotOf(d).row, slotOf(d).column);
        const Control& body = z.Rect(d);
        EXPECT_EQ((std::array{body.left, body.top, body.width, body.height}),
                  (std::array{cell.left, cell.top, cell.width, cell.height}));
        const Control& marker = z.Hold(d);
        EXPECT_TRUE(marker.contains(cell.left + cell.width / 2.0, cell.top + cell.height / 2.0));
        EXPECT_TRUE(marker.left > cell.left && marker.left + marker.width < cell.left + cell.width);
        for (int pos = 0; pos <= 6; ++pos) {
            const Control& p = z.pip(pipOf(d, pos));
            EXPECT_EQ((std::array{p.left, p.top}),
                      (std::array{pipCorner(d, pos).left, pipCorner(d, pos).top}))
                << "pos " << pos;
        }
    }
}

// Each section lists its categories in scorecard order, one a row, rows 32
// pixels apart under the headings, and its total on the row after them. The
// upper labels share their left edge and width, the lower ones their middle.
TEST_F(GameTest, ScorecardStandsInRowsInScorecardOrder) {
    int upperRows = 0;
    int lowerRows = 0;
    for (const Category& category : scorecard) {
        const bool upper = category.section == Section::Upper;
        const Control& label = ctl(category.label.name, category.label.index);
        SCOPED_TRACE(label.name + std::to_string(label.index));
        const int row = upper ? ++upperRows : ++lowerRows;
        EXPECT_EQ((std::array{label.top, label.height}), (std::array{32 * row, 23}));
        if (upper) {
            EXPECT_EQ((std::array{label.left, label.width}), (std::array{8, 88}));
        } else {
            EXPECT_EQ(2 * label.left + label.width, 365) << "the middle at 182.5";
        }
    }
    EXPECT_EQ(ctl("totu").top, 32 * (upperRows + 1));
    EXPECT_EQ(ctl("totl").top, 32 * (lowerRows + 1));
    EXPECT_EQ((std::array{ctl("upscores").top, ctl("lwscores").top}), (std::array{0, 0}));
}

TEST_F(GameTest, PipsAreDrawnOverMarkersOverBodies) {
    std::vector<std::string> expected;
    for (int k = 35; k >= 1; --k) {
        expected.push_back("pip" + std::to_string(k));
    }
    for (int d = 5; d >= 1; --d) {
        expected.push_back("Hold" + std::to_string(d));
        expected.push_back("Rect" + std::to_string(d));
    }
    // Front to back, leaving out the upper labels, which lie away from the board.
    std::vector<std::string> front;
    const auto& order = z.form.drawingOrder();
    for (auto it = order.rbegin(); it != order.rend() && front.size() < expected.size(); ++it) {
        const Control& c = z.form.at(*it);
        if (c.name != "numbers") {
            front.push_back(c.name + std::to_string(c.index));
        }
    }
    EXPECT_EQ(front, expected);
}

TEST_F(GameTest, RestartBeginsANewGameWithTheOldDice) {
    program.module1.unlimitedrolls = 1;
    roll({2, 2, 2, 5, 6});
    pressDie(4);
    clickOn("thrkind");
    roll({1, 3, 3, 4, 6});
    pressDie(2);
    const auto dice = z.dice;
    dirty(program);
    z.restart_Click();
    expectFreshGame(program);
    EXPECT_EQ(z.dice, dice);
    FakePlatform otherPlatform;
    Program started(otherPlatform);
    started.start();
    EXPECT_EQ(z.form.controls(), started.zandiro.form.controls()) << "the window as it starts";
}

TEST(Form, NewMemberIsAHiddenCopyOfTheLowestIndex) {
    Form form;
    Control first;
    first.name = "pip";
    first.index = 2;
    first.caption = "x";
    first.width = 13;
    first.background = Rgb{255, 0, 0};
    Control higher = first;
    higher.index = 5;
    higher.width = 99;
    form.add(first);
    form.add(higher);
    const Control& copy = form.at(form.loadMember("pip", 7));
    Control expected = first;
    expected.index = 7;
    expected.visible = false;
    EXPECT_EQ(copy, expected);
}

} // namespace
} // namespace zandiro
