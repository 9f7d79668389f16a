#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The icon is drawn on a 64 x 64 grid: a die body from 3 to 59 with a 4 unit
// outline, and pips of radius 6.5 at 17, 31 and 45.
QColor colourAt(const QImage& image, double x, double y) {
    const double scale = image.width() / 64.0;
    return image.pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale));
}

QImage iconPicture(int size) {
    const QIcon icon(QStringLiteral(":/icons/" ZANDIRO_APP_ID ".svg"));
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool isPipRed(const QColor& c) {
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}

bool isBodyWhite(const QColor& c) {
    return c.red() > 220 && c.green() > 220 && c.blue() > 220 && c.alpha() == 255;
}

bool isOutlineDark(const QColor& c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100 && c.alpha() > 150;
}

class AppIcon : public ::testing::TestWithParam<int> {};

// Loading the icon needs both the compiled-in resource and Qt's SVG plugin;
// without either the window would show no icon at all.
TEST_P(AppIcon, DrawsAWhiteDieWithRedPipsAndADarkOutline) {
    const int size = GetParam();
    const QImage image = iconPicture(size);
    ASSERT_EQ(image.size(), QSize(size, size));

    for (const double x : {17.0, 45.0}) {
        EXPECT_TRUE(isPipRed(colourAt(image, x, 17))) << "top pip at " << x;
        EXPECT_TRUE(isPipRed(colourAt(image, x, 45))) << "bottom pip at " << x;
    }
    EXPECT_TRUE(isPipRed(colourAt(image, 31, 31))) << "centre pip";
    EXPECT_TRUE(isBodyWhite(colourAt(image, 31, 17))) << "between the top pips";
    EXPECT_TRUE(isBodyWhite(colourAt(image, 17, 31))) << "between the left pips";
    EXPECT_TRUE(isOutlineDark(colourAt(image, 3, 31))) << "left edge";
    EXPECT_TRUE(isOutlineDark(colourAt(image, 31, 3))) << "top edge";
    EXPECT_EQ(colourAt(image, 0, 0).alpha(), 0) << "rounded corner";
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppIcon, ::testing::Values(16, 32, 256));

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
