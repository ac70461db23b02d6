// A canvas that measures every character as 8 by 16 pixels, draws nothing,
// and stops the run at any point that is not finite.
#pragma once

#include "canvas.hpp"

#include <cmath>
#include <cstdlib>
#include <span>
#include <string_view>

namespace vornix::fuzzing {

class MeasuringCanvas final : public ui::Canvas {
  public:
    double width() const override { return 380; }
    double height() const override { return 432; }
    double scale() const override { return 1; }
    ui::TextExtent measure(std::string_view text, double) override {
        return {8.0 * static_cast<double>(text.size()), 12, 4};
    }
    void text(ui::Point at, std::string_view, double, ui::Ink) override { require(at); }
    void lines(std::span<const ui::Point> points, double, ui::Ink, bool) override {
        for (const ui::Point& point : points) {
            require(point);
        }
    }
    void disc(ui::Point centre, double, ui::Ink) override { require(centre); }
    void polygon(std::span<const ui::Point> points, ui::Ink) override {
        for (const ui::Point& point : points) {
            require(point);
        }
    }
    void fill(ui::Ink) override {}

  private:
    static void require(ui::Point point) {
        if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
            std::abort();
        }
    }
};

} // namespace vornix::fuzzing
