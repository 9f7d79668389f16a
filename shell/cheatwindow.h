#pragma once

#include "codewindow/cheat.h"
#include "input/input.h"

#include <QWidget>
#include <functional>

namespace zandiro {

class LabelWidget;

// The code window on screen. It takes every key-down itself (its label never
// takes the focus) and hands it to the game as a virtual-key code, through
// `send`, which hands the game the input and refreshes the windows.
class CheatWindow : public QWidget {
  public:
    CheatWindow(const Cheat& cheat, std::function<bool(const Input&)> send);

    void sync();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    const Cheat& cheat_;
    std::function<bool(const Input&)> send_;
    LabelWidget* label_;
};

} // namespace zandiro
