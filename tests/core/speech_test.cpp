#include "game/speech.h"
#include "gamefixture.h"

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

} // namespace
} // namespace zandiro::testing
