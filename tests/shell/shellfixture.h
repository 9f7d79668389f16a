#pragma once

#include "../core/fakeplatform.h"
#include "game/scorecard.h"
#include "shell/mainwindow.h"
#include "shell/shell.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace zandiro::testing {

// A started program on the offscreen platform with a scripted platform.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        shell.start();
        settle();
    }

    MainWindow& window() { return shell.mainWindow(); }
    const Zandiro& game() { return shell.program().zandiro; }

    QWidget* widget(const char* name, int index = -1) {
        return window().widgetFor(game().form.find(name, index));
    }
    QLabel* label(const char* name, int index = -1) {
        return qobject_cast<QLabel*>(widget(name, index));
    }
    QPushButton* button(const char* name) { return qobject_cast<QPushButton*>(widget(name)); }
    // Die d is held while its marker shows, in the game and on screen alike.
    bool held(int die) {
        const bool shown = !widget("Hold", die)->isHidden();
        EXPECT_EQ(shown, game().Hold(die).visible) << "die " << die;
        return shown;
    }

    // Lets posted events (deferred deletes, layout, paints) run.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    QImage picture() { return window().grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Mouse input goes through the window system, so Qt picks the widget
    // under the pointer as it would for the player.
    void clickAt(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window().windowHandle(), button, Qt::NoModifier, QPoint(x, y));
        settle();
    }
    void clickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        clickAt(at.x(), at.y(), button);
    }
    void doubleClickAt(QPoint at) {
        QTest::mouseDClick(window().windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        settle();
    }

    void clickButton(const char* name) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        settle();
    }

    QPoint centreOf(const char* name, int index = -1) {
        const Control& c = game().form.get(name, index);
        return {c.left + c.width / 2, c.top + c.height / 2};
    }
    void clickOn(const char* name, int index = -1) { clickAt(centreOf(name, index)); }

    // One roll and one category a turn, clicked as the player clicks them,
    // until the verdict box has been shown and closed.
    void playWholeGame() {
        for (const Category& category : scorecard) {
            roll({1, 2, 3, 4, 6});
            clickOn(category.label.name, category.label.index);
        }
        ASSERT_TRUE(button("restart")->isVisible());
        ASSERT_FALSE(platform.messages.empty()) << "the verdict box";
    }

    // Rolls through the Roll button, the dice not held showing the faces.
    void roll(std::initializer_list<int> faces) {
        platform.rollFaces(faces);
        clickButton("press");
    }

    FakePlatform platform;
    Shell shell{platform};
};

inline QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

} // namespace zandiro::testing
