// The windows' own drawings on Qt: a canvas over a QPainter, and the widget
// that holds one, scrolls it when its drawing is taller and takes the focus.
#pragma once

#include "canvas.hpp"
#include "view.hpp"

#include <QPainter>
#include <QWidget>

#include <functional>
#include <map>

class QScrollBar;

namespace vornix::qt {

// `scale` is the device's pixels to one at 96 DPI (a printer's are many);
// `paper` draws black on white, as for printing and files.
class PainterCanvas final : public draw::Canvas {
  public:
    PainterCanvas(QPainter& painter, double width, double height, double scale = 1,
                  bool paper = false);

    double width() const override { return width_; }
    double height() const override { return height_; }
    double scale() const override { return scale_; }
    draw::TextExtent measure(std::string_view text, double points) override;
    void text(draw::Point baseline_left, std::string_view text, double points,
              draw::Ink ink) override;
    void lines(std::span<const draw::Point> points, double width, draw::Ink ink,
               bool dashed) override;
    void disc(draw::Point centre, double radius, draw::Ink ink) override;
    void polygon(std::span<const draw::Point> points, draw::Ink ink) override;
    void fill(draw::Ink ink) override;

  private:
    const QFont& font(double points);
    QColor colour_of(draw::Ink ink) const;

    QPainter& painter_;
    double width_;
    double height_;
    double scale_;
    bool paper_;
    std::map<double, QFont> fonts_;
};

// A surface its window's rules draw on; `paint` returns the drawing's height.
// The pointer's moves, presses, wheel and pinches go to the rules first; a
// wheel they leave scrolls the drawing.
class CanvasWidget final : public QWidget {
  public:
    using Painter = std::function<double(draw::Canvas& canvas)>;
    using PointerHandler = std::function<bool(const ui::PointerEvent& event)>;
    explicit CanvasWidget(QWidget* parent);

    void set_painter(Painter painter) { painter_ = std::move(painter); }
    void set_pointer_handler(PointerHandler handler) { pointer_ = std::move(handler); }
    // The drawing at twice the pixels, for the clipboard.
    QImage picture();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fit_scroll_bar(double drawing_height);
    bool tell(ui::PointerEvent::Kind kind, QPointF at, double amount = 0, bool control = false);
    bool pinched(QEvent* event);

    Painter painter_;
    PointerHandler pointer_;
    QScrollBar* scroll_bar_;
};

} // namespace vornix::qt
