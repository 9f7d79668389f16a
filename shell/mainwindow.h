#pragma once

#include "game/program.h"
#include "input/input.h"
#include "shell/focusring.h"
#include "shell/keyrepeat.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace zandiro {

class ControlWidget;

// The main window on screen: one widget per control of the game's main
// window, copied from the game after every input. Presses, releases and
// double-clicks on the window and its push buttons go to the game as they are
// drawn, and the game decides what they hit. Keys anywhere on the window go
// to the game, which also says which widget holds the focus.
class MainWindow : public QWidget {
  public:
    // `send` hands the game an input and refreshes the windows; it answers
    // whether the game took the input.
    MainWindow(const Program& program, std::function<bool(const Input&)> send);
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
    bool buttonMouseEvent(QWidget* button, const QMouseEvent* event);
    void sendPointer(Input::Kind kind, QPointF at, Qt::MouseButton button);
    void showFocus();
    void sayWhatTheKeySaid();
    void tellAssistiveTechnology();
    void rebuild();
    void centreOnScreen();

    const Program& program_;
    const Zandiro& game_;
    std::function<bool(const Input&)> send_;
    std::vector<ControlWidget*> widgets_;
    std::vector<Control> shown_;
    int generation_ = 0;
    int announced_ = 0; // the serial of the last announcement delivered
    RepeatFilter repeats_;
    struct Spoken;
    std::unique_ptr<Spoken> spoken_;
};

} // namespace zandiro
