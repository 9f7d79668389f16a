#include "gamefixture.h"

#include <ostream>
#include <string>

namespace zandiro {
namespace {

using testing::GameTest;

struct ScoreCase {
    const char* label;
    int index;
    std::array<int, 5> faces;
    const char* caption; // after the click
    int points;
};

const ScoreCase scoreCases[] = {
    {"numbers", 1, {1, 1, 1, 2, 3}, "Aces: 3", 3},
    {"numbers", 2, {1, 3, 4, 5, 6}, "Twos: 0", 0},
    {"numbers", 3, {3, 6, 3, 1, 3}, "Threes: 9", 9},
    {"numbers", 4, {4, 4, 2, 4, 1}, "Fours: 12", 12},
    {"numbers", 5, {5, 5, 5, 5, 2}, "Fives: 20", 20},
    {"numbers", 6, {6, 6, 6, 6, 6}, "Sixes: 30", 30},
    {"numbers", 1, {0, 0, 0, 0, 0}, "Aces: 0", 0},
    {"thrkind", -1, {2, 2, 2, 5, 6}, "3 of a kind:  17", 17},
    {"thrkind", -1, {4, 1, 4, 4, 4}, "3 of a kind:  17", 17},
    {"thrkind", -1, {3, 5, 3, 5, 3}, "3 of a kind:  19", 19},
    {"thrkind", -1, {6, 6, 6, 6, 6}, "3 of a kind:  30", 30},
    {"thrkind", -1, {1, 1, 2, 2, 3}, "3 of a Kind: 0 ", 0},
    {"thrkind", -1, {1, 2, 3, 4, 5}, "3 of a Kind: 0 ", 0},
    {"thrkind", -1, {0, 0, 0, 0, 0}, "3 of a Kind: 0 ", 0},
    {"frkind", -1, {4, 4, 4, 4, 1}, "4 of a kind:  17", 17},
    {"frkind", -1, {2, 2, 2, 2, 2}, "4 of a kind:  10", 10},
    {"frkind", -1, {3, 3, 3, 5, 5}, "4 of a Kind: 0", 0},
    {"frkind", -1, {0, 4, 4, 4, 4}, "4 of a kind:  16", 16},
    {"frkind", -1, {0, 0, 0, 0, 4}, "4 of a Kind: 0", 0},
    {"fullh", -1, {2, 5, 2, 5, 5}, "Full House: 25", 25},
    {"fullh", -1, {1, 6, 6, 1, 6}, "Full House: 25", 25},
    {"fullh", -1, {4, 4, 4, 4, 4}, "Full House: 0", 0},
    {"fullh", -1, {3, 3, 3, 3, 6}, "Full House: 0", 0},
    {"fullh", -1, {1, 1, 2, 2, 3}, "Full House: 0", 0},
    {"fullh", -1, {1, 1, 1, 2, 3}, "Full House: 0", 0},
    {"fullh", -1, {0, 0, 5, 5, 5}, "Full House: 0", 0},
    {"sstr", -1, {1, 2, 3, 4, 6}, "Small Straight: 30", 30},
    {"sstr", -1, {6, 4, 5, 3, 6}, "Small Straight: 30", 30},
    {"sstr", -1, {2, 3, 4, 5, 2}, "Small Straight: 30", 30},
    {"sstr", -1, {5, 4, 3, 2, 1}, "Small Straight: 30", 30},
    {"sstr", -1, {1, 2, 3, 5, 6}, "Small Straight: 0", 0},
    {"sstr", -1, {1, 3, 4, 5, 1}, "Small Straight: 0", 0},
    {"sstr", -1, {1, 2, 4, 5, 6}, "Small Straight: 0", 0},
    {"sstr", -1, {5, 5, 5, 5, 5}, "Small Straight: 0", 0},
    {"sstr", -1, {0, 0, 0, 0, 0}, "Small Straight: 0", 0},
    {"lstr", -1, {1, 2, 3, 4, 5}, "Large Straight: 40", 40},
    {"lstr", -1, {6, 5, 4, 3, 2}, "Large Straight: 40", 40},
    {"lstr", -1, {1, 2, 3, 4, 6}, "Large Straight: 0", 0},
    {"lstr", -1, {1, 2, 3, 4, 4}, "Large Straight: 0", 0},
    {"lstr", -1, {1, 3, 4, 5, 6}, "Large Straight: 0", 0},
    {"lstr", -1, {2, 2, 2, 2, 2}, "Large Straight: 0", 0},
    {"chance", -1, {1, 2, 3, 4, 5}, "Chance:  15", 15},
    {"chance", -1, {1, 1, 1, 1, 1}, "Chance:  5", 5},
    {"chance", -1, {6, 6, 6, 6, 6}, "Chance:  30", 30},
    {"chance", -1, {0, 0, 0, 0, 0}, "Chance:  0", 0},
    {"fvkind", -1, {3, 3, 3, 3, 2}, "Zandiro: 0", 0},
    {"fvkind", -1, {0, 0, 0, 0, 0}, "Zandiro: 0", 0},
    {"fvkind", -1, {0, 5, 5, 5, 5}, "Zandiro: 0", 0},
};

void PrintTo(const ScoreCase& c, std::ostream* os) {
    *os << c.label << (c.index >= 0 ? std::to_string(c.index) : "") << " " << c.faces[0]
        << c.faces[1] << c.faces[2] << c.faces[3] << c.faces[4];
}

class Scoring : public GameTest, public ::testing::WithParamInterface<ScoreCase> {};

std::string total(int value) {
    return "Total:  " + std::to_string(value);
}

// Each case closes its category in the first turn, after a roll that used up
// the turn's rolls and with all five dice held.
TEST_P(Scoring, ClosesTheCategoryWithItsScore) {
    const ScoreCase& c = GetParam();
    program.module1.rollsperturn = 1;
    rollHeld(c.faces);
    ASSERT_FALSE(ctl("press").enabled);
    clickOn(c.label, c.index);
    const Control& label = ctl(c.label, c.index);
    EXPECT_EQ(label.caption, c.caption);
    EXPECT_EQ(label.foreground, usedColour);
    EXPECT_EQ(z.filled, 1);
    const bool upper = std::string(c.label) == "numbers";
    EXPECT_EQ(ctl("totu").caption, total(upper ? c.points : 0));
    EXPECT_EQ(ctl("totl").caption, total(upper ? 0 : c.points));
    EXPECT_EQ(ctl("tott").caption, total(c.points));
    expectTurnEnded();
}

INSTANTIATE_TEST_SUITE_P(Categories, Scoring, ::testing::ValuesIn(scoreCases));

TEST_F(GameTest, UpperScoringClearsTheDiceButNotTheBoard) {
    roll({6, 6, 2, 6, 3});
    clickOn("numbers", 6);
    EXPECT_EQ(ctl("numbers", 6).caption, "Sixes: 18");
    EXPECT_EQ(z.dice, (std::array<std::int32_t, 6>{}));
    EXPECT_TRUE(z.pip(7).visible); // die 1 still shows its six
    // A die held into the next roll keeps no face.
    pressDie(3);
    roll({4, 4, 4, 4});
    EXPECT_EQ(z.dice, (std::array<std::int32_t, 6>{0, 4, 4, 0, 4, 4}));
    for (int k = 15; k <= 21; ++k) {
        EXPECT_FALSE(z.pip(k).visible) << "pip " << k;
    }
}

} // namespace
} // namespace zandiro
