#include "shell/cheatwindow.h"
#include "shellfixture.h"

#include <QLabel>
#include <vector>

namespace zandiro::testing {
namespace {

class CodeWindowShell : public ShellTest {
  protected:
    // A double-click as the window system delivers it: press, release,
    // double-click, release, each to the widget under the pointer.
    void doubleClickAt(int x, int y) {
        QTest::mouseDClick(window().windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        settle();
    }

    void openCodeWindow() {
        doubleClickAt(200, 330);
        ASSERT_TRUE(codeWindowShown());
    }

    CheatWindow* codeWindow() { return shell.cheatWindow(); }
    bool codeWindowShown() { return codeWindow() != nullptr && codeWindow()->isVisible(); }
    QString codeTitle() { return codeWindow()->windowTitle(); }

    // Keys typed as the player types them; a modifier is pressed as a key of its own.
    void type(std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys) {
            QTest::keyClick(codeWindow(), key);
        }
        settle();
    }
    void typeUnlimitedCode() {
        type({Qt::Key_K, Qt::Key_Semicolon, Qt::Key_Slash, Qt::Key_Shift, Qt::Key_Insert,
              Qt::Key_End});
    }
    void typeRollCountCode(Qt::Key digit) {
        type({Qt::Key_PageUp, Qt::Key_Backspace, Qt::Key_M, Qt::Key_Minus, Qt::Key_F2, digit});
    }

    // One key-down through the window system, exactly as given.
    void keyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                 bool autoRepeat = false) {
        QTest::simulateEvent(codeWindow()->windowHandle(), true, key, modifiers, text, autoRepeat);
        settle();
    }

    bool rollEnabled() { return window().widgetFor(game().form.find("press"))->isEnabled(); }

    // Records, whenever one of the two windows is hidden, whether the other
    // one is on screen at that moment.
    class HideWatch : public QObject {
      public:
        explicit HideWatch(Shell& shell) : shell_(shell) { qApp->installEventFilter(this); }
        ~HideWatch() override { qApp->removeEventFilter(this); }
        HideWatch(const HideWatch&) = delete;
        HideWatch& operator=(const HideWatch&) = delete;

        std::vector<bool> otherShown;

      protected:
        bool eventFilter(QObject* object, QEvent* event) override {
            QWidget* main = &shell_.mainWindow();
            QWidget* code = shell_.cheatWindow();
            if (event->type() == QEvent::Hide && (object == main || object == code)) {
                otherShown.push_back(object == main ? code != nullptr && code->isVisible()
                                                    : main->isVisible());
            }
            return false;
        }

      private:
        Shell& shell_;
    };

