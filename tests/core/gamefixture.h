#pragma once

#include "fakeplatform.h"
#include "game/board.h"
#include "game/program.h"
#include "game/scorecard.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

namespace zandiro::testing {

// A started game driven the way a player drives it, through the game's one
// entry: clicks on controls and presses at window positions.
class GameTest : public ::testing::Test {
  protected:
    void SetUp() override { program.start(); }

    Control& ctl(std::string_view name, int index = -1) { return z.form.get(name, index); }

    // A player's click on a control: an activation of the place it stands for,
    // else a press and release at its middle.
    void clickOn(std::string_view name, int index = -1) {
        const Control& c = ctl(name, index);
        if (const FocusPlace place = placeOf(c); isPlace(place)) {
            program.handle(activateAt(place));
        } else {
            clickAt(c.left + c.width / 2.0, c.top + c.height / 2.0);
        }
    }

    void clickAt(double x, double y) {
        program.handle(pressAt(x, y));
        program.handle(releaseAt(x, y));
    }

    // Draws that roll these faces, in die order, for the dice not held.
    void roll(const std::vector<int>& faces) {
        for (int face : faces) {
            platform.rollFaces({face});
        }
        clickOn("press");
    }

    // Press and release at the centre of die d's cell, where its marker lies.
    void pressDie(int d) {
        const Box cell = cellOf(slotOf(d).row, slotOf(d).column);
        clickAt(cell.left + cell.width / 2.0, cell.top + cell.height / 2.0);
    }

    // A double-click as the toolkit reports it: press, release, double-click, release.
    void doubleClickAt(double x, double y) {
        clickAt(x, y);
        program.handle(zandiro::doubleClickAt(x, y));
        program.handle(releaseAt(x, y));
    }

    bool held(int d) { return z.Hold(d).visible; }

    // Holds all five dice showing these faces and rolls them: the roll keeps
    // every value, including 0 for a die without one.
    void rollHeld(const std::array<int, 5>& faces) {
        for (int d = 1; d <= 5; ++d) {
            z.dice[d] = faces[d - 1];
            if (!held(d)) {
                pressDie(d);
            }
        }
        clickOn("press");
    }

    bool anyCategoryEnabled() {
        for (const Category& c : scorecard) {
            if (ctl(c.label.name, c.label.index).enabled) {
                return true;
            }
        }
        return false;
    }

    bool allCategoriesEnabled() {
        for (const Category& c : scorecard) {
            if (!ctl(c.label.name, c.label.index).enabled) {
                return false;
            }
        }
        return true;
    }

    // The state that every end of turn leaves.
    void expectTurnEnded() {
        EXPECT_EQ(z.rolls, 0);
        EXPECT_TRUE(ctl("press").enabled);
        EXPECT_FALSE(anyCategoryEnabled());
        for (int d = 1; d <= 5; ++d) {
            EXPECT_FALSE(held(d)) << "die " << d;
        }
    }

    FakePlatform platform;
    Program program{platform};
    Zandiro& z = program.zandiro;
};

} // namespace zandiro::testing
