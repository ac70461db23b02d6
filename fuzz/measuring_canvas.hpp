// A canvas that measures every character as 8 by 16 pixels, draws nothing,
// and stops the run at any point that is not finite.
#pragma once

#include "canvas.hpp"

#include <cmath>
#include <cstdlib>
#include <span>
#include <string_view>

namespace vornix::fuzzing {

class MeasuringCanvas final : public draw::Canvas {
  public:
    double width() const override { return 380; }
    double height() const override { return 432; }
    double scale() const override { return 1; }
    draw::TextExtent measure(std::string_view text, double) override {
        return {8.0 * static_cast<double>(text.size()), 12, 4};
    }
    void text(draw::Point at, std::string_view, double, draw::Ink) override { require(at); }
    void lines(std::span<const draw::Point> points, double, draw::Ink, bool) override {
        for (const draw::Point& point : points) {
            require(point);
        }
    }
    void disc(draw::Point centre, double, draw::Ink) override { require(centre); }
    void polygon(std::span<const draw::Point> points, draw::Ink) override {
        for (const draw::Point& point : points) {
            require(point);
        }
    }
    void fill(draw::Ink) override {}

  private:
    static void require(draw::Point point) {
        if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
            std::abort();
        }
    }
};

} // namespace vornix::fuzzing
