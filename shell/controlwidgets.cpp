#include "shell/controlwidgets.h"

#include "shell/focusring.h"
#include "shell/fontmap.h"
#include "shell/roundedbox.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QPalette>

namespace zandiro {
namespace {

constexpr int roundedCorner = 8;

void placeAndShow(QWidget* w, const Control& c) {
    w->setGeometry(c.left, c.top, c.width, c.height);
    w->setEnabled(c.enabled);
    w->setVisible(c.visible);
}

// Text colours go into the active and inactive groups only, so that a disabled
// label keeps the toolkit's greyed look; the background shows in every state.
QPalette labelPalette(const QPalette& base, const Control& c) {
    QPalette palette = base;
    if (c.background) {
        palette.setColor(QPalette::Window, qtColour(*c.background));
    }
    const QColor text = c.foreground ? qtColour(*c.foreground) : base.color(QPalette::WindowText);
    palette.setColor(QPalette::Active, QPalette::WindowText, text);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
    return palette;
}

} // namespace

QColor qtColour(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

// The picture is read as XPM, which Qt reads itself, without guessing: a guess
// loads every image format plugin, which costs start-up time and memory.
QPixmap holdPicture() {
    QImageReader reader(QStringLiteral(":/bitmaps/1"), "XPM");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Captions are shown as written, never read as rich text.
    setTextFormat(Qt::PlainText);
}

void LabelWidget::apply(const Control& c) {
    bordered_ = c.bordered;
    setText(QString::fromStdString(c.caption));
    if (c.font) {
        setFont(qtFont(*c.font));
    }
    setPalette(labelPalette(QApplication::palette(this), c));
    setAutoFillBackground(!c.transparent);
    setWordWrap(c.wordWrap);
    const int horizontal = c.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    setAlignment(Qt::Alignment(horizontal | Qt::AlignTop));
    setContentsMargins(c.bordered ? 1 : 0, c.bordered ? 1 : 0, c.bordered ? 1 : 0,
                       c.bordered ? 1 : 0);
    placeAndShow(this, c);
    if (c.autosize) {
        resize(sizeHint());
    }
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (bordered_) {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    QPainter ring(this);
    paintFocusRing(this, ring);
}

void LabelWidget::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && hasFocus()) {
        update();
    }
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::apply(const Control& c) {
    kind_ = c.kind;
    fill_ = c.background;
    placeAndShow(this, c);
    update();
}

// A one-pixel outline in the window-text colour around the fill; a shape
// without a colour of its own is filled with the system's window colour.
void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor outline = palette().color(QPalette::WindowText);
    const QColor fill = fill_ ? qtColour(*fill_) : palette().color(QPalette::Base);
    if (kind_ == ControlKind::Circle) {
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawEllipse(rect().adjusted(0, 0, -1, -1));
    } else {
        paintRoundedBox(painter, size(), roundedCorner, fill, outline);
    }
    paintFocusRing(this, painter);
}

void ShapeWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && hasFocus()) {
        update();
    }
}

ImageWidget::ImageWidget(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ImageWidget::apply(const Control& c) {
    if (c.hasPicture && pixmap().isNull()) {
        setPixmap(holdPicture());
    }
    placeAndShow(this, c);
}

// A button keeps the toolkit's own colours: without its own palette it would
// take the window's yellow, and the style draws its frame from that.
ButtonWidget::ButtonWidget(QWidget* parent) : QPushButton(parent) {
    QPalette own = QApplication::palette(this);
    own.setResolveMask(~QPalette::ResolveMask(0));
    setPalette(own);
}

void ButtonWidget::apply(const Control& c) {
    setText(QString::fromStdString(c.caption));
    if (c.font) {
        setFont(qtFont(*c.font));
    }
    placeAndShow(this, c);
}

QWidget* createControlWidget(const Control& c, QWidget* parent, FocusPlace place) {
    QWidget* widget = nullptr;
    switch (c.kind) {
    case ControlKind::Label:
        widget = new LabelWidget(parent);
        break;
    case ControlKind::PushButton:
        widget = new ButtonWidget(parent);
        break;
    case ControlKind::Image:
        widget = new ImageWidget(parent);
        break;
    case ControlKind::RoundedRect:
    case ControlKind::Circle:
        widget = new ShapeWidget(parent);
        break;
    }
    // The place is set first: applying the state may already ask for the
    // widget's accessibility interface, which is chosen by its place.
    if (place.kind != FocusKind::None) {
        setFocusPlace(widget, place);
    }
    applyControl(widget, c);
    return widget;
}

void applyControl(QWidget* widget, const Control& c) {
    switch (c.kind) {
    case ControlKind::Label:
        static_cast<LabelWidget*>(widget)->apply(c);
        break;
    case ControlKind::PushButton:
        static_cast<ButtonWidget*>(widget)->apply(c);
        break;
    case ControlKind::Image:
        static_cast<ImageWidget*>(widget)->apply(c);
        break;
    case ControlKind::RoundedRect:
    case ControlKind::Circle:
        static_cast<ShapeWidget*>(widget)->apply(c);
        break;
    }
}

} // namespace zandiro
