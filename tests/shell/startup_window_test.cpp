#include "shellfixture.h"

namespace zandiro::testing {
namespace {

using StartupWindow = ShellTest;

TEST_F(StartupWindow, IsTheFixedYellowWindowWithBlankDice) {
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Zandiro!"));
    EXPECT_EQ(window().size(), QSize(396, 355));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    const QImage image = picture();
    ASSERT_EQ(image.size(), QSize(396, 355));
    EXPECT_EQ(image.pixel(390, 350), rgb(255, 255, 0));
    EXPECT_EQ(image.pixel(356, 166), rgb(255, 255, 0)) << "the sixth die slot is empty";
    EXPECT_EQ(image.pixel(294, 38), rgb(255, 255, 255)) << "die 1 is blank";
    EXPECT_EQ(image.pixel(264, 38), rgb(0, 0, 0)) << "die 1 has its outline";
}

} // namespace
} // namespace zandiro::testing
