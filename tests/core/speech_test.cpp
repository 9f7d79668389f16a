#include "gamefixture.h"
#include "input/speech.h"
#include "input/virtualkeys.h"

#include <algorithm>
#include <tuple>

namespace zandiro::testing {
namespace {

using Speech = GameTest;

TEST_F(Speech, DiceAreNamedByTheFaceTheyShow) {
    EXPECT_EQ(dieName(z, 1), "Die 1: blank");
    EXPECT_EQ(rollDescription(z, program.module1), "");
    roll({4, 4, 2, 6, 1});
    EXPECT_EQ(dieName(z, 1), "Die 1: 4");
    EXPECT_EQ(dieName(z, 4), "Die 4: 6");
    EXPECT_EQ(rollDescription(z, program.module1), "Rolled 4, 4, 2, 6, 1, 2 rolls left");
    pressDie(4);
    EXPECT_TRUE(dieChecked(z, 4));
    roll({3, 3, 3, 3});
    EXPECT_EQ(rollDescription(z, program.module1), "Rolled 3, 3, 3, 6, 3, 1 roll left");
    roll({5, 5, 5, 5});
    EXPECT_EQ(rollDescription(z, program.module1), "Rolled 5, 5, 5, 6, 5, no rolls left");

    clickOn("numbers", 6);
    EXPECT_EQ(z.dice[4], 0) << "scoring clears the values";
    EXPECT_EQ(dieName(z, 4), "Die 4: 6") << "but the die still shows its face";
    EXPECT_FALSE(dieChecked(z, 4));
    EXPECT_EQ(rollDescription(z, program.module1), "") << "a new turn";
    pressDie(4);
    roll({2, 2, 2, 2});
    EXPECT_EQ(dieName(z, 4), "Die 4: blank") << "a held die without a value shows no pips";
    EXPECT_EQ(rollDescription(z, program.module1), "Rolled 2, 2, 2, blank, 2, 2 rolls left");

    program.module1.unlimitedrolls = 1;
    EXPECT_EQ(rollDescription(z, program.module1), "Rolled 2, 2, 2, blank, 2");
}

TEST_F(Speech, ACategoryIsUsedOnceItIsClosed) {
    roll({5, 5, 5, 5, 5});
    EXPECT_EQ(categoryDescription(z, 6), "");
    clickOn("fvkind");
    EXPECT_EQ(categoryDescription(z, 12), "") << "Zandiro stays open while it scores";
    roll({1, 2, 3, 4, 6});
    clickOn("fvkind");
    EXPECT_EQ(categoryDescription(z, 12), "used");
    roll({1, 2, 3, 4, 6});
    clickOn("numbers", 1);
    EXPECT_EQ(categoryDescription(z, 1), "used");
    EXPECT_EQ(categoryDescription(z, 2), "");
}

// What a screen reader is given after each key, as a game goes on.
TEST_F(Speech, KeysAnnounceTheRollTheHoldAndTheScore) {
    const auto heard = [&] { return announcementText(z, program.module1, program.announcement()); };
    const auto press = [&](std::int16_t key) { program.handle(keyDown(GameWindow::Main, key)); };
    const FocusPlace roll{FocusKind::Button, 1}, zandiro{FocusKind::Category, 12};
    const std::int16_t enter = vk::enter, r = vk::letterR, three = vk::digit0 + 3;
    const std::tuple<std::vector<int>, FocusPlace, std::int16_t, const char*> steps[] = {
        {{2, 2, 5, 6, 6}, roll, enter, "Rolled 2, 2, 5, 6, 6, 2 rolls left"},
        {{}, roll, three, "Die 3: 5, held"},
        {{}, {FocusKind::Die, 1}, three, "Die 3: 5, released"},
        {{5, 5, 5, 5, 5}, zandiro, r, "Rolled 5, 5, 5, 5, 5, 1 roll left"},
        {{}, zandiro, enter, "Zandiro: 50, total 50"},
        {{5, 5, 5, 5, 5}, roll, r, "Rolled 5, 5, 5, 5, 5, 2 rolls left"},
        {{}, zandiro, enter, "Zandiro: 150, total 150"},
        {{1, 2, 3, 4, 6}, roll, r, "Rolled 1, 2, 3, 4, 6, 2 rolls left"},
        {{}, {FocusKind::Category, 7}, enter, "3 of a Kind: 0, total 150"},
        {{}, {FocusKind::Die, 3}, three, "3 of a Kind: 0, total 150"}, // its own state
    };
    for (const auto& [faces, focus, key, text] : steps) {
        std::for_each(faces.begin(), faces.end(), [&](int face) { platform.rollFaces({face}); });
        program.keyboard.focusOn(focus);
        press(key);
        EXPECT_EQ(heard(), text);
    }
    std::string atVerdict;
    platform.onMessage = [&](const std::string&) { atVerdict = heard(); };
    for (int c : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}) {
        platform.rollFaces({1, 2, 3, 4, 6});
        press(r);
        program.keyboard.focusOn({FocusKind::Category, c});
        press(enter);
    }
    EXPECT_EQ(atVerdict, "Chance: 16, total 212") << "ready while the verdict is open";
}

} // namespace
} // namespace zandiro::testing
