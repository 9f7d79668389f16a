#pragma once

#include "game/program.h"
#include "shell/focusring.h"
#include "shell/keyrepeat.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace zandiro {

class ControlWidget;

// The main window on screen: one widget per control of the game's main
// window, copied from the game after every event. Presses, releases and
// double-clicks on the window go to the game, which decides what they hit.
// Keys anywhere on the window go to the game's keyboard, which also says
// which widget holds the focus.
class MainWindow : public QWidget {
  public:
    // `deliver` runs an event in the game and refreshes the windows.
    MainWindow(Program& program, std::function<void(const EventCall&)> deliver);
    ~MainWindow() override;

    // Copies the game's window into the widgets; builds them afresh (and
    // centres the window) when the game has created its controls anew.
    void sync();

    QWidget* widgetFor(ControlId id) const;
    // The widget that stands for a place: a button, a die's body, a category.
    QWidget* widgetFor(FocusPlace place) const;

    const Program& program() const { return program_; }
    // A click on the place, as an assistive technology asks for it.
    void activate(FocusPlace place);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool keyPress(QKeyEvent* event);
    QPointF gamePosition(const QMouseEvent* event) const;
    void showFocus();
    void sayWhatTheKeySaid();
    void tellAssistiveTechnology();
    void rebuild();
    void centreOnScreen();

    Program& program_;
    Zandiro& game_;
    std::function<void(const EventCall&)> deliver_;
    std::vector<ControlWidget*> widgets_;
    std::vector<Control> shown_;
    int generation_ = 0;
    int announced_ = 0; // the serial of the last announcement delivered
    RepeatFilter repeats_;
    struct Spoken;
    std::unique_ptr<Spoken> spoken_;
};

} // namespace zandiro
