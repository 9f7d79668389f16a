#include "shell/cheatwindow.h"

#include "shell/controlwidgets.h"
#include "shell/keymap.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace zandiro {

CheatWindow::CheatWindow(Cheat& cheat, std::function<void(const EventCall&)> deliver)
    : cheat_(cheat), deliver_(std::move(deliver)), label_(new LabelWidget(this)) {
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
    deliver_([this, event] { cheat_.Form_KeyDown(virtualKeyCode(*event), 0); });
}

void CheatWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    deliver_([this] { cheat_.closeBox(); });
}

} // namespace zandiro
