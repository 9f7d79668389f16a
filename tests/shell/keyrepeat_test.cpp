#include "shell/keyrepeat.h"

#include <gtest/gtest.h>

namespace zandiro::testing {
namespace {

TEST(RepeatFilter, MarkedPressesAndSameTimeReleasePressPairsAreRepeats) {
    RepeatFilter filter;
    EXPECT_FALSE(filter.isRepeat(7, 100, false));
    filter.released(7, 150);
    EXPECT_TRUE(filter.isRepeat(7, 150, false));
    filter.released(7, 180);
    EXPECT_FALSE(filter.isRepeat(7, 200, false)) << "a new press after a pause";
    filter.released(7, 210);
    EXPECT_FALSE(filter.isRepeat(8, 210, false)) << "another key";
    EXPECT_TRUE(filter.isRepeat(8, 220, true));
    filter.released(8, 0);
    EXPECT_FALSE(filter.isRepeat(8, 0, false)) << "synthesized events have no time stamp";
}

} // namespace
} // namespace zandiro::testing
