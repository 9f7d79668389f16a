#include "labelboxes.h"
#include "shellfixture.h"
#include "windowpicture.h"

#include <QScreen>
#include <vector>

namespace zandiro::testing {
namespace {

using StartupWindow = ShellTest;

int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

void expectBlankDice(const QImage& image) {
    for (int die = 1; die <= 5; ++die) {
        SCOPED_TRACE("die " + std::to_string(die));
        const QRect body = bodyRect(die);
        const QRect inside = body.adjusted(1, 6, -1, -6);
        EXPECT_EQ(countOf(image, inside, white), inside.width() * inside.height());
        for (QPoint edge : edgeMiddles(body)) {
            EXPECT_TRUE(pixelIs(image, edge, black));
        }
        EXPECT_TRUE(pixelIs(image, body.topLeft(), yellow)) << "the corners are rounded";
        EXPECT_TRUE(mirrorSymmetric(image, body)) << "all four corners alike";
    }
    EXPECT_EQ(countOf(image, sixthSlot, yellow), 60 * 60) << "no sixth die";
    EXPECT_EQ(countOf(image, diceBoard, red), 0) << "no pip shows";
}

TEST_F(StartupWindow, IsTheFixedYellowWindowWithFiveBlankDice) {
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Zandiro!"));
    EXPECT_EQ(window().size(), QSize(396, 355));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    const QImage image = picture();
    ASSERT_EQ(image.size(), QSize(396, 355));
    for (QPoint empty : {QPoint(0, 354), QPoint(395, 0), QPoint(395, 354), QPoint(100, 40),
                         QPoint(256, 100), QPoint(30, 280), QPoint(250, 300), QPoint(36, 336)}) {
        EXPECT_TRUE(pixelIs(image, empty, yellow));
    }
    expectBlankDice(image);
}

TEST_F(StartupWindow, ScorecardLabelsShowTheirCaptionsColoursAndBorders) {
    const QImage image = picture();
    for (const LabelBox& box : labelBoxes()) {
        SCOPED_TRACE(std::string(box.name) + " " + std::to_string(box.index));
        EXPECT_EQ(label(box.name, box.index)->text(), QString::fromStdString(box.caption));
        EXPECT_EQ(label(box.name, box.index)->geometry(), box.rect);
        EXPECT_TRUE(pixelIs(image, box.rect.topLeft() + QPoint(2, 2), box.background));
        EXPECT_TRUE(pixelIs(image, box.rect.bottomRight() - QPoint(2, 2), box.background));
        for (QPoint edge : edgeMiddles(box.rect)) {
            EXPECT_TRUE(pixelIs(image, edge, black));
        }
        EXPECT_TRUE(pixelIs(image, box.rect.topLeft(), black));
        EXPECT_TRUE(pixelIs(image, box.rect.bottomRight(), black));
    }
}

TEST_F(StartupWindow, HeadingsAreSizedToTheirTextAtTheTop) {
    const QImage image = picture();
    for (const char* name : {"upscores", "lwscores"}) {
        SCOPED_TRACE(name);
        const LabelBox heading = boxOf(name);
        QLabel* widget = label(name);
        EXPECT_EQ(widget->text(), QString::fromStdString(heading.caption));
        EXPECT_EQ(widget->pos(), heading.rect.topLeft());
        const QSize text = widget->fontMetrics().size(0, widget->text());
        EXPECT_GE(widget->width(), text.width());
        EXPECT_GE(widget->height(), text.height());
        EXPECT_TRUE(pixelIs(image, heading.rect.topLeft() + QPoint(2, 2), heading.background));
        for (QPoint edge : edgeMiddles(widget->geometry())) {
            EXPECT_TRUE(pixelIs(image, edge, black));
        }
    }
}

TEST_F(StartupWindow, ShowsOnlyRollWhichHoldsTheFocus) {
    QPushButton* roll = button("press");
    EXPECT_TRUE(roll->isVisible());
    EXPECT_TRUE(roll->isEnabled());
    EXPECT_EQ(roll->text(), QStringLiteral("Roll"));
    EXPECT_EQ(roll->geometry(), QRect(280, 224, 97, 33));
    EXPECT_TRUE(button("restart")->isHidden());
    EXPECT_TRUE(button("exitgame")->isHidden());
    EXPECT_EQ(window().focusWidget(), roll);
    // The buttons follow their tab order, not the order they were made in.
    std::vector<QWidget*> buttons;
    for (QWidget* w = roll->nextInFocusChain(); w != roll; w = w->nextInFocusChain()) {
        if (qobject_cast<QPushButton*>(w) != nullptr) {
            buttons.push_back(w);
        }
    }
    EXPECT_EQ(buttons, (std::vector<QWidget*>{button("restart"), button("exitgame")}));
    for (const Category& category : scorecard) {
        EXPECT_FALSE(label(category.label.name, category.label.index)->isEnabled())
            << category.label.name << " waits for the first roll";
    }
}

// The button face is the toolkit's: nothing of the window's yellow shows
// inside it, frame included (its rounded corners aside).
TEST_F(StartupWindow, RollButtonKeepsTheToolkitColours) {
    const QImage image = picture();
    const QRect face = button("press")->geometry();
    for (int y = face.top() + 3; y <= face.bottom() - 3; ++y) {
        for (int x = face.left(); x <= face.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p))
                << "(" << x << "," << y << ") is " << describe(p);
        }
    }
}

TEST_F(StartupWindow, RestartRebuildsTheSameWindowCentredOnTheScreen) {
    const QImage start = picture();
    playWholeGame();
    clickAt(bodyRect(4).center());
    ASSERT_TRUE(button("restart")->isVisible());
    window().move(0, 0);

    clickButton("restart");

    EXPECT_EQ(differingPixels(picture(), start), 0);
    EXPECT_TRUE(button("restart")->isHidden());
    EXPECT_TRUE(button("exitgame")->isHidden());
    EXPECT_EQ(window().focusWidget(), button("press"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window().frameGeometry();
    EXPECT_LE(std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())), 1);
    EXPECT_LE(std::abs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())), 1);
}

} // namespace
} // namespace zandiro::testing
