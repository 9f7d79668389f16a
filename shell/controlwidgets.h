#pragma once

#include "form/control.h"
#include "game/keyboard.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

namespace zandiro {

// Qt widgets for the kinds of controls, each drawn from a Control. Labels,
// images and shapes take no mouse input of their own: the window receives
// every press and hands it to the game, which decides which control takes it.
// Push buttons are real buttons with their own clicks and keyboard focus.

// Its own class name lets the accessibility factory see it before Qt's own
// factory takes it for a plain label.
class LabelWidget : public QLabel {
    Q_OBJECT
  public:
    explicit LabelWidget(QWidget* parent);
    void apply(const Control& c);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void applyPalette();

    Control control_;
    bool bordered_ = false;
    bool settingPalette_ = false;
};

class ShapeWidget : public QWidget {
  public:
    explicit ShapeWidget(QWidget* parent);
    void apply(const Control& c);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    ControlKind kind_ = ControlKind::RoundedRect;
    std::optional<Rgb> fill_;
};

class ImageWidget : public QWidget {
  public:
    explicit ImageWidget(QWidget* parent);
    void apply(const Control& c);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool hasPicture_ = false;
    QPixmap picture_;
};

class ButtonWidget : public QPushButton {
  public:
    explicit ButtonWidget(QWidget* parent);
    void apply(const Control& c);
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
QWidget* createControlWidget(const Control& c, QWidget* parent, FocusPlace place = {});
// Gives an existing widget, made by createControlWidget, a control's state.
void applyControl(QWidget* widget, const Control& c);

} // namespace zandiro
