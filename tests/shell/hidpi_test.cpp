// The window at the scale factor that QT_SCALE_FACTOR gives this run, on
// the offscreen platform: bodies and markers in device pixels.
#include "shell/controlwidgets.h"
#include "shellfixture.h"
#include "windowpicture.h"

#include <cmath>

namespace zandiro::testing {
namespace {

double scale() {
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

int device(int logical) {
    return static_cast<int>(std::lround(logical * scale()));
}

// Whether a pixel of a box's top-left corner, counted from the corner, lies
// in the box: its centre inside the corner circle of radius r.
bool insideCorner(int x, int y, int r) {
    const double dx = r - x - 0.5;
    const double dy = r - y - 0.5;
    return x >= r || y >= r || dx * dx + dy * dy <= double(r) * r;
}

using HiDpi = ShellTest;

TEST_F(HiDpi, BodyCornersFollowTheRuleAtDeviceResolution) {
    const QImage image = picture();
    ASSERT_EQ(image.width(), device(396));
    const QPoint body(device(bodyAt(1).x()), device(bodyAt(1).y()));
    const int size = device(60);
    const int r = device(8);
    for (int y = 0; y < r + 2; ++y) {
        for (int x = 0; x < r + 2; ++x) {
            // Mirrored: all four corners follow the one rule.
            for (const QPoint at : {QPoint(x, y), QPoint(size - 1 - x, y), QPoint(x, size - 1 - y),
                                    QPoint(size - 1 - x, size - 1 - y)}) {
                const bool yellowShows = image.pixel(body + at) == yellow;
                ASSERT_EQ(yellowShows, !insideCorner(x, y, r))
                    << "corner pixel " << at.x() << "," << at.y();
            }
        }
    }
    // The outline is one device pixel wide.
    const int middle = size / 2;
    EXPECT_TRUE(pixelIs(image, body + QPoint(0, middle), black));
    EXPECT_TRUE(pixelIs(image, body + QPoint(1, middle), white));
    EXPECT_TRUE(pixelIs(image, body + QPoint(middle, size - 1), black));
    EXPECT_TRUE(pixelIs(image, body + QPoint(middle, size - 2), white));
}

// A two shows no pip in the middle row, so the whole marker shows.
TEST_F(HiDpi, MarkerLettersComeFromTheLargePictureAtTwice) {
    if (scale() != 2.0) {
        GTEST_SKIP() << "the large picture is drawn unscaled at twice the size only";
    }
    roll({2, 2, 2, 2, 2});
    clickAt(bodyAt(1) + QPoint(1, 1));
    ASSERT_TRUE(held(1));
    const QImage image = picture();
    const QImage large = holdPicture(2).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage doubled =
        holdPicture(1).toImage().convertToFormat(QImage::Format_RGB32).scaled(108, 24);
    ASSERT_EQ(large.size(), QSize(108, 24));
    ASSERT_NE(large, doubled) << "the large picture is drawn anew, not blown up";
    const QImage marker =
        image.copy(QRect(device(markerRect(1).x()), device(markerRect(1).y()), 108, 24));
    EXPECT_EQ(marker, large);
}

} // namespace
} // namespace zandiro::testing
