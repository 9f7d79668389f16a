#pragma once

#include "form/control.h"
#include "input/keyboard.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

namespace zandiro {

// Qt widgets for the kinds of controls, each drawn from a Control. Labels,
// images and shapes take no mouse input of their own: the window receives
// every press and hands it to the game, which decides which control takes it.
// Push buttons are real buttons with their own clicks and keyboard focus.

// The widget of a control, whatever its kind.
class ControlWidget {
  public:
    virtual ~ControlWidget() = default;
    // Takes the control's state: caption, colours, font, place, visibility.
    virtual void apply(const Control& c) = 0;
    virtual QWidget* asWidget() = 0;
};

// A control's widget on a Qt widget class. It draws its focus ring afresh
// when its window gains or loses activation.
template <class QtWidget> class ControlWidgetOn : public QtWidget, public ControlWidget {
  public:
    explicit ControlWidgetOn(QWidget* parent) : QtWidget(parent) {}
    QWidget* asWidget() override { return this; }

  protected:
    void changeEvent(QEvent* event) override {
        QtWidget::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && this->hasFocus()) {
            this->update();
        }
    }
};

// Its own class name lets the accessibility factory see it before Qt's own
// factory takes it for a plain label.
class LabelWidget : public ControlWidgetOn<QLabel> {
    Q_OBJECT
  public:
    explicit LabelWidget(QWidget* parent);
    void apply(const Control& c) override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void applyPalette();

    Control control_;
    bool bordered_ = false;
    bool settingPalette_ = false;
};

class ShapeWidget : public ControlWidgetOn<QWidget> {
  public:
    explicit ShapeWidget(QWidget* parent);
    void apply(const Control& c) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ControlKind kind_ = ControlKind::RoundedRect;
    std::optional<Rgb> fill_;
};

class ImageWidget : public ControlWidgetOn<QWidget> {
  public:
    explicit ImageWidget(QWidget* parent);
    void apply(const Control& c) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool hasPicture_ = false;
    QPixmap picture_;
};

class ButtonWidget : public ControlWidgetOn<QPushButton> {
  public:
    explicit ButtonWidget(QWidget* parent);
    void apply(const Control& c) override;
};

// The picture the hold markers show, loaded from the program's bitmap
// resource number 1: 54 x 12 pixels, or at device pixel ratios of 1.5 and
// more its drawing at twice the size, 108 x 24 device pixels.
QPixmap holdPicture(qreal devicePixelRatio = 1);

// A size in logical pixels as device pixels.
QSize deviceSize(QSize logical, qreal devicePixelRatio);

QColor qtColour(Rgb rgb);

// Creates the widget for a control, with the keyboard place it stands for,
// and gives it the control's state.
ControlWidget* createControlWidget(const Control& c, QWidget* parent, FocusPlace place = {});

} // namespace zandiro
