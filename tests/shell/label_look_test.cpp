#include "labelboxes.h"
#include "shellfixture.h"
#include "windowpicture.h"

namespace zandiro::testing {
namespace {

// Label text shows as pixels of exactly the text colour where the glyphs
// cover them fully; the border and background have other colours.
class LabelLook : public ShellTest {
  protected:
    int textPixels(const QImage& image, const LabelBox& box, QRgb colour) {
        return countOf(image, box.rect.adjusted(1, 1, -1, -1), colour);
    }
    QRgb greyed() {
        return QApplication::palette(label("thrkind"))
            .color(QPalette::Disabled, QPalette::WindowText)
            .rgb();
    }
    void scoreIn(const char* name, int index = -1) { clickAt(boxOf(name, index).rect.center()); }
};

TEST_F(LabelLook, CategoriesAreGreyedUntilARollEnablesThem) {
    ASSERT_NE(greyed(), black);
    const QImage before = picture();
    roll({1, 2, 3, 4, 6});
    const QImage after = picture();
    for (int k = 0; k < categoryCount; ++k) {
        const LabelBox& box = labelBoxes()[k];
        SCOPED_TRACE(std::string(box.name) + " " + std::to_string(box.index));
        EXPECT_GT(textPixels(before, box, greyed()), 20);
        EXPECT_EQ(textPixels(before, box, black), 0);
        EXPECT_GT(textPixels(after, box, black), 20);
        EXPECT_EQ(textPixels(after, box, greyed()), 0);
    }
}

TEST_F(LabelLook, UsedCategoryShowsBlueTextWhenEnabled) {
    roll({1, 1, 1, 2, 3});
    scoreIn("numbers", 1);
    const QImage afterTurn = picture();
    EXPECT_EQ(textPixels(afterTurn, boxOf("numbers", 1), blue), 0) << "greyed like the others";
    EXPECT_GT(textPixels(afterTurn, boxOf("numbers", 1), greyed()), 20);
    roll({6, 6, 6, 5, 4});
    scoreIn("chance");
    roll({2, 2, 3, 3, 3});

    const QImage image = picture();
    EXPECT_EQ(label("numbers", 1)->text(), QStringLiteral("Aces: 3"));
    EXPECT_EQ(label("chance")->text(), QStringLiteral("Chance:  27"));
    for (const LabelBox& used : {boxOf("numbers", 1), boxOf("chance")}) {
        SCOPED_TRACE(used.name);
        EXPECT_GT(textPixels(image, used, blue), 20);
        EXPECT_EQ(textPixels(image, used, black), 0);
        EXPECT_TRUE(pixelIs(image, used.rect.topLeft() + QPoint(2, 2), used.background));
    }
    for (const LabelBox& open : {boxOf("numbers", 2), boxOf("fullh")}) {
        SCOPED_TRACE(open.name);
        EXPECT_GT(textPixels(image, open, black), 20);
        EXPECT_EQ(textPixels(image, open, blue), 0);
    }
}

} // namespace
} // namespace zandiro::testing
