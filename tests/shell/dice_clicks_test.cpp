#include "labelboxes.h"
#include "shell/cheatwindow.h"
#include "shell/controlwidgets.h"
#include "shellfixture.h"
#include "windowpicture.h"

#include <QMouseEvent>
#include <vector>

namespace zandiro::testing {
namespace {

class DiceClicks : public ShellTest {
  protected:
    std::vector<int> heldDice() {
        std::vector<int> dice;
        for (int die = 1; die <= 5; ++die) {
            if (held(die)) {
                dice.push_back(die);
            }
        }
        return dice;
    }
    QImage markerPicture(int die) { return picture().copy(markerRect(die)); }
};

std::string where(QPoint at) {
    return "click at (" + std::to_string(at.x()) + "," + std::to_string(at.y()) + ")";
}

TEST_F(DiceClicks, CellEdgesAndLanesToggleNothing) {
    const QPoint misses[] = {
        {264, 38}, {324, 38},  {328, 38},  {388, 38},  {264, 100}, {388, 100}, {294, 8},
        {294, 68}, {294, 72},  {294, 132}, {294, 136}, {294, 196}, {358, 8},   {358, 68},
        {358, 72}, {358, 132}, {325, 38},  {326, 100}, {327, 166}, {294, 69},  {358, 70},
        {294, 71}, {294, 133}, {294, 135}, {325, 70},  {262, 38},  {294, 4},   {294, 200},
    };
    for (QPoint at : misses) {
        clickAt(at);
        EXPECT_EQ(heldDice(), std::vector<int>{}) << where(at);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DiceClicks, ClickInsideACellTogglesItsDieAndShowsTheMarker) {
    const QImage hold = holdPicture().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(hold.size(), QSize(54, 12));
    for (int die = 1; die <= 5; ++die) {
        SCOPED_TRACE("die " + std::to_string(die));
        clickAt(bodyAt(die) + QPoint(1, 1));
        EXPECT_EQ(heldDice(), std::vector<int>{die});
        EXPECT_EQ(widget("Hold", die)->geometry(), markerRect(die));
        EXPECT_TRUE(markerPicture(die) == hold);
        clickAt(bodyAt(die) + QPoint(59, 59));
        EXPECT_EQ(heldDice(), std::vector<int>{});
        EXPECT_EQ(countOf(picture(), markerRect(die), black), 0);
    }
}

TEST_F(DiceClicks, ClickOnTheShownMarkerReleasesItsDie) {
    clickAt(bodyRect(3).center() + QPoint(0, -20));
    ASSERT_EQ(heldDice(), std::vector<int>{3});
    clickAt(markerRect(3).center());
    EXPECT_EQ(heldDice(), std::vector<int>{});
}

TEST_F(DiceClicks, RightClickTogglesLikeALeftClick) {
    clickAt(bodyRect(4).center() + QPoint(0, 20), Qt::RightButton);
    EXPECT_EQ(heldDice(), std::vector<int>{4});
    clickAt(markerRect(4).center(), Qt::RightButton);
    EXPECT_EQ(heldDice(), std::vector<int>{});
}

TEST_F(DiceClicks, ClickOnAPipOverTheMarkerReleasesItsDie) {
    roll({1, 6, 1, 1, 1});
    clickAt(bodyAt(1) + QPoint(1, 1));
    clickAt(bodyAt(2) + QPoint(1, 1));
    ASSERT_EQ(heldDice(), (std::vector<int>{1, 2}));
    clickAt(pipCentre(1, 4));
    clickAt(pipCentre(2, 5));
    EXPECT_EQ(heldDice(), std::vector<int>{});
}

TEST_F(DiceClicks, ClicksOnLabelsNeverToggleADie) {
    clickAt(bodyRect(1).center());
    clickAt(bodyRect(5).center());
    std::vector<QPoint> labels = {{20, 10}, {150, 10}, {36, 336}, {356, 164}, {330, 190}};
    for (const LabelBox& box : labelBoxes()) {
        labels.push_back(box.rect.center());
    }
    for (QPoint at : labels) {
        clickAt(at);
        EXPECT_EQ(heldDice(), (std::vector<int>{1, 5})) << where(at);
    }
    EXPECT_EQ(platform.messages.size(), 3U) << "the unseen labels took their clicks";
}

// Records the mouse events the main window receives.
class MouseLog : public QObject {
  public:
    std::vector<QEvent::Type> events;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (dynamic_cast<QMouseEvent*>(event) != nullptr && event->type() != QEvent::MouseMove) {
            events.push_back(event->type());
        }
        return false;
    }
};

// Qt reports a double-click as press, release, double-click, release; only
// the first press toggles the die. The double-click opens the code window in
// place of the main window, so the last release no longer reaches it.
TEST_F(DiceClicks, DoubleClickOnADieTogglesItsHoldOnce) {
    MouseLog log;
    window().installEventFilter(&log);
    doubleClickAt(bodyRect(2).center() + QPoint(0, -20));
    window().removeEventFilter(&log);

    EXPECT_EQ(log.events,
              (std::vector<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                         QEvent::MouseButtonDblClick}));
    EXPECT_EQ(heldDice(), std::vector<int>{2});
    EXPECT_TRUE(window().isHidden());
    ASSERT_NE(shell.cheatWindow(), nullptr);
    EXPECT_TRUE(shell.cheatWindow()->isVisible());
}

// On a shown marker the double-click belongs to the marker: the die is
// released once and the main window stays.
TEST_F(DiceClicks, DoubleClickOnAShownMarkerReleasesItsDieOnce) {
    clickAt(bodyRect(5).center() + QPoint(0, 20));
    MouseLog log;
    window().installEventFilter(&log);
    doubleClickAt(markerRect(5).center());
    window().removeEventFilter(&log);

    EXPECT_EQ(log.events,
              (std::vector<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                         QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}));
    EXPECT_EQ(heldDice(), std::vector<int>{});
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(shell.cheatWindow(), nullptr);
}

} // namespace
} // namespace zandiro::testing
