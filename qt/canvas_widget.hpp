// The windows' own drawings on Qt: a canvas over a QPainter, and the widget
// that holds one, scrolls it when its drawing is taller and takes the focus.
#pragma once

#include "canvas.hpp"

#include <QPainter>
#include <QWidget>

#include <functional>
#include <map>

class QScrollBar;

namespace vornix::qt {

class PainterCanvas final : public ui::Canvas {
  public:
    PainterCanvas(QPainter& painter, double width, double height);

    double width() const override { return width_; }
    double height() const override { return height_; }
    double scale() const override { return 1; }
    ui::TextExtent measure(std::string_view text, double points) override;
    void text(ui::Point baseline_left, std::string_view text, double points, ui::Ink ink) override;
    void lines(std::span<const ui::Point> points, double width, ui::Ink ink, bool dashed) override;
    void disc(ui::Point centre, double radius, ui::Ink ink) override;
    void fill(ui::Ink ink) override;

  private:
    const QFont& font(double points);

    QPainter& painter_;
    double width_;
    double height_;
    std::map<double, QFont> fonts_;
};

// A surface its window's rules draw on; `paint` returns the drawing's height.
class CanvasWidget final : public QWidget {
  public:
    using Painter = std::function<double(ui::Canvas& canvas)>;
    explicit CanvasWidget(QWidget* parent);

    void set_painter(Painter painter) { painter_ = std::move(painter); }
    // The drawing at twice the pixels, for the clipboard.
    QImage picture();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fit_scroll_bar(double drawing_height);

    Painter painter_;
    QScrollBar* scroll_bar_;
};

} // namespace vornix::qt
