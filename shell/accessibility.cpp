#include "shell/accessibility.h"

#include "input/speech.h"
#include "shell/controlwidgets.h"
#include "shell/mainwindow.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPushButton>

namespace zandiro {
namespace {

MainWindow* mainWindowOf(QWidget* widget) {
    return dynamic_cast<MainWindow*>(widget->window());
}

// Markers and pips are parts of the die that speaks for them.
bool isSilentPart(QWidget* widget) {
    if (dynamic_cast<ImageWidget*>(widget) != nullptr) {
        return true;
    }
    return dynamic_cast<ShapeWidget*>(widget) != nullptr &&
           focusPlaceOf(widget).kind != FocusKind::Die;
}

class MainWindowAccessible : public QAccessibleWidget {
  public:
    explicit MainWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = children();
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr ? -1 : static_cast<int>(children().indexOf(child->object()));
    }

  private:
    QList<QWidget*> children() const {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child != nullptr && !child->isWindow() && !isSilentPart(child)) {
                shown.push_back(child);
            }
        }
        return shown;
    }
};

// What the places share: a click through the main window, as the game's own
// activation of the place.
class PlaceAccessible : public QAccessibleWidget {
  public:
    PlaceAccessible(QWidget* widget, QAccessible::Role role, QString action)
        : QAccessibleWidget(widget, role), action_(std::move(action)) {}

    QStringList actionNames() const override { return {action_, setFocusAction()}; }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = widget()->isEnabled();
        s.focused = widget()->hasFocus();
        return s;
    }
    void doAction(const QString& name) override {
        MainWindow* window = mainWindowOf(widget());
        if (name == action_ && window != nullptr) {
            window->activate(focusPlaceOf(widget()));
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

  protected:
    const Zandiro* game() const {
        MainWindow* window = mainWindowOf(widget());
        return window == nullptr ? nullptr : &window->program().zandiro;
    }
    int number() const { return focusPlaceOf(widget()).number; }

  private:
    QString action_;
};

class DieAccessible : public PlaceAccessible {
  public:
    explicit DieAccessible(QWidget* body)
        : PlaceAccessible(body, QAccessible::CheckBox, toggleAction()) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && game() != nullptr) {
            return QString::fromStdString(dieName(*game(), number()));
        }
        return t == QAccessible::Description ? QString() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = PlaceAccessible::state();
        s.checkable = true;
        s.checked = game() != nullptr && dieChecked(*game(), number());
        return s;
    }
};

class CategoryAccessible : public PlaceAccessible {
  public:
    explicit CategoryAccessible(QLabel* label)
        : PlaceAccessible(label, QAccessible::Button, pressAction()), label_(label) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return label_->text();
        }
        if (t == QAccessible::Description) {
            return game() == nullptr
                       ? QString()
                       : QString::fromStdString(categoryDescription(*game(), number()));
        }
        return QAccessibleWidget::text(t);
    }

  private:
    QLabel* label_;
};

// Roll, Restart and Exit: named by their captions.
class ButtonAccessible : public PlaceAccessible {
  public:
    explicit ButtonAccessible(QPushButton* button)
        : PlaceAccessible(button, QAccessible::Button, pressAction()), button_(button) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? button_->text() : QAccessibleWidget::text(t);
    }

  private:
    QPushButton* button_;
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (dynamic_cast<MainWindow*>(widget) != nullptr) {
        return new MainWindowAccessible(widget);
    }
    // A widget being destroyed is a plain QWidget by then, and gets none.
    auto* button = qobject_cast<QPushButton*>(widget);
    auto* label = qobject_cast<QLabel*>(widget);
    switch (focusPlaceOf(widget).kind) {
    case FocusKind::Button:
        return button != nullptr ? new ButtonAccessible(button) : nullptr;
    case FocusKind::Die:
        return new DieAccessible(widget);
    case FocusKind::Category:
        return label != nullptr ? new CategoryAccessible(label) : nullptr;
    default:
        return nullptr;
    }
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(interfaceFor);
        installed = true;
    }
}

} // namespace zandiro
