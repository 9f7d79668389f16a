#include "shellfixture.h"
#include "windowpicture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

namespace zandiro::testing {
namespace {

class KeyboardPlay : public ShellTest {
  protected:
    void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window();
        QTest::keyClick(target, static_cast<Qt::Key>(qtKey), modifiers);
        settle();
    }
    void tab(int times) {
        for (int i = 0; i < times; ++i) {
            key(Qt::Key_Tab);
        }
    }
    QAccessibleInterface* accessible(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w);
    }
};

// Thirteen turns by keys alone: R rolls, a digit holds, Tab and the arrows
// find the category and Enter scores it.
TEST_F(KeyboardPlay, AWholeGameWithKeysAloneEndsInTheVerdict) {
    window().activateWindow();
    EXPECT_EQ(QApplication::focusWidget(), button("press"));
    bool restartFocused = false;
    platform.onMessage = [&](const std::string&) {
        shell.refresh();
        restartFocused = QApplication::focusWidget() == button("restart");
    };
    for (int turn = 1; turn <= 13; ++turn) {
        SCOPED_TRACE(turn);
        platform.rollFaces({1, 2, 3, 4, 6});
        key(Qt::Key_Enter, Qt::KeypadModifier);
        ASSERT_EQ(game().rolls, 1) << "the keypad's Enter on the focused Roll button";
        key(Qt::Key_3, Qt::KeypadModifier);
        EXPECT_TRUE(held(3));
        platform.rollFaces({1, 2, 4, 6});
        key(Qt::Key_R);
        tab(6); // past Roll and the five dice, to Aces
        for (int down = 1; down < turn && turn <= 6; ++down) {
            key(Qt::Key_Down);
        }
        if (turn > 6) {
            key(Qt::Key_Right);
            for (int down = 1; down < turn - 6; ++down) {
                key(Qt::Key_Down);
            }
        }
        const int filled = game().filled;
        key(Qt::Key_Space);
        ASSERT_EQ(game().filled, filled + 1);
        if (turn < 13) {
            EXPECT_EQ(QApplication::focusWidget(), button("press"));
        }
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(restartFocused);
    EXPECT_TRUE(button("press")->isHidden());
    key(Qt::Key_Space);
    EXPECT_EQ(game().filled, 0) << "Space on Restart";
    EXPECT_EQ(QApplication::focusWidget(), button("press"));
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(platform.endRequests, 1);
}

TEST_F(KeyboardPlay, TheFocusRingShowsOnAFocusedDieOnly) {
    window().activateWindow();
    const QImage start = picture();
    tab(1);
    const QImage ring = picture();
    const QRgb highlight = window().palette().color(QPalette::Highlight).rgb();
    const QRect inner = bodyRect(1).adjusted(2, 2, -2, -2);
    EXPECT_TRUE(pixelIs(ring, QPoint(inner.center().x() + 1, inner.top()), highlight) ||
                pixelIs(ring, QPoint(inner.center().x(), inner.top()), highlight));
    for (int y = 0; y < start.height(); ++y) {
        for (int x = 0; x < start.width(); ++x) {
            const bool onRing =
                inner.contains(x, y) && !inner.adjusted(1, 1, -1, -1).contains(x, y);
            if (!onRing && bodyRect(1).contains(x, y)) {
                ASSERT_EQ(ring.pixel(x, y), start.pixel(x, y)) << x << "," << y;
            }
        }
    }
    key(Qt::Key_Backtab);
    EXPECT_EQ(picture(), start) << "the ring goes with the focus";
    key(Qt::Key_Tab);
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(picture(), start) << "no ring while the window is inactive";
}

TEST_F(KeyboardPlay, TheAccessibleTreeNamesDiceAndCategories) {
    QAccessibleInterface* root = accessible(&window());
    int dice = 0, categories = 0;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        EXPECT_FALSE(child->text(QAccessible::Name).isEmpty() &&
                     child->role() != QAccessible::StaticText)
            << "unnamed " << child->role();
        dice += child->role() == QAccessible::CheckBox ? 1 : 0;
        categories += child->role() == QAccessible::Button &&
                              qobject_cast<QLabel*>(child->object()) != nullptr
                          ? 1
                          : 0;
    }
    EXPECT_EQ(dice, 5);
    EXPECT_EQ(categories, 13);

    QAccessibleInterface* die3 = accessible(widget("Rect", 3));
    QAccessibleInterface* rollButton = accessible(button("press"));
    QAccessibleInterface* threes = accessible(label("numbers", 3));
    QAccessibleInterface* thrkind = accessible(label("thrkind"));
    EXPECT_EQ(die3->text(QAccessible::Name), "Die 3: blank");
    EXPECT_EQ(thrkind->text(QAccessible::Name), "3 of a Kind: 0 ");
    EXPECT_TRUE(threes->state().disabled);
    EXPECT_EQ(rollButton->text(QAccessible::Description), "");

    EXPECT_EQ(rollButton->text(QAccessible::Name), "Roll");
    platform.rollFaces({3, 3, 3, 1, 2});
    rollButton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle();
    EXPECT_EQ(rollButton->text(QAccessible::Description), "Rolled 3, 3, 3, 1, 2, 2 rolls left");
    EXPECT_EQ(die3->text(QAccessible::Name), "Die 3: 3");
    EXPECT_FALSE(die3->state().checked);
    die3->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    settle();
    EXPECT_TRUE(held(3));
    EXPECT_TRUE(die3->state().checkable && die3->state().checked);

    EXPECT_FALSE(threes->state().disabled);
    EXPECT_EQ(threes->text(QAccessible::Description), "");
    ASSERT_TRUE(threes->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    threes->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle();
    EXPECT_EQ(threes->text(QAccessible::Name), "Threes: 9");
    EXPECT_EQ(threes->text(QAccessible::Description), "used");
    EXPECT_TRUE(threes->state().disabled);
    EXPECT_FALSE(held(3));
    EXPECT_EQ(rollButton->text(QAccessible::Description), "");
    QAccessibleInterface* reveal = accessible(label("Label1"));
    EXPECT_EQ(reveal->text(QAccessible::Name), " ");
    EXPECT_EQ(reveal->text(QAccessible::Description), "");
    EXPECT_EQ(reveal->actionInterface() ? reveal->actionInterface()->actionNames().size() : 0, 0);
}

} // namespace
} // namespace zandiro::testing
