#include "shell/mainwindow.h"

#include "game/board.h"
#include "input/direction.h"
#include "input/gamekeys.h"
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

MainWindow::MainWindow(Program& program, std::function<void(const EventCall&)> deliver)
    : program_(program), game_(program.zandiro), deliver_(std::move(deliver)),
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
    deliver_([this, place] { zandiro::activate(game_, place); });
}

void MainWindow::showFocus() {
    QWidget* target = widgetFor(program_.keyboard.focus());
    if (target != nullptr && focusWidget() != target) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

// Said from the place that had the focus when the key was pressed, before the
// widgets change: a control that is disabled passes Qt's focus on, and a
// screen reader speaks only what the focused object says.
void MainWindow::sayWhatTheKeySaid() {
    const Announcement& said = program_.keyboard.announcement();
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
    case QEvent::MouseButtonPress: {
        // A press on a push button gives it the focus, on screen and in the
        // game alike: the game hears where the press went. Moves the toolkit
        // makes on its own (from a control being disabled) it never hears.
        auto* widget = qobject_cast<QWidget*>(watched);
        const FocusPlace place = widget != nullptr ? focusPlaceOf(widget) : FocusPlace{};
        if (place.kind == FocusKind::Button) {
            deliver_([this, place] { program_.keyboard.focusOn(place); });
        }
        return false;
    }
    default:
        return false;
    }
}

bool MainWindow::keyPress(QKeyEvent* event) {
    const std::optional<MainKey> key = mainKey(virtualKeyCode(*event), keyModifiers(*event));
    const bool repeat = repeats_.isRepeat(event->key(), event->timestamp(), event->isAutoRepeat());
    if (!key) {
        return false;
    }
    if (!(key->once && repeat)) {
        // Left and Right point the way the player sees, in a mirrored window too.
        const GameKey pressed = isRightToLeft() ? mirroredKey(key->key) : key->key;
        deliver_([this, pressed, &key] { program_.keyboard.press(pressed, key->die); });
    }
    return true;
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
            QObject::connect(button, &QPushButton::clicked, this,
                             [this, id] { deliver_([this, id] { game_.click(id); }); });
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

// A right-to-left window is drawn mirrored; the game gets its own x.
QPointF MainWindow::gamePosition(const QMouseEvent* event) const {
    const QPointF at = event->position();
    return isRightToLeft() ? QPointF(mirroredX(at.x(), width()), at.y()) : at;
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF at = gamePosition(event);
    deliver_([&] { game_.mouseDown(at.x(), at.y()); });
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = gamePosition(event);
    deliver_([&] { game_.mouseUp(gameButton(event->button()), at.x(), at.y()); });
}

// The second press of a double-click is not a press: only the double-click
// goes to the game.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF at = gamePosition(event);
    deliver_([&] { game_.dblClick(at.x(), at.y()); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    deliver_([this] { game_.closeBox(); });
}

} // namespace zandiro
