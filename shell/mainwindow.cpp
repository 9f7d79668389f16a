#include "shell/mainwindow.h"

#include "game/board.h"
#include "game/layout.h"
#include "input/speech.h"
#include "shell/announcer.h"
#include "shell/controlwidgets.h"
#include "shell/keymap.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <array>

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

} // namespace

// What assistive technology was last told, to tell it only of changes.
struct MainWindow::Spoken {
    std::array<QString, diceCount + 1> dieNames;
    std::array<bool, diceCount + 1> held{};
    std::array<std::string, categoryCount + 1> descriptions;
};

MainWindow::MainWindow(const Program& program, std::function<bool(const Input&)> send)
    : program_(program), game_(program.zandiro), send_(std::move(send)),
      spoken_(std::make_unique<Spoken>()) {
    installEventFilter(this);
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
    sayWhatTheKeySaid();
    setWindowTitle(QString::fromStdString(game_.window.title));
    const auto& controls = game_.form.controls();
    for (std::size_t id = 0; id < controls.size(); ++id) {
        if (!(shown_[id] == controls[id])) {
            widgets_[id]->apply(controls[id]);
            shown_[id] = controls[id];
        }
    }
    setVisible(game_.window.visible);
    showFocus();
    tellAssistiveTechnology();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::widgetFor(ControlId id) const {
    return widgets_.at(static_cast<std::size_t>(id))->asWidget();
}

QWidget* MainWindow::widgetFor(FocusPlace place) const {
    if (place.kind == FocusKind::None) {
        return nullptr;
    }
    const ControlRef ref = controlOf(place);
    return widgetFor(game_.form.find(ref.name, ref.index));
}

void MainWindow::activate(FocusPlace place) {
    send_(activateAt(place));
}

void MainWindow::showFocus() {
    QWidget* target = widgetFor(program_.keyboard.focus());
    if (target != nullptr && focusWidget() != target) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

// Said from the place that had the focus when the input came, before the
// widgets change: a control that is disabled passes Qt's focus on, and a
// screen reader speaks only what the focused object says.
void MainWindow::sayWhatTheKeySaid() {
    const Announcement& said = program_.announcement();
    if (said.serial == announced_) {
        return;
    }
    announced_ = said.serial;
    announce(widgetFor(said.from),
             QString::fromStdString(announcementText(game_, program_.module1, said)));
}

// Names, states and descriptions that change without a widget of Qt's own
// changing are announced here; a screen reader speaks those of the focused
// object. The Roll button's description is kept even with no reader running,
// so that one that starts later reads it.
void MainWindow::tellAssistiveTechnology() {
    const QString rolled = QString::fromStdString(rollDescription(game_, program_.module1));
    QWidget* roll = widgetFor(game_.form.find("press"));
    if (roll->accessibleDescription() != rolled) {
        roll->setAccessibleDescription(rolled);
    }
    if (!QAccessible::isActive()) {
        return;
    }
    Spoken& told = *spoken_;
    for (int d = 1; d <= diceCount; ++d) {
        QWidget* die = widgetFor(FocusPlace{FocusKind::Die, d});
        const QString name = QString::fromStdString(dieName(game_, d));
        if (told.dieNames[d] != name) {
            told.dieNames[d] = name;
            QAccessibleEvent event(die, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
        if (told.held[d] != dieChecked(game_, d)) {
            told.held[d] = dieChecked(game_, d);
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(die, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
    for (int c = 1; c <= categoryCount; ++c) {
        const std::string description = categoryDescription(game_, c);
        if (told.descriptions[c] != description) {
            told.descriptions[c] = description;
            QAccessibleEvent event(widgetFor(FocusPlace{FocusKind::Category, c}),
                                   QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        repeats_.released(key->key(), key->timestamp());
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // A disabled button passes its presses on to the window.
        auto* button = qobject_cast<QPushButton*>(watched);
        return button != nullptr && button->isEnabled() &&
               buttonMouseEvent(button, static_cast<QMouseEvent*>(event));
    }
    default:
        return false;
    }
}

bool MainWindow::keyPress(QKeyEvent* event) {
    const bool repeat = repeats_.isRepeat(event->key(), event->timestamp(), event->isAutoRepeat());
    return send_(keyDown(GameWindow::Main, virtualKeyCode(*event), keyModifiers(*event), repeat));
}

// A push button's presses go to the game at their place in the window: the
// game decides what they hit, gives the button the focus and clicks it. The
// button still takes the left button's presses, to be drawn pressed down; its
// own clicked signal reaches no one. It would pass the other buttons on to
// the window, which would hand them to the game a second time.
bool MainWindow::buttonMouseEvent(QWidget* button, const QMouseEvent* event) {
    const QPointF at = button->mapTo(this, event->position());
    const Input::Kind kind = event->type() == QEvent::MouseButtonPress ? Input::Kind::Press
                             : event->type() == QEvent::MouseButtonRelease
                                 ? Input::Kind::Release
                                 : Input::Kind::DoubleClick;
    sendPointer(kind, at, event->button());
    return event->button() != Qt::LeftButton;
}

// The controls are made anew in the game's drawing order, back to front, with
// the push buttons over everything (in that order among themselves, so that
// a press where two of them meet goes where the game says) and in their tab
// order.
void MainWindow::rebuild() {
    // The old widgets may be in the middle of delivering the click that asked
    // for the rebuild (Restart), so they go once that event is over.
    for (ControlWidget* control : widgets_) {
        control->asWidget()->hide();
        control->asWidget()->deleteLater();
    }
    widgets_.clear();
    const Form& form = game_.form;
    shown_ = form.controls();
    widgets_.resize(shown_.size(), nullptr);
    std::vector<std::pair<int, QPushButton*>> buttons;
    for (ControlId id : form.drawingOrder()) {
        ControlWidget* control = createControlWidget(form.at(id), this, placeOf(form.at(id)));
        widgets_[static_cast<std::size_t>(id)] = control;
        QWidget* widget = control->asWidget();
        widget->raise();
        widget->installEventFilter(this);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            buttons.emplace_back(form.at(id).tabIndex, button);
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
    *spoken_ = Spoken{};
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

// Points go to the game as drawn; a mirrored window's are turned back there.
void MainWindow::sendPointer(Input::Kind kind, QPointF at, Qt::MouseButton button) {
    send_(pointerAt(kind, at.x(), at.y(), gameButton(button)));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    sendPointer(Input::Kind::Press, event->position(), event->button());
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    sendPointer(Input::Kind::Release, event->position(), event->button());
}

// The second press of a double-click is not a press: only the double-click
// goes to the game.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    sendPointer(Input::Kind::DoubleClick, event->position(), event->button());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    send_(closeBoxOf(GameWindow::Main));
}

} // namespace zandiro
