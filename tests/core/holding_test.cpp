#include "gamefixture.h"

#include <array>
#include <string>
#include <vector>

namespace zandiro {
namespace {

using testing::GameTest;

std::array<bool, 6> holds(Zandiro& z) {
    std::array<bool, 6> h{};
    for (int d = 1; d <= 5; ++d) {
        h[d] = z.Hold(d).visible;
    }
    return h;
}

TEST_F(GameTest, BoardPressTogglesOnlyInsideADieCell) {
    const struct {
        float x, y;
        int die;
    } cases[] = {
        {264.5f, 8.5f, 1}, {323.5f, 67.5f, 1}, {329, 9, 2},   {387, 67, 2},  {300, 100, 3},
        {350, 100, 4},     {300, 160, 5},      {294, 38, 1},  {264, 38, 0},  {324, 38, 0},
        {326, 38, 0},      {328, 38, 0},       {388, 38, 0},  {294, 8, 0},   {294, 68, 0},
        {294, 70, 0},      {294, 72, 0},       {294, 132, 0}, {294, 134, 0}, {294, 136, 0},
        {294, 196, 0},     {350, 160, 0},      {100, 100, 0}, {300, 250, 0},
    };
    const std::int16_t buttons[] = {1, 2, 4};
    int n = 0;
    for (const auto& c : cases) {
        std::array<bool, 6> expected = holds(z);
        expected[c.die] = c.die != 0;
        const std::int16_t button = buttons[n % 3];
        z.Form_MouseDown(button, static_cast<std::int16_t>(n % 8), c.x, c.y);
        EXPECT_EQ(holds(z), expected) << "at " << c.x << ", " << c.y << " button " << button;
        // A second press releases it again.
        z.Form_MouseDown(button, 0, c.x, c.y);
        EXPECT_EQ(holds(z), (std::array<bool, 6>{})) << "at " << c.x << ", " << c.y;
        ++n;
    }
}

TEST_F(GameTest, VisibleMarkerTakesThePressItself) {
    z.mouseDown(270, 15); // die 1, beside the marker
    EXPECT_TRUE(held(1));
    z.mouseUp(MouseButton::Left, 270, 15);
    EXPECT_TRUE(held(1));
    z.mouseDown(294, 38); // on the marker
    EXPECT_TRUE(held(1));
    z.mouseUp(MouseButton::Left, 294, 38);
    EXPECT_FALSE(held(1));
    // Any button, as on the rest of the die.
    pressDie(4);
    z.mouseDown(358, 102);
    z.mouseUp(MouseButton::Right, 358, 102);
    EXPECT_FALSE(held(4));
}

TEST_F(GameTest, LabelsAndButtonsTakeTheirOwnPresses) {
    // A label over die 3, disabled as category labels are before a roll.
    Control& label = ctl("thrkind");
    label.left = 264;
    label.top = 72;
    ctl("press").enabled = false;
    for (const double y : {80.0, 240.0}) { // the label, then the disabled Roll button
        z.mouseDown(290, y);
        z.mouseUp(MouseButton::Left, 290, y);
        z.dblClick(290, y);
        z.mouseUp(MouseButton::Left, 290, y);
    }
    EXPECT_EQ(holds(z), (std::array<bool, 6>{}));
    EXPECT_TRUE(z.window.visible);
    EXPECT_EQ(z.filled, 0);
    EXPECT_EQ(z.rolls, 0);
    // The unseen label in the sixth slot shows its code instead.
    z.mouseDown(350, 160);
    z.mouseUp(MouseButton::Left, 350, 160);
    EXPECT_EQ(
        platform.messages,
        std::vector<std::string>{"Code is: Page Up, Backspace, m, -, F2, a number from 1 to 5."});
}

TEST_F(GameTest, OnlyALeftPressAndReleaseOnOneControlClicksIt) {
    roll({1, 2, 3, 4, 6});
    const auto centre = [&](const char* name) {
        const Control& c = ctl(name);
        return std::pair{c.left + c.width / 2.0, c.top + c.height / 2.0};
    };
    const auto [cx, cy] = centre("chance");
    const auto [tx, ty] = centre("thrkind");
    const auto [rx, ry] = centre("press");
    z.mouseDown(cx, cy); // moved off to another category
    z.mouseUp(MouseButton::Left, tx, ty);
    z.mouseDown(rx, ry); // moved off to the window
    z.mouseUp(MouseButton::Left, 20, 300);
    for (const MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
        z.mouseDown(cx, cy);
        z.mouseUp(button, cx, cy);
        z.mouseDown(rx, ry);
        z.mouseUp(button, rx, ry);
    }
    EXPECT_EQ(z.filled, 0);
    EXPECT_EQ(z.rolls, 1);
    z.mouseDown(cx, cy);
    z.mouseUp(MouseButton::Left, cx, cy);
    EXPECT_EQ(ctl("chance").caption, "Chance:  16");
}

TEST_F(GameTest, HiddenControlsTakeNoClick) {
    const int generation = z.window.generation;
    z.click(z.form.find("Hold", 2));
    clickOn("restart");
    clickOn("exitgame");
    EXPECT_FALSE(held(2));
    EXPECT_EQ(z.window.generation, generation);
    EXPECT_EQ(platform.endRequests, 0);
    // Where the hidden Restart button lies, a press reaches the window.
    z.mouseDown(300, 270);
    z.mouseUp(MouseButton::Left, 300, 270);
    EXPECT_EQ(z.window.generation, generation);
    ctl("press").visible = false;
    clickOn("press");
    EXPECT_EQ(z.rolls, 0);
}

TEST_F(GameTest, DoubleClickOnADieTogglesItOnce) {
    doubleClickAt(294, 102);
    EXPECT_TRUE(held(3));
    EXPECT_TRUE(program.cheat.window.visible);
    EXPECT_FALSE(z.window.visible);
}

TEST_F(GameTest, DoubleClickOnAMarkerTogglesItOnceAndOpensNothing) {
    pressDie(3);
    doubleClickAt(294, 102);
    EXPECT_FALSE(held(3));
    EXPECT_FALSE(program.cheat.window.visible);
    EXPECT_TRUE(z.window.visible);
}

} // namespace
} // namespace zandiro
