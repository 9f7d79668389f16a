#pragma once

#include "codewindow/cheat.h"
#include "game/program.h"

#include <QWidget>
#include <functional>

namespace zandiro {

class LabelWidget;

// The code window on screen. It takes every key-down itself (its label never
// takes the focus) and hands it to the game as a virtual-key code, through
// `deliver`, which runs the event in the game and refreshes the windows.
class CheatWindow : public QWidget {
  public:
    CheatWindow(Cheat& cheat, std::function<void(const EventCall&)> deliver);

    void sync();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Cheat& cheat_;
    std::function<void(const EventCall&)> deliver_;
    LabelWidget* label_;
};

} // namespace zandiro
