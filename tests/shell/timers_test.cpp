#include "shell/cheatwindow.h"
#include "shellfixture.h"

#include <QAbstractEventDispatcher>
#include <string>
#include <vector>

namespace zandiro::testing {
namespace {

// Counts the timer events the application delivers, to any object at all.
class TimerEventCounter : public QObject {
  public:
    TimerEventCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~TimerEventCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    TimerEventCounter(const TimerEventCounter&) = delete;
    TimerEventCounter& operator=(const TimerEventCounter&) = delete;

    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Timer ? 1 : 0;
        return false;
    }
};

// The program's windows and everything they own.
std::vector<QObject*> programObjects(Shell& shell) {
    std::vector<QObject*> objects;
    std::vector<QObject*> windows{&shell.mainWindow()};
    if (shell.cheatWindow() != nullptr) {
        windows.push_back(shell.cheatWindow());
    }
    for (QObject* window : windows) {
        objects.push_back(window);
        for (QObject* child : window->findChildren<QObject*>()) {
            objects.push_back(child);
        }
    }
    return objects;
}

// Names the objects that have a timer running.
std::vector<std::string> objectsWithTimers(Shell& shell) {
    std::vector<std::string> names;
    for (QObject* object : programObjects(shell)) {
        if (!QAbstractEventDispatcher::instance()->registeredTimers(object).isEmpty()) {
            names.emplace_back(object->metaObject()->className());
        }
    }
    return names;
}

using Timers = ShellTest;

// Nothing in the game runs by itself: it has no timers, before or after play,
// and while it waits for the player no timer fires anywhere in the program.
TEST_F(Timers, NoneRunAfterStartOrAfterPlay) {
    EXPECT_EQ(objectsWithTimers(shell), std::vector<std::string>());

    platform.rollFaces({1, 2, 3, 4, 5});
    clickButton("press");
    clickAt(294, 38);  // holds die 1
    clickAt(180, 235); // scores Chance
    clickAt(250, 300); // a double-click on the background opens the code window
    QTest::mouseDClick(&window(), Qt::LeftButton, Qt::NoModifier, QPoint(250, 300));
    settle();
    ASSERT_NE(shell.cheatWindow(), nullptr) << "the double-click opens the code window";
    ASSERT_TRUE(shell.cheatWindow()->isVisible());
    QTest::keyClick(shell.cheatWindow(), Qt::Key_K);
    QTest::keyClick(shell.cheatWindow(), Qt::Key_Q);
    settle();
    ASSERT_TRUE(window().isVisible()) << "Q brings the main window back";
    playWholeGame();
    clickButton("restart");
    ASSERT_TRUE(button("press")->isVisible());

    EXPECT_EQ(objectsWithTimers(shell), std::vector<std::string>());
    TimerEventCounter timerEvents;
    QTest::qWait(300);
    EXPECT_EQ(timerEvents.count, 0);
}

} // namespace
} // namespace zandiro::testing
