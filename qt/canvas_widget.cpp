#include "canvas_widget.hpp"

#include "controls.hpp"
#include "units.hpp"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

#include <cmath>

namespace vornix::qt {
namespace {

QColor colour_of(ui::Ink ink) {
    return colour_from_bgr(ui::light_colour(ink));
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, double width, double height)
    : painter_(painter), width_(width), height_(height) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

const QFont& PainterCanvas::font(double points) {
    const auto found = fonts_.find(points);
    if (found != fonts_.end()) {
        return found->second;
    }
    return fonts_[points] = make_font({ui::Typeface::Song, points, false});
}

ui::TextExtent PainterCanvas::measure(std::string_view text, double points) {
    const QFontMetricsF metrics(font(points));
    return {metrics.horizontalAdvance(from_utf8(text)), metrics.ascent(), metrics.descent()};
}

void PainterCanvas::text(ui::Point at, std::string_view text, double points, ui::Ink ink) {
    painter_.setFont(font(points));
    painter_.setPen(colour_of(ink));
    painter_.drawText(QPointF(at.x, at.y), from_utf8(text));
}

void PainterCanvas::lines(std::span<const ui::Point> points, double width, ui::Ink ink,
                          bool dashed) {
    QPen pen(colour_of(ink), width, dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    QPolygonF polyline;
    for (const ui::Point& point : points) {
        polyline << QPointF(point.x, point.y);
    }
    painter_.drawPolyline(polyline);
}

void PainterCanvas::disc(ui::Point centre, double radius, ui::Ink ink) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour_of(ink));
    painter_.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
}

void PainterCanvas::fill(ui::Ink ink) {
    painter_.fillRect(QRectF(0, 0, width_, height_), colour_of(ink));
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent), scroll_bar_(new QScrollBar(this)) {
    setFocusPolicy(Qt::StrongFocus);
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

void CanvasWidget::wheelEvent(QWheelEvent* event) {
    scroll_bar_->setValue(scroll_bar_->value() - event->angleDelta().y() / 3);
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
