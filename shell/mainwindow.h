#pragma once

#include "game/zandiro.h"

#include <QWidget>
#include <functional>
#include <vector>

namespace zandiro {

// The main window on screen: one widget per control of the game's main
// window, copied from the game after every event. Presses, releases and
// double-clicks on the window go to the game, which decides what they hit.
class MainWindow : public QWidget {
  public:
    MainWindow(Zandiro& game, std::function<void()> afterEvent);

    // Copies the game's window into the widgets; builds them afresh (and
    // centres the window) when the game has created its controls anew.
    void sync();

    QWidget* widgetFor(ControlId id) const { return widgets_.at(static_cast<std::size_t>(id)); }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void rebuild();
    void centreOnScreen();
    void deliver(const std::function<void()>& event);

    Zandiro& game_;
    std::function<void()> afterEvent_;
    std::vector<QWidget*> widgets_;
    std::vector<Control> shown_;
    int generation_ = 0;
};

} // namespace zandiro
