#pragma once

#include "../core/fakeplatform.h"
#include "app/shell.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QImage>
#include <QTest>
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
    Zandiro& game() { return shell.program().zandiro; }

    // Lets posted events (deferred deletes, layout, paints) run.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    QImage picture() { return window().grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void clickAt(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&window(), button, Qt::NoModifier, QPoint(x, y));
        settle();
    }

    void clickButton(const char* name) {
        QWidget* button = window().widgetFor(game().form.find(name));
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    FakePlatform platform;
    Shell shell{platform};
};

inline QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

} // namespace zandiro::testing
