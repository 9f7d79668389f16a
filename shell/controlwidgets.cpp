#include "shell/controlwidgets.h"

#include "form/contrast.h"
#include "input/direction.h"
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

// Labels, pictures and shapes take neither presses nor the focus: the window
// takes their presses and the keyboard gives them the focus.
void takeNoInput(QWidget* w) {
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setFocusPolicy(Qt::NoFocus);
}

// An autosized label takes the size of its caption. A right-to-left window
// shows each control at its mirror image; the game keeps its own pixels.
void placeAndShow(QWidget* w, const Control& c) {
    Control shown = c;
    if (c.autosize) {
        shown.width = w->sizeHint().width();
        shown.height = w->sizeHint().height();
    }
    const int left = w->isRightToLeft() ? mirroredLeft(shown, w->parentWidget()->width()) : c.left;
    w->setGeometry(left, c.top, shown.width, shown.height);
    w->setEnabled(c.enabled);
    w->setVisible(c.visible);
}

Rgb rgbOf(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

// Text colours go into the active and inactive groups only, so that a disabled
// label keeps the toolkit's greyed look; the background shows in every state.
QPalette labelPalette(const QPalette& base, const Control& c, const QColor& behind) {
    QPalette palette = base;
    if (c.background) {
        palette.setColor(QPalette::Window, qtColour(*c.background));
    }
    // `behind` is what shows through a transparent label.
    const QColor text =
        qtColour(captionColour(c, rgbOf(base.color(QPalette::WindowText)), rgbOf(behind)));
    palette.setColor(QPalette::Active, QPalette::WindowText, text);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
    return palette;
}

} // namespace

QSize deviceSize(QSize logical, qreal devicePixelRatio) {
    return {qRound(logical.width() * devicePixelRatio),
            qRound(logical.height() * devicePixelRatio)};
}

QColor qtColour(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

// The picture is read as XPM, which Qt reads itself, without guessing: a guess
// loads every image format plugin, which costs start-up time and memory. The
// large one is read only for a screen that shows it.
QPixmap holdPicture(qreal devicePixelRatio) {
    const bool large = devicePixelRatio >= 1.5;
    QImageReader reader(large ? QStringLiteral(":/bitmaps/1@2x") : QStringLiteral(":/bitmaps/1"),
                        "XPM");
    reader.setAutoDetectImageFormat(false);
    QPixmap picture = QPixmap::fromImageReader(&reader);
    picture.setDevicePixelRatio(large ? 2 : 1);
    return picture;
}

LabelWidget::LabelWidget(QWidget* parent) : ControlWidgetOn(parent) {
    takeNoInput(this);
    // Captions are shown as written, never read as rich text.
    setTextFormat(Qt::PlainText);
}

void LabelWidget::apply(const Control& c) {
    bordered_ = c.bordered;
    setText(QString::fromStdString(c.caption));
    if (c.font) {
        setFont(qtFont(*c.font));
    }
    control_ = c;
    applyPalette();
    setAutoFillBackground(!c.transparent);
    setWordWrap(c.wordWrap);
    const int horizontal = c.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    setAlignment(Qt::Alignment(horizontal | Qt::AlignTop));
    setContentsMargins(c.bordered ? 1 : 0, c.bordered ? 1 : 0, c.bordered ? 1 : 0,
                       c.bordered ? 1 : 0);
    placeAndShow(this, c);
}

void LabelWidget::applyPalette() {
    const QColor behind = parentWidget()->palette().color(QPalette::Window);
    settingPalette_ = true;
    setPalette(labelPalette(QApplication::palette(this), control_, behind));
    settingPalette_ = false;
}

// A desktop that switches between light and dark while the game runs gives
// every widget the new palette; the caption colours are chosen anew from it.
bool LabelWidget::event(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && !settingPalette_) {
        applyPalette();
    }
    return QLabel::event(event);
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

ShapeWidget::ShapeWidget(QWidget* parent) : ControlWidgetOn(parent) {
    takeNoInput(this);
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
        return;
    }
    // The body is drawn in the screen's own pixels: the corner rule at the
    // device resolution and an outline one device pixel wide, so corners are
    // smooth at every scale and exactly as before at scale 1.
    const qreal ratio = devicePixelRatioF();
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    paintRoundedBox(painter, deviceSize(size(), ratio), qRound(roundedCorner * ratio), fill,
                    outline);
    painter.restore();
    paintFocusRing(this, painter);
}

ImageWidget::ImageWidget(QWidget* parent) : ControlWidgetOn(parent) {
    takeNoInput(this);
}

void ImageWidget::apply(const Control& c) {
    hasPicture_ = c.hasPicture;
    placeAndShow(this, c);
}

// The picture is chosen when it is drawn, for the screen it is drawn on: a
// window moved to a screen of another density gets the other picture. Either
// fills the same 54 x 12 pixels of the window.
void ImageWidget::paintEvent(QPaintEvent*) {
    if (!hasPicture_) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || (ratio >= 1.5) != (picture_.devicePixelRatio() > 1)) {
        picture_ = holdPicture(ratio);
    }
    QPainter(this).drawPixmap(0, 0, picture_);
}

// A button keeps the toolkit's own colours: without its own palette it would
// take the window's yellow, and the style draws its frame from that.
ButtonWidget::ButtonWidget(QWidget* parent) : ControlWidgetOn(parent) {
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

ControlWidget* createControlWidget(const Control& c, QWidget* parent, FocusPlace place) {
    ControlWidget* widget = nullptr;
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
        setFocusPlace(widget->asWidget(), place);
    }
    widget->apply(c);
    return widget;
}

} // namespace zandiro
