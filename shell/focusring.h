#pragma once

#include "input/keyboard.h"

class QPainter;
class QWidget;

namespace zandiro {

// The place a die body or category label stands for, kept on its widget so
// that the keyboard and the accessibility interfaces can find it. The widget
// keeps Qt::NoFocus: the keyboard gives it the focus itself, and a focus
// policy on these widgets cost the program about 0.8 MiB at start-up.
void setFocusPlace(QWidget* widget, FocusPlace place);
FocusPlace focusPlaceOf(const QWidget* widget);

// A one-pixel dotted rectangle in the palette's Highlight colour two pixels
// inside the widget's border, while the widget has the focus in the active
// window.
void paintFocusRing(QWidget* widget, QPainter& painter);

} // namespace zandiro
