#pragma once

#include "codewindow/cheat.h"

#include <QWidget>
#include <functional>

namespace zandiro {

class LabelWidget;

// The code window on screen. It takes every key-down itself (its label never
// takes the focus) and hands it to the game as a virtual-key code.
class CheatWindow : public QWidget {
  public:
    CheatWindow(Cheat& cheat, std::function<void()> afterEvent);

    void sync();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Cheat& cheat_;
    std::function<void()> afterEvent_;
    LabelWidget* label_;
};

} // namespace zandiro
