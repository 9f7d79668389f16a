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

struct LabelLook {
    const char* name;
    int index;
    const char* caption;
    Rgb background;
    std::optional<Rgb> foreground; // nullopt: the system's default text colour
};

constexpr Rgb red{255, 0, 0};
constexpr Rgb green{0, 255, 0};
constexpr Rgb black{0, 0, 0};

const LabelLook startLooks[] = {
    {"numbers", 1, "Aces: 0", green, black},
    {"numbers", 2, "Twos: 0", green, black},
    {"numbers", 3, "Threes: 0", green, black},
    {"numbers", 4, "Fours: 0", green, black},
    {"numbers", 5, "Fives: 0", green, black},
    {"numbers", 6, "Sixes: 0", green, black},
    {"totu", -1, "Total:  0", {128, 255, 128}, std::nullopt},
    {"totl", -1, "Total: 0", {255, 128, 128}, std::nullopt},
    {"tott", -1, "Total: 0", {128, 255, 255}, std::nullopt},
    {"thrkind", -1, "3 of a Kind: 0 ", red, std::nullopt},
    {"frkind", -1, "4 of a Kind: 0", red, std::nullopt},
    {"fullh", -1, "Full House: 0", red, std::nullopt},
    {"sstr", -1, "Small Straight: 0", red, std::nullopt},
    {"lstr", -1, "Large Straight: 0", red, std::nullopt},
    {"fvkind", -1, "Zandiro: 0", red, std::nullopt},
    {"chance", -1, "Chance: 0", red, std::nullopt},
    {"upscores", -1, "Upper Scores", {0, 192, 0}, std::nullopt},
    {"lwscores", -1, "Lower Scores", {192, 0, 0}, std::nullopt},
};

void expectStartLooks(Zandiro& z) {
    for (const LabelLook& look : startLooks) {
        const Control& c = z.form.get(look.name, look.index);
        SCOPED_TRACE(std::string(look.name) + " " + std::to_string(look.index));
        EXPECT_EQ(c.caption, look.caption);
        EXPECT_EQ(c.background, look.background);
        EXPECT_EQ(c.foreground, look.foreground);
        EXPECT_TRUE(c.visible);
    }
}

TEST_F(GameTest, StartShowsTheScorecardClosedUntilTheFirstRoll) {
    expectStartLooks(z);
    EXPECT_FALSE(anyCategoryEnabled());
    EXPECT_TRUE(ctl("press").visible);
    EXPECT_TRUE(ctl("press").enabled);
    EXPECT_FALSE(ctl("restart").visible);
    EXPECT_FALSE(ctl("exitgame").visible);
    EXPECT_EQ(z.window.title, "Zandiro!");
    // A click on a closed category scores nothing.
    clickOn("chance");
    EXPECT_EQ(z.filled, 0);
    EXPECT_EQ(ctl("chance").caption, "Chance: 0");
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

// Pip offsets in the body by position number pos (0 bottom right .. 6 top left).
constexpr int pipOffset[7][2] = {{40, 40}, {8, 40}, {40, 24}, {24, 24}, {8, 24}, {40, 8}, {8, 8}};

TEST_F(GameTest, DiceBoardIsPlacedSlotBySlot) {
    constexpr int bodies[6][2] = {{0, 0}, {264, 8}, {328, 8}, {264, 72}, {328, 72}, {264, 136}};
    for (int d = 1; d <= 5; ++d) {
        SCOPED_TRACE("die " + std::to_string(d));
        const int left = bodies[d][0];
        const int top = bodies[d][1];
        const Control& body = z.Rect(d);
        EXPECT_EQ((std::array{body.left, body.top, body.width, body.height}),
                  (std::array{left, top, 60, 60}));
        const Control& marker = z.Hold(d);
        EXPECT_EQ((std::array{marker.left, marker.top, marker.width, marker.height}),
                  (std::array{left + 3, top + 25, 54, 12}));
        for (int pos = 0; pos <= 6; ++pos) {
            const Control& p = z.pip(7 * d - pos);
            EXPECT_EQ((std::array{p.left, p.top}),
                      (std::array{left + pipOffset[pos][0], top + pipOffset[pos][1]}))
                << "pos " << pos;
        }
    }
    EXPECT_EQ((std::array{z.pip(0).left, z.pip(0).top}), (std::array{368, 32}));
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
    expectStartLooks(z);
    EXPECT_FALSE(anyCategoryEnabled());
    for (int k = 1; k <= 35; ++k) {
        EXPECT_FALSE(z.pip(k).visible) << "pip " << k;
    }
    for (int d = 1; d <= 5; ++d) {
        EXPECT_FALSE(held(d));
    }
    EXPECT_EQ(z.form.memberCount("pip"), 36);
    EXPECT_EQ(z.form.memberCount("numbers"), 6);
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
