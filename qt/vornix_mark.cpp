#include "vornix_mark.hpp"

#include <QPainter>
#include <QPainterPath>

namespace vornix::qt {
namespace {

// Drawn on a 64-unit square.
constexpr qreal kUnits = 64;

void draw_tile(QPainter& painter) {
    QLinearGradient fill(0, 0, 0, kUnits);
    fill.setColorAt(0, QColor(0x2B, 0x6C, 0xC4));
    fill.setColorAt(1, QColor(0x17, 0x44, 0x8A));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
}

void draw_parabola(QPainter& painter) {
    // A parabola opening upwards, its vertex low in the tile: one quadratic curve.
    QPainterPath curve(QPointF(12, 11));
    curve.quadTo(QPointF(32, 80), QPointF(52, 11));
    painter.setPen(QPen(Qt::white, 5.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

void draw_line(QPainter& painter) {
    painter.setPen(QPen(QColor(0xFF, 0xB3, 0x2E), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 50), QPointF(54, 24));
}

} // namespace

QImage vornix_mark_image(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / kUnits, pixels / kUnits);
    draw_tile(painter);
    draw_parabola(painter);
    draw_line(painter);
    return image;
}

QPixmap vornix_mark(int logical_size, qreal device_pixel_ratio) {
    QPixmap pixmap =
        QPixmap::fromImage(vornix_mark_image(qRound(logical_size * device_pixel_ratio)));
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    return pixmap;
}

QIcon vornix_icon() {
    QIcon icon;
    // Sizes a title bar and a task bar use; larger ones come from the installed theme
    // icon, and every one drawn here is also sent to the window system at start.
    for (const int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(vornix_mark(size, 1.0));
    }
    return icon;
}

} // namespace vornix::qt
