#include "shell/mainwindow.h"

#include "game/layout.h"
#include "shell/controlwidgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace zandiro {
namespace {

MouseButton gameButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    default:
        return MouseButton::Middle;
    }
}

// Shift, Ctrl and Alt as the bits 1, 2 and 4.
int shiftState(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    state |= modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0;
    state |= modifiers.testFlag(Qt::ControlModifier) ? 2 : 0;
    state |= modifiers.testFlag(Qt::AltModifier) ? 4 : 0;
    return state;
}

} // namespace

MainWindow::MainWindow(Zandiro& game, std::function<void()> afterEvent)
    : game_(game), afterEvent_(std::move(afterEvent)) {
    setFixedSize(mainClientWidth, mainClientHeight);
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, qtColour(mainBackground));
    setPalette(yellow);
    setAutoFillBackground(true);
}

void MainWindow::sync() {
    if (generation_ != game_.window.generation) {
        rebuild();
    }
    setWindowTitle(QString::fromStdString(game_.window.title));
    const auto& controls = game_.form.controls();
    for (std::size_t id = 0; id < controls.size(); ++id) {
        if (!(shown_[id] == controls[id])) {
            applyControl(widgets_[id], controls[id]);
            shown_[id] = controls[id];
        }
    }
    setVisible(game_.window.visible);
}

// The controls are made anew in the game's drawing order, back to front, with
// the push buttons over everything (in that order among themselves, so that
// a press where two of them meet goes where the game says) and in their tab
// order.
void MainWindow::rebuild() {
    // The old widgets may be in the middle of delivering the click that asked
    // for the rebuild (Restart), so they go once that event is over.
    for (QWidget* widget : widgets_) {
        widget->hide();
        widget->deleteLater();
    }
    widgets_.clear();
    const Form& form = game_.form;
    shown_ = form.controls();
    widgets_.resize(shown_.size(), nullptr);
    std::vector<std::pair<int, QPushButton*>> buttons;
    for (ControlId id : form.drawingOrder()) {
        QWidget* widget = createControlWidget(form.at(id), this);
        widgets_[static_cast<std::size_t>(id)] = widget;
        widget->raise();
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            buttons.emplace_back(form.at(id).tabIndex, button);
            QObject::connect(button, &QPushButton::clicked, this,
                             [this, id] { deliver([this, id] { game_.click(id); }); });
        }
    }
    for (const auto& [tab, button] : buttons) {
        button->raise();
    }
    std::sort(buttons.begin(), buttons.end());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0) {
            QWidget::setTabOrder(buttons[i - 1].second, buttons[i].second);
        }
    }
    if (!buttons.empty()) {
        // The visible button first in the tab order holds the focus.
        for (const auto& [tab, button] : buttons) {
            if (!button->isHidden()) {
                button->setFocus();
                break;
            }
        }
    }
    generation_ = game_.window.generation;
    centreOnScreen();
}

void MainWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // The frame, title bar included, is what the player sees centred; move()
    // places a window by its frame. Wayland lets no client place its own
    // windows: there the compositor chooses, and this move has no effect.
    const QRect available = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(available.x() + (available.width() - frame.width()) / 2,
         available.y() + (available.height() - frame.height()) / 2);
}

void MainWindow::deliver(const std::function<void()>& event) {
    event();
    afterEvent_();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    deliver([&] {
        game_.mouseDown(gameButton(event->button()), shiftState(event->modifiers()), at.x(),
                        at.y());
    });
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    deliver([&] { game_.mouseUp(gameButton(event->button()), at.x(), at.y()); });
}

// The second press of a double-click is not a press: only the double-click
// goes to the game.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    deliver([&] { game_.dblClick(at.x(), at.y()); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    deliver([this] { game_.closeBox(); });
}

} // namespace zandiro
