#include "gamefixture.h"

#include <cmath>
#include <limits>
#include <ostream>
#include <set>
#include <string>

namespace zandiro {
namespace {

using testing::GameTest;

TEST_F(GameTest, DrawBecomesFaceOneToSix) {
    const struct {
        double r;
        int face;
    } cases[] = {{0.0, 1},
                 {0.1666, 1},
                 {0.1667, 2},
                 {0.5, 4},
                 {0.8333, 5},
                 {0.8334, 6},
                 {std::nextafter(1.0, 0.0), 6}};
    program.module1.unlimitedrolls = 1;
    for (const auto& c : cases) {
        platform.draws.assign(5, c.r);
        clickOn("press");
        EXPECT_EQ(z.dice, (std::array<std::int32_t, 6>{0, c.face, c.face, c.face, c.face, c.face}))
            << "r = " << c.r;
    }
}

TEST_F(GameTest, DrawOutsideTheUnitIntervalStillRollsOneToSix) {
    const double inf = std::numeric_limits<double>::infinity();
    platform.draws = {1.0, 7.5, inf, -0.25, std::nan("")};
    roll({});
    EXPECT_EQ(z.dice, (std::array<std::int32_t, 6>{0, 6, 6, 6, 1, 1}));
    clickOn("chance");
    EXPECT_EQ(ctl("chance").caption, "Chance:  20");
}

// The pip positions (0 bottom right .. 6 top left) that show each face.
const std::set<int> facePositions[7] = {
    {}, {3}, {0, 6}, {0, 3, 6}, {0, 1, 5, 6}, {0, 1, 3, 5, 6}, {0, 1, 2, 4, 5, 6},
};

TEST_F(GameTest, EachFaceLightsItsPips) {
    program.module1.unlimitedrolls = 1;
    for (int face : {6, 1, 5, 2, 4, 3}) {
        roll({face, face, face, face, face});
        for (int d = 1; d <= 5; ++d) {
            std::set<int> lit;
            for (int pos = 0; pos <= 6; ++pos) {
                if (z.pip(7 * d - pos).visible) {
                    lit.insert(pos);
                }
            }
            EXPECT_EQ(lit, facePositions[face]) << "face " << face << " die " << d;
        }
        EXPECT_FALSE(z.pip(0).visible);
    }
}

TEST_F(GameTest, HeldDiceKeepTheirValueAndTakeNoDraw) {
    roll({1, 2, 3, 4, 5});
    pressDie(2);
    pressDie(4);
    roll({6, 6, 5, 1});
    EXPECT_EQ(z.dice, (std::array<std::int32_t, 6>{0, 6, 2, 6, 4, 5}));
    EXPECT_EQ(platform.draws.size(), 1u);
    EXPECT_TRUE(z.pip(14 - 0).visible && z.pip(14 - 6).visible); // die 2 still shows a two
    EXPECT_TRUE(held(2) && held(4));
}

TEST_F(GameTest, RollWithEveryDieHeldStillCounts) {
    roll({1, 2, 3, 4, 5});
    for (int d = 1; d <= 5; ++d) {
        pressDie(d);
    }
    roll({6});
    EXPECT_EQ(z.dice, (std::array<std::int32_t, 6>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(platform.draws.size(), 1u);
    EXPECT_EQ(z.rolls, 2);
    EXPECT_TRUE(allCategoriesEnabled());
}

struct RollLimit {
    std::int16_t rollsperturn;
    std::int32_t unlimitedrolls;
    int rollsAllowed;
};

void PrintTo(const RollLimit& c, std::ostream* os) {
    *os << c.rollsperturn << " a turn" << (c.unlimitedrolls ? ", unlimited" : "");
}

class RollLimits : public GameTest, public ::testing::WithParamInterface<RollLimit> {};

TEST_P(RollLimits, RollIsDisabledWhenTheTurnsRollsAreUsed) {
    program.module1.rollsperturn = GetParam().rollsperturn;
    program.module1.unlimitedrolls = GetParam().unlimitedrolls;
    platform.draws.assign(5 * 9, 0.5); // fours, for every roll that may happen
    for (int n = 1; n <= 8; ++n) {
        clickOn("press");
        EXPECT_EQ(z.rolls, std::min(n, GetParam().rollsAllowed));
        EXPECT_EQ(ctl("press").enabled, n < GetParam().rollsAllowed) << "after roll " << n;
    }
    // The next turn allows the full number again.
    clickOn("chance");
    EXPECT_TRUE(ctl("press").enabled);
    clickOn("press");
    EXPECT_EQ(z.rolls, 1);
}

INSTANTIATE_TEST_SUITE_P(Rules, RollLimits,
                         ::testing::Values(RollLimit{3, 0, 3}, RollLimit{1, 0, 1},
                                           RollLimit{5, 0, 5}, RollLimit{3, 1, 1000}));

TEST_F(GameTest, RollCountStopsAtItsLimitWithUnlimitedRolls) {
    program.module1.unlimitedrolls = 1;
    z.rolls = 32766;
    roll({1, 1, 1, 1, 1});
    EXPECT_EQ(z.rolls, 32767);
    roll({2, 2, 2, 2, 2});
    EXPECT_EQ(z.rolls, 32767);
    EXPECT_EQ(z.dice[5], 2);
    EXPECT_TRUE(ctl("press").enabled);
}

} // namespace
} // namespace zandiro
