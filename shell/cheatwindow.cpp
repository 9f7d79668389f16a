#include "shell/cheatwindow.h"

#include "shell/controlwidgets.h"
#include "shell/keymap.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace zandiro {

CheatWindow::CheatWindow(const Cheat& cheat, std::function<bool(const Input&)> send)
    : cheat_(cheat), send_(std::move(send)), label_(new LabelWidget(this)) {
    setFixedSize(cheatClientWidth, cheatClientHeight);
    setFocusPolicy(Qt::StrongFocus);
    label_->apply(cheat_.Label1);
}

void CheatWindow::sync() {
    setWindowTitle(QString::fromStdString(cheat_.window.title));
    setVisible(cheat_.window.visible);
    if (cheat_.window.visible) {
        activateWindow();
        setFocus();
    }
}

// Every key-down counts, auto-repeated ones included.
void CheatWindow::keyPressEvent(QKeyEvent* event) {
    send_(keyDown(GameWindow::Code, virtualKeyCode(*event)));
}

void CheatWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    send_(closeBoxOf(GameWindow::Code));
}

} // namespace zandiro
