#include "fakeplatform.h"
#include "game/program.h"

#include <gtest/gtest.h>

namespace zandiro {
namespace {

TEST(Startup, FreshGameHasThreeRollsAndNoScores) {
    testing::FakePlatform platform;
    Program program(platform);
    program.start();
    const Zandiro& z = program.zandiro;
    EXPECT_EQ(program.module1.rollsperturn, 3);
    EXPECT_EQ(z.filled, 0);
    EXPECT_EQ(z.control("totu").caption, "Total:  0");
    EXPECT_EQ(z.form.memberCount("pip"), 36);
}

} // namespace
} // namespace zandiro
