#include "canvas_widget.hpp"

#include "controls.hpp"
#include "units.hpp"

#include <QFontMetricsF>
#include <QGesture>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

#include <cmath>

namespace vornix::qt {

PainterCanvas::PainterCanvas(QPainter& painter, double width, double height, double scale,
                             bool paper)
    : painter_(painter), width_(width), height_(height), scale_(scale), paper_(paper) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

QColor PainterCanvas::colour_of(draw::Ink ink) const {
    return colour_from_bgr(paper_ ? draw::paper_colour(ink) : draw::light_colour(ink));
}

const QFont& PainterCanvas::font(double points) {
    const auto found = fonts_.find(points);
    if (found != fonts_.end()) {
        return found->second;
    }
    return fonts_[points] = make_font({ui::Typeface::Song, points, false});
}

draw::TextExtent PainterCanvas::measure(std::string_view text, double points) {
    // Measured for the device drawn on: a printer's points are many pixels.
    const QFontMetricsF metrics(font(points), painter_.device());
    return {metrics.horizontalAdvance(from_utf8(text)), metrics.ascent(), metrics.descent()};
}

void PainterCanvas::text(draw::Point at, std::string_view text, double points, draw::Ink ink) {
    painter_.setFont(font(points));
    painter_.setPen(colour_of(ink));
    painter_.drawText(QPointF(at.x, at.y), from_utf8(text));
}

void PainterCanvas::lines(std::span<const draw::Point> points, double width, draw::Ink ink,
                          bool dashed) {
    QPen pen(colour_of(ink), width, dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    QPolygonF polyline;
    for (const draw::Point& point : points) {
        polyline << QPointF(point.x, point.y);
    }
    painter_.drawPolyline(polyline);
}

void PainterCanvas::disc(draw::Point centre, double radius, draw::Ink ink) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour_of(ink));
    painter_.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
}

void PainterCanvas::polygon(std::span<const draw::Point> points, draw::Ink ink) {
    QPolygonF shape;
    for (const draw::Point& point : points) {
        shape << QPointF(point.x, point.y);
    }
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour_of(ink));
    painter_.drawPolygon(shape);
}

void PainterCanvas::fill(draw::Ink ink) {
    painter_.fillRect(QRectF(0, 0, width_, height_), colour_of(ink));
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent), scroll_bar_(new QScrollBar(this)) {
    setFocusPolicy(Qt::StrongFocus);
    grabGesture(Qt::PinchGesture);
    scroll_bar_->hide();
    connect(scroll_bar_, &QScrollBar::valueChanged, this, [this] { update(); });
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    if (!painter_) {
        return;
    }
    const int bar = scroll_bar_->isVisible() ? scroll_bar_->width() : 0;
    QPainter painter(this);
    painter.setClipRect(0, 0, width() - bar, height());
    painter.translate(0, -scroll_bar_->value());
    PainterCanvas canvas(painter, width() - bar, height());
    const double drawn = painter_(canvas);
    painter.resetTransform();
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(1, 1, -bar - 2, -2);
        frame.state |= QStyle::State_KeyboardFocusChange;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
    fit_scroll_bar(drawn);
}

// Shown only while the drawing is taller than the canvas.
void CanvasWidget::fit_scroll_bar(double drawing_height) {
    const int hidden = static_cast<int>(std::ceil(drawing_height)) - height();
    const bool needed = hidden > 0;
    scroll_bar_->setRange(0, std::max(hidden, 0));
    scroll_bar_->setPageStep(height());
    scroll_bar_->setSingleStep(20);
    if (needed != scroll_bar_->isVisible()) {
        scroll_bar_->setVisible(needed);
        update();
    }
}

void CanvasWidget::resizeEvent(QResizeEvent*) {
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    scroll_bar_->setGeometry(width() - bar, 0, bar, height());
}

bool CanvasWidget::tell(ui::PointerEvent::Kind kind, QPointF at, double amount, bool control) {
    return pointer_ && pointer_({kind, at.x(), at.y() + scroll_bar_->value(), amount, control});
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (notches != 0 && tell(ui::PointerEvent::Kind::Wheel, event->position(), notches, control)) {
        event->accept();
        return;
    }
    scroll_bar_->setValue(scroll_bar_->value() - event->angleDelta().y() / 3);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        tell(ui::PointerEvent::Kind::Press, event->position());
    }
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    tell(ui::PointerEvent::Kind::Move, event->position());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        tell(ui::PointerEvent::Kind::Release, event->position());
    }
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        tell(ui::PointerEvent::Kind::DoubleClick, event->position());
    }
}

void CanvasWidget::leaveEvent(QEvent*) {
    tell(ui::PointerEvent::Kind::Leave, {});
}

bool CanvasWidget::event(QEvent* event) {
    if (event->type() == QEvent::Gesture || event->type() == QEvent::NativeGesture) {
        return pinched(event);
    }
    return QWidget::event(event);
}

// Two fingers: their spread zooms, their middle moving pans, as one drag.
bool CanvasWidget::pinched(QEvent* event) {
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() != Qt::ZoomNativeGesture) {
            return QWidget::event(event);
        }
        const QPointF at = mapFromGlobal(gesture->globalPosition());
        tell(ui::PointerEvent::Kind::Pinch, at, 1 + gesture->value());
        return true;
    }
    auto* gestures = static_cast<QGestureEvent*>(event);
    auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture));
    if (pinch == nullptr) {
        return QWidget::event(event);
    }
    const QPointF centre = mapFromGlobal(pinch->centerPoint());
    switch (pinch->state()) {
    case Qt::GestureStarted:
        tell(ui::PointerEvent::Kind::Press, centre);
        break;
    case Qt::GestureUpdated:
        tell(ui::PointerEvent::Kind::Move, centre);
        tell(ui::PointerEvent::Kind::Pinch, centre, pinch->scaleFactor());
        break;
    default:
        tell(ui::PointerEvent::Kind::Release, centre);
        break;
    }
    gestures->accept(pinch);
    return true;
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        scroll_bar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        scroll_bar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        scroll_bar_->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        scroll_bar_->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        scroll_bar_->setValue(0);
        break;
    case Qt::Key_End:
        scroll_bar_->setValue(scroll_bar_->maximum());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
}

QImage CanvasWidget::picture() {
    QImage image(size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    QPainter painter(&image);
    PainterCanvas canvas(painter, width(), height());
    if (painter_) {
        painter_(canvas);
    }
    return image;
}

} // namespace vornix::qt
