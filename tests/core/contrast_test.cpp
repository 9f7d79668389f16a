#include "form/contrast.h"

#include <gtest/gtest.h>

namespace zandiro {
namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};

// Figures as WCAG 2's formula gives them, to two decimals.
TEST(Contrast, RatiosFollowTheWcagFormula) {
    const struct {
        Rgb a, b;
        double ratio;
    } cases[] = {
        {black, white, 21.0},           {white, black, 21.0},
        {{255, 0, 0}, white, 4.00},     {{0, 0, 255}, white, 8.59},
        {{0, 255, 0}, black, 15.30},    {{192, 0, 0}, black, 3.24},
        {{119, 119, 119}, white, 4.48}, {{128, 255, 255}, {128, 255, 255}, 1.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.005)
            << int(c.a.r) << "," << int(c.a.g) << "," << int(c.a.b);
    }
}

TEST(Contrast, LargeTextNeedsLess) {
    EXPECT_EQ(readableContrast(12, true), 4.5);
    EXPECT_EQ(readableContrast(14.25, false), 4.5);
    EXPECT_EQ(readableContrast(14.25, true), 3.0);
    EXPECT_EQ(readableContrast(18, false), 3.0);
}

// A readable colour stays; an unreadable one gives way to black or white,
// whichever stands out more, even when neither reaches the mark.
TEST(Contrast, TextKeepsItsColourWhileReadable) {
    const Rgb lightGrey{220, 220, 220};
    const Rgb darkRed{192, 0, 0};
    EXPECT_EQ(readableText(white, {255, 0, 0}, 4.5), black);
    EXPECT_EQ(readableText(lightGrey, darkRed, 4.5), lightGrey);
    EXPECT_EQ(readableText(black, darkRed, 4.5), white);
    EXPECT_EQ(readableText(black, darkRed, 3.0), black);
    EXPECT_EQ(readableText(lightGrey, {128, 255, 128}, 4.5), black);
    // Black and white stand out about equally on mid grey: 117 and 118 fall
    // on either side.
    EXPECT_EQ(readableText(black, {117, 117, 117}, 21), white);
    EXPECT_EQ(readableText(white, {118, 118, 118}, 21), black);
}

} // namespace
} // namespace zandiro
