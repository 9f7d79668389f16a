#include "gamefixture.h"

#include <string>
#include <vector>

namespace zandiro {
namespace {

using testing::GameTest;

struct Turn {
    std::vector<int> faces;
    const char* label;
    int index;
    const char* caption;
};

TEST_F(GameTest, WholeGameToItsVerdictThenRestart) {
    const Turn simpleTurns[] = {
        {{1, 1, 1, 2, 3}, "numbers", 1, "Aces: 3"},
        {{2, 2, 5, 6, 1}, "numbers", 2, "Twos: 4"},
        {{3, 3, 3, 4, 5}, "numbers", 3, "Threes: 9"},
        {{5, 5, 5, 1, 2}, "numbers", 5, "Fives: 15"},
        {{6, 6, 6, 3, 3}, "numbers", 6, "Sixes: 18"},
        {{2, 2, 2, 5, 6}, "thrkind", -1, "3 of a kind:  17"},
        {{3, 3, 3, 3, 1}, "frkind", -1, "4 of a kind:  13"},
        {{2, 5, 2, 5, 5}, "fullh", -1, "Full House: 25"},
        {{1, 2, 3, 4, 6}, "sstr", -1, "Small Straight: 30"},
        {{6, 5, 4, 3, 2}, "lstr", -1, "Large Straight: 40"},
        {{1, 2, 3, 4, 5}, "chance", -1, "Chance:  15"},
    };
    for (const Turn& t : simpleTurns) {
        roll(t.faces);
        clickOn(t.label, t.index);
        EXPECT_EQ(ctl(t.label, t.index).caption, t.caption);
    }
    EXPECT_EQ(ctl("totu").caption, "Total:  49");

    // Fours over two rolls, holding three of them.
    roll({4, 4, 1, 4, 2});
    pressDie(1);
    pressDie(2);
    pressDie(4);
    roll({4, 2});
    clickOn("numbers", 4);
    EXPECT_EQ(ctl("totu").caption, "Total:  100");

    // Zandiro on the third roll; it stays open until dice without five alike close it.
    roll({4, 4, 4, 4, 1});
    for (int d = 1; d <= 4; ++d) {
        pressDie(d);
    }
    roll({3});
    roll({4});
    EXPECT_FALSE(ctl("press").enabled);
    clickOn("fvkind");
    EXPECT_EQ(z.filled, 12);
    roll({1, 1, 2, 3, 3});
    EXPECT_TRUE(platform.messages.empty());
    clickOn("fvkind");

    EXPECT_EQ(ctl("fvkind").caption, "Zandiro:  50");
    EXPECT_EQ(ctl("totl").caption, "Total:  190");
    EXPECT_EQ(ctl("tott").caption, "Total:  290");
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"You must have been lucky to get  290 points."});
    EXPECT_FALSE(ctl("press").visible);
    EXPECT_FALSE(anyCategoryEnabled());

    clickOn("restart");
    EXPECT_TRUE(ctl("press").visible);
    EXPECT_FALSE(ctl("restart").visible);
    EXPECT_FALSE(ctl("exitgame").visible);
    EXPECT_EQ(z.filled, 0);
    EXPECT_EQ(ctl("fvkind").caption, "Zandiro: 0");
    EXPECT_NE(ctl("numbers", 4).foreground, usedColour);
    roll({6, 6, 6, 6, 6});
    clickOn("fvkind");
    EXPECT_EQ(ctl("tott").caption, "Total:  50");
    EXPECT_EQ(platform.messages.size(), 1u);
}

} // namespace
} // namespace zandiro
