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
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool bordered_ = false;
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

class ImageWidget : public QLabel {
  public:
    explicit ImageWidget(QWidget* parent);
    void apply(const Control& c);
};

class ButtonWidget : public QPushButton {
  public:
    explicit ButtonWidget(QWidget* parent);
    void apply(const Control& c);
};

// The picture the hold markers show, loaded from the program's bitmap
// resource number 1.
QPixmap holdPicture();

QColor qtColour(Rgb rgb);

// Creates the widget for a control, with the keyboard place it stands for,
// and gives it the control's state.
QWidget* createControlWidget(const Control& c, QWidget* parent, FocusPlace place = {});
// Gives an existing widget, made by createControlWidget, a control's state.
void applyControl(QWidget* widget, const Control& c);

} // namespace zandiro
