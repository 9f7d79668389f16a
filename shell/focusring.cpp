#include "shell/focusring.h"

#include <QPainter>
#include <QVariant>
#include <QWidget>

namespace zandiro {
namespace {

constexpr const char* kindProperty = "zandiroFocusKind";
constexpr const char* numberProperty = "zandiroFocusNumber";

} // namespace

void setFocusPlace(QWidget* widget, FocusPlace place) {
    widget->setProperty(kindProperty, static_cast<int>(place.kind));
    widget->setProperty(numberProperty, place.number);
}

FocusPlace focusPlaceOf(const QWidget* widget) {
    const QVariant kind = widget->property(kindProperty);
    if (!kind.isValid()) {
        return {};
    }
    return {static_cast<FocusKind>(kind.toInt()), widget->property(numberProperty).toInt()};
}

void paintFocusRing(QWidget* widget, QPainter& painter) {
    if (!widget->hasFocus() || !widget->isActiveWindow()) {
        return;
    }
    QPen pen(widget->palette().color(QPalette::Highlight), 1, Qt::DotLine);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(widget->rect().adjusted(2, 2, -3, -3));
    painter.restore();
}

} // namespace zandiro
