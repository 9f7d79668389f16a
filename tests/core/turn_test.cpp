#include "gamefixture.h"

#include <ostream>
#include <string>
#include <vector>

namespace zandiro {
namespace {

using testing::GameTest;

// Everything a click could change.
struct Snapshot {
    std::vector<Control> controls;
    std::array<std::int32_t, 6> dice;
    std::array<std::int32_t, 8> scores;
    std::array<std::int32_t, 7> upper;
    std::int16_t filled, rolls, grandtotal;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot snapshot(const Zandiro& z) {
    return {z.form.controls(),
            z.dice,
            {z.thrkindscore, z.frkindscore, z.fullhscore, z.sstrscore, z.lstrscore, z.fvkindscore,
             z.chancescore, z.lowertotal},
            z.upper,
            z.filled,
            z.rolls,
            z.grandtotal};
}

class UsedCategory : public GameTest, public ::testing::WithParamInterface<int> {};

TEST_P(UsedCategory, IgnoresAFurtherClickAndTheTurnGoesOn) {
    const ControlRef l = categoryControl(GetParam());
    roll({1, 2, 3, 4, 5});
    clickOn(l.name, l.index);
    ASSERT_EQ(z.filled, 1);
    // Five of a kind would score in most categories, and a full count in the rest.
    roll({3, 3, 3, 3, 3});
    pressDie(2);
    const Snapshot before = snapshot(z);
    clickOn(l.name, l.index);
    EXPECT_TRUE(snapshot(z) == before);
    EXPECT_EQ(z.rolls, 1);
    EXPECT_TRUE(held(2));
    EXPECT_TRUE(allCategoriesEnabled());
}

INSTANTIATE_TEST_SUITE_P(EveryCategory, UsedCategory, ::testing::Range(1, categoryCount + 1));

TEST_F(GameTest, ZandiroStaysOpenWhileItScores) {
    const int faces[] = {3, 6, 1};
    const char* captions[] = {"Zandiro:  50", "Zandiro:  150", "Zandiro:  250"};
    for (int turn = 0; turn < 3; ++turn) {
        roll({faces[turn], faces[turn], faces[turn], faces[turn], faces[turn]});
        pressDie(1);
        clickOn("fvkind");
        EXPECT_EQ(ctl("fvkind").caption, captions[turn]);
        EXPECT_NE(ctl("fvkind").foreground, usedColour);
        EXPECT_EQ(z.filled, 0);
        EXPECT_EQ(z.dice[1], 0);
        expectTurnEnded();
    }
    EXPECT_EQ(ctl("totl").caption, "Total:  250");
    roll({1, 1, 1, 1, 2});
    clickOn("fvkind");
    EXPECT_EQ(ctl("fvkind").caption, "Zandiro:  250");
    EXPECT_EQ(ctl("fvkind").foreground, usedColour);
    EXPECT_EQ(z.filled, 1);
    EXPECT_EQ(ctl("tott").caption, "Total:  250");
    expectTurnEnded();
}

TEST_F(GameTest, ZandiroCannotBeCarriedIntoTheNextTurn) {
    roll({4, 4, 4, 4, 4});
    clickOn("fvkind");
    for (int d = 1; d <= 5; ++d) {
        pressDie(d);
    }
    roll({});
    EXPECT_EQ(z.dice, (std::array<std::int32_t, 6>{0, 0, 4, 4, 4, 4}));
    for (int k = 1; k <= 7; ++k) {
        EXPECT_FALSE(z.pip(k).visible) << "pip " << k;
    }
    clickOn("fvkind");
    EXPECT_EQ(ctl("fvkind").caption, "Zandiro:  50");
    EXPECT_EQ(ctl("fvkind").foreground, usedColour);
    EXPECT_EQ(z.filled, 1);
}

struct BonusCase {
    int otherUpper; // Aces to Fives already scored
    const char* upperTotal;
    const char* grandAfterChance;
};

void PrintTo(const BonusCase& c, std::ostream* os) {
    *os << "upper " << c.otherUpper + 24;
}

class Bonus : public GameTest, public ::testing::WithParamInterface<BonusCase> {};

TEST_P(Bonus, IsAddedAboveSixtyTwo) {
    z.upper = {0, 3, 6, 9, 12, GetParam().otherUpper - 30};
    roll({6, 6, 6, 6, 1});
    clickOn("numbers", 6);
    EXPECT_EQ(ctl("totu").caption, GetParam().upperTotal);
    EXPECT_EQ(ctl("tott").caption, GetParam().upperTotal);
    // Every later end of turn works the bonus out again.
    roll({1, 2, 3, 4, 5});
    clickOn("chance");
    EXPECT_EQ(ctl("totu").caption, GetParam().upperTotal);
    EXPECT_EQ(ctl("totl").caption, "Total:  15");
    EXPECT_EQ(ctl("tott").caption, GetParam().grandAfterChance);
}

INSTANTIATE_TEST_SUITE_P(Edges, Bonus,
                         ::testing::Values(BonusCase{38, "Total:  62", "Total:  77"},
                                           BonusCase{39, "Total:  98", "Total:  113"}));

bool gameOver(Zandiro& z) {
    return !z.control("press").visible && z.control("restart").visible &&
           z.control("exitgame").visible;
}

TEST_F(GameTest, OnlyTheThirteenthClosedCategoryEndsTheGame) {
    z.filled = 11;
    roll({1, 2, 3, 4, 5});
    clickOn("numbers", 1);
    EXPECT_EQ(z.filled, 12);
    EXPECT_FALSE(gameOver(z));
    EXPECT_TRUE(platform.messages.empty());
    roll({2, 2, 3, 4, 6});
    clickOn("chance");
    EXPECT_TRUE(gameOver(z));
    EXPECT_EQ(platform.messages, std::vector<std::string>{
                                     "You must have rushed through the game to get  18 points..."});
}

TEST_F(GameTest, ZandiroScoredOnTheLastOpenCategoryDoesNotEndTheGame) {
    z.filled = 12;
    roll({5, 5, 5, 5, 5});
    clickOn("fvkind");
    EXPECT_FALSE(gameOver(z));
    EXPECT_TRUE(platform.messages.empty());
    roll({5, 5, 5, 5, 6});
    clickOn("fvkind");
    EXPECT_TRUE(gameOver(z));
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(GameTest, GrandTotalStopsAtItsLimit) {
    z.fvkindscore = 32650;
    roll({2, 2, 2, 2, 2});
    clickOn("fvkind");
    EXPECT_EQ(ctl("totl").caption, "Total:  32750");
    roll({2, 2, 2, 2, 2});
    clickOn("fvkind");
    EXPECT_EQ(ctl("totl").caption, "Total:  32850");
    EXPECT_EQ(ctl("tott").caption, "Total:  32767");
    EXPECT_EQ(z.grandtotal, 32767);
}

} // namespace
} // namespace zandiro
