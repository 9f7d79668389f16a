#include "form/contrast.h"
#include "labelboxes.h"
#include "shell/cheatwindow.h"
#include "shellfixture.h"
#include "windowpicture.h"

#include <QPalette>

namespace zandiro::testing {
namespace {

Rgb rgbOf(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

// A dark desktop palette, as Breeze Dark or qt6ct's darker scheme give one.
QPalette darkPalette() {
    QPalette dark(QColor(49, 54, 59));
    dark.setColor(QPalette::WindowText, QColor(252, 252, 252));
    dark.setColor(QPalette::Text, QColor(252, 252, 252));
    dark.setColor(QPalette::Base, QColor(35, 38, 41));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(110, 113, 115));
    return dark;
}

// Every caption in both windows after a roll, the code window loaded: each
// label with text, its text colour and what it is drawn on.
class CaptionContrast : public ShellTest {
  protected:
    void TearDown() override { QApplication::setPalette(QPalette()); }

    void rollAndLoadTheCodeWindow() {
        roll({1, 2, 3, 4, 5});
        doubleClickAt({250, 300});
        ASSERT_NE(shell.cheatWindow(), nullptr);
    }

    std::vector<QLabel*> captions() {
        std::vector<QLabel*> found;
        for (QWidget* top :
             {static_cast<QWidget*>(&window()), static_cast<QWidget*>(shell.cheatWindow())}) {
            for (QLabel* label : top->findChildren<QLabel*>()) {
                if (!label->text().trimmed().isEmpty() && label->isEnabled()) {
                    found.push_back(label);
                }
            }
        }
        return found;
    }

    static QColor textOf(const QLabel* label) {
        return label->palette().color(QPalette::Active, QPalette::WindowText);
    }
    static QColor backgroundOf(const QLabel* label) {
        const QWidget* painted = label->autoFillBackground() ? label : label->parentWidget();
        return painted->palette().color(QPalette::Window);
    }
    // The caption is drawn in its colour: glyph pixels of exactly that colour.
    static int pixelsOfText(QLabel* label) {
        const QImage image = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return countOf(image, image.rect(), textOf(label).rgb());
    }
};

TEST_F(CaptionContrast, DefaultPaletteKeepsItsTextColour) {
    rollAndLoadTheCodeWindow();
    const QColor paletteText = QApplication::palette().color(QPalette::WindowText);
    const std::vector<QLabel*> labels = captions();
    ASSERT_EQ(labels.size(), 19u) << "16 scorecard labels, 2 headings, the code window's";
    for (const QLabel* label : labels) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_EQ(textOf(label), paletteText) << "black everywhere, numbers set black by the game";
    }
}

TEST_F(CaptionContrast, DarkPaletteCaptionsAreReadable) {
    QApplication::setPalette(darkPalette());
    settle();
    // Before the first roll the categories are disabled: greyed as the
    // toolkit draws them. The dice follow the palette.
    const QImage start = picture();
    EXPECT_GT(countOf(start, boxOf("fullh").rect, qRgb(110, 113, 115)), 20);
    EXPECT_TRUE(pixelIs(start, bodyAt(1) + QPoint(30, 4), qRgb(35, 38, 41)));

    rollAndLoadTheCodeWindow();
    int keptPaletteText = 0;
    for (QLabel* label : captions()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(contrastRatio(rgbOf(textOf(label)), rgbOf(backgroundOf(label))), 4.5);
        EXPECT_GT(pixelsOfText(label), 20);
        keptPaletteText += textOf(label) == QColor(252, 252, 252) ? 1 : 0;
    }
    EXPECT_EQ(keptPaletteText, 1) << "the palette's white stays on the dark red heading only";
    EXPECT_EQ(textOf(label("lwscores")), QColor(252, 252, 252));
}

} // namespace
} // namespace zandiro::testing
