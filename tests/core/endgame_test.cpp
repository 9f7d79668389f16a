#include "gamefixture.h"

#include <ostream>
#include <string>
#include <vector>

namespace zandiro {
namespace {

using testing::GameTest;

struct VerdictCase {
    int total;
    const char* message; // empty: no message box
};

const VerdictCase verdictCases[] = {
    {0, ""},
    {4, ""},
    {5, "5 points is such a terrible score that you must have been trying to get it. Good game!"},
    {6, "You must have rushed through the game to get  6 points..."},
    {50, "You must have rushed through the game to get  50 points..."},
    {51, "Figure out a strategy and come back next time.  51 points is not very good."},
    {100, "Figure out a strategy and come back next time.  100 points is not very good."},
    {101, "Next time, try to get a higher score - beat  101 points!"},
    {150, "Next time, try to get a higher score - beat  150 points!"},
    {200, "Next time, try to get a higher score - beat  200 points!"},
    {201, "You must have been lucky to get  201 points."},
    {300, "You must have been lucky to get  300 points."},
    {301, "A wonderful score of  301 points has found its way into your hands. Cool!"},
    {500, "A wonderful score of  500 points has found its way into your hands. Cool!"},
    {501, "You have somehow gotten an astonishing score of  501 points!"},
    {750, "You have somehow gotten an astonishing score of  750 points!"},
    {751, "You have gotten an amazing score of  751 points! Yippee!"},
    {1000, "You have gotten an amazing score of  1000 points! Yippee!"},
    {1001, "You have finished the game with an almost impossible score of  1001 points! How'd "
           "you do it?"},
    {32767, "You have finished the game with an almost impossible score of  32767 points! How'd "
            "you do it?"},
};

void PrintTo(const VerdictCase& c, std::ostream* os) {
    *os << c.total;
}

class Verdict : public GameTest, public ::testing::WithParamInterface<VerdictCase> {};

// The buttons are switched before the box opens, and the box is shown once at most.
TEST_P(Verdict, GradesTheFinalTotal) {
    const VerdictCase& c = GetParam();
    bool gameOverShown = false;
    platform.onMessage = [&](const std::string&) {
        gameOverShown = !ctl("press").visible && ctl("restart").visible && ctl("exitgame").visible;
    };
    z.chancescore = c.total;
    z.filled = 13;
    z.endturn();
    const std::vector<std::string> expected =
        *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
    EXPECT_EQ(platform.messages, expected);
    EXPECT_EQ(gameOverShown, !expected.empty());
    EXPECT_FALSE(ctl("press").visible);
    EXPECT_TRUE(ctl("restart").visible);
    EXPECT_TRUE(ctl("exitgame").visible);
    EXPECT_FALSE(anyCategoryEnabled());
}

INSTANTIATE_TEST_SUITE_P(BandEdges, Verdict, ::testing::ValuesIn(verdictCases));

} // namespace
} // namespace zandiro
