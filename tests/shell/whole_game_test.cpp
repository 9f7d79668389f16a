#include "labelboxes.h"
#include "shellfixture.h"
#include "windowpicture.h"

#include <string>
#include <vector>

namespace zandiro::testing {
namespace {

class WholeGame : public ShellTest {
  protected:
    void scoreIn(const char* name, int index = -1) { clickAt(boxOf(name, index).rect.center()); }
    std::string caption(const char* name, int index = -1) {
        return label(name, index)->text().toStdString();
    }
    void holdDice(std::initializer_list<int> dice) {
        for (int die : dice) {
            clickAt(bodyRect(die).center());
        }
    }
};

struct Turn {
    std::initializer_list<int> faces;
    const char* category;
    int index;
    const char* caption;
};

// Every turn after the first: one roll, then the category.
const Turn laterTurns[] = {
    {{2, 2, 2, 1, 3}, "numbers", 2, "Twos: 6"},
    {{3, 3, 3, 1, 2}, "numbers", 3, "Threes: 9"},
    {{4, 4, 4, 1, 2}, "numbers", 4, "Fours: 12"},
    {{5, 5, 5, 1, 2}, "numbers", 5, "Fives: 15"},
    {{6, 6, 6, 1, 2}, "numbers", 6, "Sixes: 18"},
    {{6, 6, 6, 5, 5}, "thrkind", -1, "3 of a kind:  28"},
    {{6, 6, 6, 6, 5}, "frkind", -1, "4 of a kind:  29"},
    {{2, 2, 3, 3, 3}, "fullh", -1, "Full House: 25"},
    {{1, 2, 3, 4, 6}, "sstr", -1, "Small Straight: 30"},
    {{2, 3, 4, 5, 6}, "lstr", -1, "Large Straight: 40"},
    {{4, 4, 4, 4, 4}, "fvkind", -1, "Zandiro:  50"},
    {{1, 2, 3, 4, 5}, "fvkind", -1, "Zandiro:  50"},
    {{6, 6, 6, 6, 5}, "chance", -1, "Chance:  29"},
};

TEST_F(WholeGame, PlaysThroughTheWindowToTheVerdictAndRestarts) {
    struct Buttons {
        bool roll = true, restart = false, exit = false;
    } whenVerdictShown;
    platform.onMessage = [&](const std::string&) {
        shell.refresh();
        whenVerdictShown = {!button("press")->isHidden(), !button("restart")->isHidden(),
                            !button("exitgame")->isHidden()};
    };

    // The first turn uses all three rolls, holding dice between them.
    roll({1, 1, 4, 5, 6});
    holdDice({1, 2});
    roll({1, 2, 3});
    holdDice({3, 4, 5});
    roll({});
    EXPECT_FALSE(button("press")->isEnabled()) << "three rolls a turn";
    scoreIn("numbers", 1);
    EXPECT_EQ(caption("numbers", 1), "Aces: 3");
    EXPECT_TRUE(button("press")->isEnabled());
    for (int die = 1; die <= 5; ++die) {
        EXPECT_FALSE(held(die)) << "the end of the turn releases die " << die;
    }

    for (const Turn& turn : laterTurns) {
        SCOPED_TRACE(turn.caption);
        EXPECT_TRUE(platform.messages.empty()) << "the game is not over yet";
        roll(turn.faces);
        scoreIn(turn.category, turn.index);
        EXPECT_EQ(caption(turn.category, turn.index), turn.caption);
    }

    EXPECT_EQ(caption("totu"), "Total:  98");
    EXPECT_EQ(caption("totl"), "Total:  231");
    EXPECT_EQ(caption("tott"), "Total:  329");
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{
                  "A wonderful score of  329 points has found its way into your hands. Cool!"});
    EXPECT_FALSE(whenVerdictShown.roll);
    EXPECT_TRUE(whenVerdictShown.restart);
    EXPECT_TRUE(whenVerdictShown.exit);
    EXPECT_TRUE(button("press")->isHidden());

    // Restart, made after Exit, lies over it on the one row of pixels that
    // the two share, as the game's own hit test has it.
    clickAt(330, 288);
    EXPECT_EQ(platform.endRequests, 0);

    for (const LabelBox& box : labelBoxes()) {
        EXPECT_EQ(caption(box.name, box.index), box.caption);
    }
    EXPECT_TRUE(button("restart")->isHidden());
    EXPECT_TRUE(button("exitgame")->isHidden());
    roll({1, 2, 3, 4, 5});
    roll({1, 2, 3, 4, 5});
    EXPECT_TRUE(button("press")->isEnabled());
    roll({1, 2, 3, 4, 5});
    EXPECT_FALSE(button("press")->isEnabled());
}

} // namespace
} // namespace zandiro::testing
