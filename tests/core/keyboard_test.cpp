#include "gamefixture.h"
#include "input/keyboard.h"

namespace zandiro::testing {
namespace {

class KeyboardTest : public GameTest {
  protected:
    Keyboard& keys = program.keyboard;
    static FocusPlace button(int n) { return {FocusKind::Button, n}; }
    static FocusPlace die(int n) { return {FocusKind::Die, n}; }
    static FocusPlace category(int n) { return {FocusKind::Category, n}; }
    std::vector<FocusPlace> diceAfter(std::vector<FocusPlace> head) {
        for (int d = 1; d <= 5; ++d) {
            head.push_back(die(d));
        }
        return head;
    }
};

TEST_F(KeyboardTest, TabGoesRoundWhatIsShownAndEnabled) {
    EXPECT_EQ(keys.focus(), button(1)) << "Roll holds the focus at start";
    EXPECT_EQ(focusOrder(z), diceAfter({button(1)})) << "between turns: Roll and the dice";

    roll({1, 2, 3, 4, 5});
    std::vector<FocusPlace> afterRoll = diceAfter({button(1)});
    for (int c = 1; c <= 13; ++c) {
        afterRoll.push_back(category(c));
    }
    EXPECT_EQ(focusOrder(z), afterRoll);
    keys.press(GameKey::BackTab);
    EXPECT_EQ(keys.focus(), category(13)) << "Shift+Tab wraps back to Chance";
    keys.press(GameKey::Tab);
    EXPECT_EQ(keys.focus(), button(1)) << "Tab wraps forward to Roll";

    roll({6, 6, 6, 6, 6});
    roll({6, 6, 6, 6, 6});
    keys.settle();
    EXPECT_EQ(keys.focus(), die(1)) << "a disabled Roll passes the focus on";
    EXPECT_EQ(focusOrder(z).front(), die(1));
}

TEST_F(KeyboardTest, ArrowsMoveWithinTheirGroupAndStopAtTheEdges) {
    roll({1, 2, 3, 4, 5});
    EXPECT_EQ(arrowMove(z, die(1), Arrow::Right), die(2));
    EXPECT_EQ(arrowMove(z, die(2), Arrow::Right), die(2));
    EXPECT_EQ(arrowMove(z, die(2), Arrow::Down), die(4));
    EXPECT_EQ(arrowMove(z, die(4), Arrow::Down), die(4)) << "the empty sixth slot";
    EXPECT_EQ(arrowMove(z, die(5), Arrow::Right), die(5)) << "the empty sixth slot";
    EXPECT_EQ(arrowMove(z, die(3), Arrow::Down), die(5));
    EXPECT_EQ(arrowMove(z, die(1), Arrow::Up), die(1));
    EXPECT_EQ(arrowMove(z, category(1), Arrow::Up), category(1));
    EXPECT_EQ(arrowMove(z, category(6), Arrow::Down), category(6));
    EXPECT_EQ(arrowMove(z, category(6), Arrow::Up), category(5));
    EXPECT_EQ(arrowMove(z, category(2), Arrow::Right), category(8));
    EXPECT_EQ(arrowMove(z, category(13), Arrow::Left), category(6)) << "nearest row";
    EXPECT_EQ(arrowMove(z, category(13), Arrow::Right), category(13));
    EXPECT_EQ(arrowMove(z, button(1), Arrow::Down), button(1));
    ctl("fullh").enabled = false;
    EXPECT_EQ(arrowMove(z, category(3), Arrow::Right), category(8)) << "of two as near, the upper";
}

TEST_F(KeyboardTest, KeysReachTheHandlersAClickReaches) {
    keys.press(GameKey::Die, 3);
    EXPECT_TRUE(held(3)) << "a die is held before the first roll, as by a click";
    keys.press(GameKey::Die, 3);
    EXPECT_FALSE(held(3));
    keys.press(GameKey::Tab);
    keys.press(GameKey::Activate);
    EXPECT_TRUE(held(1)) << "Enter on die 1";

    platform.rollFaces({2, 2, 2, 2});
    keys.press(GameKey::Roll);
    EXPECT_EQ(z.rolls, 1);
    keys.press(GameKey::BackTab);
    keys.press(GameKey::BackTab);
    keys.press(GameKey::Activate);
    EXPECT_EQ(ctl("fvkind").caption, "Zandiro: 0") << "die 1 kept no value, so no five of a kind";
    EXPECT_EQ(z.filled, 1);
    EXPECT_EQ(keys.focus(), button(1)) << "a scored category gives the focus to Roll";

    platform.rollFaces({1, 2, 3, 4, 5});
    keys.press(GameKey::Activate);
    EXPECT_EQ(z.rolls, 1) << "Enter on Roll";
    roll({6, 6, 6, 6, 6});
    roll({6, 6, 6, 6, 6});
    keys.press(GameKey::Roll);
    EXPECT_EQ(z.rolls, 3) << "R does nothing while Roll is disabled";

    z.window.visible = false;
    keys.press(GameKey::Quit);
    EXPECT_EQ(platform.endRequests, 0) << "a hidden window takes no keys";
    z.window.visible = true;
    keys.press(GameKey::Quit);
    EXPECT_EQ(platform.endRequests, 1);
}

TEST_F(KeyboardTest, AtTheEndOfTheGameRestartHoldsTheFocusThenRoll) {
    for (int turn = 0; turn < 13; ++turn) {
        roll({1, 2, 3, 4, 6});
        keys.focusOn(category(turn + 1));
        keys.press(GameKey::Activate);
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(keys.focus(), button(2));
    EXPECT_EQ(focusOrder(z), diceAfter({button(2), button(3)}));
    keys.press(GameKey::Activate);
    EXPECT_EQ(keys.focus(), button(1));
    EXPECT_EQ(z.filled, 0);
}

} // namespace
} // namespace zandiro::testing