    void expectMainWindowBack() {
        EXPECT_TRUE(window().isVisible());
        EXPECT_FALSE(codeWindowShown());
    }
};

TEST_F(CodeWindowShell, DoubleClickOnTheBackgroundOpensItInPlaceOfTheMainWindow) {
    EXPECT_EQ(codeWindow(), nullptr) << "not loaded before the first double-click";
    doubleClickAt(200, 330);
    ASSERT_TRUE(codeWindowShown());
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(codeTitle(), QStringLiteral("0 steps are done."));
    EXPECT_EQ(codeWindow()->size(), QSize(194, 42));
    EXPECT_EQ(codeWindow()->minimumSize(), codeWindow()->maximumSize());
}

// A moment with no window on screen may look to a window manager like the
// end of the program, so each window is shown before the other is hidden.
TEST_F(CodeWindowShell, OneWindowIsOnScreenAtEveryMoment) {
    HideWatch watch(shell);
    openCodeWindow();
    type({Qt::Key_Q});
    openCodeWindow();
    typeUnlimitedCode();
    expectMainWindowBack();
    EXPECT_EQ(watch.otherShown, std::vector<bool>(4, true));
}

TEST_F(CodeWindowShell, ShowsTheGreenWrappedPromptCutOffAtTheBottom) {
    openCodeWindow();
    const auto* label = codeWindow()->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Type in the password, or press Q to quit."));
    EXPECT_EQ(label->geometry(), QRect(0, 0, 193, 49));
    EXPECT_TRUE(label->wordWrap());
    EXPECT_TRUE(label->font().families().contains(QStringLiteral("Times New Roman")));
    EXPECT_EQ(label->font().pixelSize(), 19) << "14.25 points";
    EXPECT_EQ(label->font().weight(), QFont::Normal);

    const QImage image = codeWindow()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(194, 42));
    EXPECT_EQ(image.pixel(192, 41), rgb(0, 255, 0)) << "the label reaches the bottom edge";
    EXPECT_NE(image.pixel(193, 20), rgb(0, 255, 0)) << "the last column is the window's own";
    int textPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < 193; ++x) {
            textPixels += qGreen(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(textPixels, 200) << "two lines of dark text on the green";
}

TEST_F(CodeWindowShell, NothingInItTakesTheKeyboardFocus) {
    openCodeWindow();
    EXPECT_NE(codeWindow()->focusPolicy(), Qt::NoFocus);
    for (const QWidget* child : codeWindow()->findChildren<QWidget*>()) {
        EXPECT_EQ(child->focusPolicy(), Qt::NoFocus);
    }
    keyDown(Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
    EXPECT_EQ(codeTitle(), QStringLiteral(" 1 steps are done."));
}

TEST_F(CodeWindowShell, DoubleClickOnTheDrawnDiceOpensIt) {
    doubleClickAt(270, 140); // body of die 5, away from its marker
    EXPECT_TRUE(codeWindowShown());
    type({Qt::Key_Q});

    roll({1, 1, 1, 1, 1}); // every die shows one pip in its centre
    ASSERT_TRUE(game().pip(7 * 3 - 3).visible);
    const Control& centrePip = game().pip(7 * 3 - 3);
    doubleClickAt(centrePip.left + 6, centrePip.top + 6);
    EXPECT_TRUE(codeWindowShown());
}

TEST_F(CodeWindowShell, DoubleClicksOnLabelsButtonsAndMarkersDoNotOpenIt) {
    const auto expectNotOpened = [this](const char* what) {
        EXPECT_EQ(codeWindow(), nullptr) << what;
        EXPECT_TRUE(window().isVisible()) << what;
    };
    doubleClickAt(120 + 60, 192 + 11);
    expectNotOpened("\"Zandiro\", disabled before the first roll");
    roll({1, 2, 3, 4, 6});
    ASSERT_TRUE(game().control("chance").enabled);
    doubleClickAt(120 + 60, 224 + 11);
    expectNotOpened("\"Chance\", enabled after a roll");
    doubleClickAt(50, 5);
    expectNotOpened("\"Upper Scores\"");
    platform.draws.assign(10, 0.5); // a double-click on Roll rolls as two clicks do
    doubleClickAt(300, 240);
    expectNotOpened("Roll");
    EXPECT_EQ(game().rolls, 2) << "the click on Chance ended the turn";
    doubleClickAt(350, 160);
    expectNotOpened("the unseen label in the sixth die slot");

    clickAt(300, 20); // holds die 1
    ASSERT_TRUE(game().Hold(1).visible);
    const Control& marker = game().Hold(1);
    doubleClickAt(marker.left + 20, marker.top + 6);
    expectNotOpened("a visible hold marker");
}

TEST_F(CodeWindowShell, TypedCodesChangeTheRulesAndBringTheMainWindowBack) {
    openCodeWindow();
    type({Qt::Key_K, Qt::Key_Semicolon, Qt::Key_Slash});
    EXPECT_EQ(codeTitle(), QStringLiteral(" 3 steps are done."));
    type({Qt::Key_Shift, Qt::Key_Insert, Qt::Key_End});
    expectMainWindowBack();
    EXPECT_EQ(shell.program().module1.unlimitedrolls, 1);

    openCodeWindow();
    EXPECT_EQ(codeTitle(), QStringLiteral(" 0 steps are done.")) << "shown as it was left";
    type({Qt::Key_PageUp, Qt::Key_Backspace, Qt::Key_M, Qt::Key_Minus});
    EXPECT_EQ(codeTitle(), QStringLiteral(" 4 steps are done."));
    type({Qt::Key_F2, Qt::Key_2});
    expectMainWindowBack();
    EXPECT_EQ(shell.program().module1.rollsperturn, 2);
}

TEST_F(CodeWindowShell, EveryKeyDownCountsAutoRepeatTabAndShiftIncluded) {
    openCodeWindow();
    keyDown(Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
    keyDown(Qt::Key_K, Qt::NoModifier, QStringLiteral("k"), true);
    EXPECT_EQ(codeTitle(), QStringLiteral(" 0 steps are done.")) << "a repeated K is wrong";

    keyDown(Qt::Key_K, Qt::NoModifier, QStringLiteral("K")); // with Caps Lock on
    keyDown(Qt::Key_Colon, Qt::ShiftModifier, QStringLiteral(":"));
    EXPECT_EQ(codeTitle(), QStringLiteral(" 2 steps are done.")) << "Shift+; is the ; key";
    type({Qt::Key_Tab});
    EXPECT_EQ(codeTitle(), QStringLiteral(" 0 steps are done.")) << "Tab is a wrong key";

    // Typing ':' presses Shift first, and Shift is not the second key.
    type({Qt::Key_K});
    QTest::keyClick(codeWindow(), Qt::Key_Colon, Qt::ShiftModifier);
    EXPECT_EQ(codeTitle(), QStringLiteral(" 0 steps are done."));
}

TEST_F(CodeWindowShell, KeypadDigitsAndUnknownKeysAreWrongKeys) {
    openCodeWindow();
    type({Qt::Key_PageUp, Qt::Key_Backspace, Qt::Key_M, Qt::Key_Minus, Qt::Key_F2});
    keyDown(Qt::Key_1, Qt::KeypadModifier, QStringLiteral("1"));
    EXPECT_EQ(codeTitle(), QStringLiteral(" 0 steps are done."));
    EXPECT_TRUE(codeWindowShown());
    EXPECT_EQ(shell.program().module1.rollsperturn, 3);

    type({Qt::Key_PageUp});
    keyDown(Qt::Key_unknown, Qt::NoModifier, QString());
    EXPECT_EQ(codeTitle(), QStringLiteral(" 0 steps are done."));
}

TEST_F(CodeWindowShell, QAndTheCloseBoxLeaveWithTheProgressKept) {
    openCodeWindow();
    type({Qt::Key_K, Qt::Key_Semicolon, Qt::Key_Q});
    expectMainWindowBack();
    EXPECT_EQ(codeTitle(), QStringLiteral(" 2 steps are done."));

    openCodeWindow();
    type({Qt::Key_Slash});
    codeWindow()->close();
    settle();
    expectMainWindowBack();
    EXPECT_NE(codeWindow(), nullptr);

    openCodeWindow();
    EXPECT_EQ(codeTitle(), QStringLiteral(" 3 steps are done."));
    type({Qt::Key_Shift, Qt::Key_Insert, Qt::Key_End});
    expectMainWindowBack();
    EXPECT_EQ(shell.program().module1.unlimitedrolls, 1);
}

TEST_F(CodeWindowShell, UnlimitedRollsKeepRollEnabled) {
    openCodeWindow();
    typeUnlimitedCode();
    for (int n = 0; n < 8; ++n) {
        roll({1, 2, 3, 4, 6});
    }
    EXPECT_TRUE(rollEnabled());
    clickOn("chance");
    roll({1, 2, 3, 4, 6});
    EXPECT_TRUE(rollEnabled());
}

TEST_F(CodeWindowShell, OneRollATurnDisablesRollAfterTheFirstRoll) {
    roll({1, 2, 3, 4, 6});
    openCodeWindow();
    typeRollCountCode(Qt::Key_1);
    EXPECT_TRUE(rollEnabled()) << "the rule applies from the next roll";
    roll({1, 2, 3, 4, 6});
    EXPECT_FALSE(rollEnabled());
    clickOn("chance");
    EXPECT_TRUE(rollEnabled());
    roll({1, 2, 3, 4, 6});
    EXPECT_FALSE(rollEnabled());
}

TEST_F(CodeWindowShell, UnseenLabelsRevealTheCodes) {
    const std::string unlimited = "Code is: k, ;, /, Shift, Insert, End.";
    const std::string rollCount = "Code is: Page Up, Backspace, m, -, F2, a number from 1 to 5.";
    const struct {
        QPoint at;
        std::string message;
    } spots[] = {
        {{32, 328}, unlimited},  {{40, 344}, unlimited},  {{328, 136}, rollCount},
        {{384, 192}, rollCount}, {{356, 164}, rollCount},
    };
    for (const auto& spot : spots) {
        platform.messages.clear();
        clickAt(spot.at.x(), spot.at.y());
        EXPECT_EQ(platform.messages, std::vector<std::string>{spot.message})
            << spot.at.x() << "," << spot.at.y();
    }
    platform.messages.clear();
    for (const QPoint outside :
         {QPoint(31, 330), QPoint(42, 330), QPoint(385, 160), QPoint(356, 194), QPoint(356, 135)}) {
        clickAt(outside.x(), outside.y());
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(codeWindow(), nullptr) << "revealing opens nothing";
}

TEST_F(CodeWindowShell, RestartRestoresThreeRollsAndLeavesTheCodeWindowAsItWas) {
    openCodeWindow();
    typeUnlimitedCode();
    openCodeWindow();
    type({Qt::Key_PageUp, Qt::Key_Backspace, Qt::Key_Q});

    playWholeGame();
    clickButton("restart");

    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(codeWindowShown());
    EXPECT_EQ(codeTitle(), QStringLiteral(" 2 steps are done."));
    EXPECT_EQ(shell.program().module1.cheatsteps, 0);
    for (int n = 0; n < 3; ++n) {
        EXPECT_TRUE(rollEnabled());
        roll({1, 2, 3, 4, 6});
    }
    EXPECT_FALSE(rollEnabled());
}

TEST_F(CodeWindowShell, TheMainCloseBoxEndsTheProgramOnce) {
    window().close();
    settle();
    EXPECT_EQ(platform.endRequests, 1);
    window().close();
    settle();
    EXPECT_EQ(platform.endRequests, 1) << "a program that has ended takes nothing more";
}

TEST_F(CodeWindowShell, ExitEndsTheProgramWithTheCodeWindowHidden) {
    openCodeWindow();
    type({Qt::Key_K, Qt::Key_Q});
    playWholeGame();
    clickButton("exitgame");
    EXPECT_EQ(platform.endRequests, 1);

    shell.end();
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(codeWindowShown());
}

} // namespace
} // namespace zandiro::testing
