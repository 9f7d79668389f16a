#include "gamefixture.h"
#include "input/virtualkeys.h"

#include <cstdint>

namespace zandiro::testing {
namespace {

const FocusPlace rollButton{FocusKind::Button, 1};
FocusPlace die(int d) {
    return {FocusKind::Die, d};
}

class InputTest : public GameTest {
  protected:
    bool key(std::int16_t vk, KeyModifiers modifiers = {}, bool repeat = false) {
        return program.handle(keyDown(GameWindow::Main, vk, modifiers, repeat));
    }
    void clickAt(const Control& c, MouseButton button = MouseButton::Left) {
        program.handle(pressAt(c.left + 1, c.top + 1, button));
        program.handle(releaseAt(c.left + 1, c.top + 1, button));
    }
    // A key as a page sends it: Tab at the edges leaves the game.
    bool leavingKey(KeyModifiers modifiers = {}) {
        Input tab = keyDown(GameWindow::Main, vk::tab, modifiers);
        tab.tabLeaves = true;
        return program.handle(tab);
    }
};

TEST_F(InputTest, PushButtonsTakeTheFocusAndTheSecondPressOfADoubleClick) {
    program.keyboard.focusOn(die(3));
    const Control& button = ctl("press");
    program.handle(pressAt(button.left + 1, button.top + 1));
    EXPECT_EQ(program.keyboard.focus(), rollButton) << "a press focuses the push button";
    platform.rollFaces({1, 2, 3, 4, 5, 1, 2, 3, 4, 5});
    program.handle(releaseAt(button.left + 1, button.top + 1));
    program.handle(zandiro::doubleClickAt(button.left + 1, button.top + 1));
    program.handle(releaseAt(button.left + 1, button.top + 1));
    EXPECT_EQ(z.rolls, 2) << "the second press of a double-click is a press of the button";
    EXPECT_FALSE(program.cheat.window.visible);

    clickAt(ctl("chance"), MouseButton::Right);
    EXPECT_EQ(z.filled, 0) << "the right button clicks no category";
}

TEST_F(InputTest, KeysThatActOnceWhileHeldAndTabAtTheEdges) {
    platform.rollFaces({1, 2, 3, 4, 5});
    key(vk::letterR);
    key(vk::letterR, {}, true);
    key(vk::digit0 + 2, {}, true);
    EXPECT_EQ(z.rolls, 1) << "a held R rolls once";
    EXPECT_FALSE(held(2)) << "a held digit holds nothing";
    program.keyboard.focusOn(die(1));
    key(vk::right, {}, true);
    EXPECT_EQ(program.keyboard.focus(), die(2)) << "a held arrow moves on";

    const std::vector<FocusPlace> order = focusOrder(z);
    program.keyboard.focusOn(order.back());
    EXPECT_FALSE(leavingKey());
    EXPECT_EQ(program.keyboard.focus(), order.back()) << "Tab from the last place leaves";
    EXPECT_TRUE(key(vk::tab));
    EXPECT_EQ(program.keyboard.focus(), order.front()) << "without leaving, Tab goes round";
    EXPECT_FALSE(leavingKey({true}));
    EXPECT_TRUE(leavingKey());
    EXPECT_EQ(program.keyboard.focus(), order[1]) << "Tab within the game moves on";
}

} // namespace
} // namespace zandiro::testing
