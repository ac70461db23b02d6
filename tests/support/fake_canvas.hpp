// A canvas without a toolkit: Latin letters and digits half an em wide,
// everything else a whole em, at 96 DPI times its scale; it records what is drawn.
#pragma once

#include "canvas.hpp"

#include <string>
#include <vector>

namespace vornix::testing {

class FakeCanvas : public draw::Canvas {
  public:
    FakeCanvas(double width, double height, double scale = 1)
        : width_(width), height_(height), scale_(scale) {}

    double width() const override { return width_; }
    double height() const override { return height_; }
    double scale() const override { return scale_; }
    draw::TextExtent measure(std::string_view text, double points) override {
        const double em = points * 96 / 72 * scale_;
        double width = 0;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            width += byte < 0x80 ? 0.5 * em : (byte & 0xC0) == 0xC0 ? em : 0;
        }
        return {width, 0.8 * em, 0.2 * em};
    }
    void text(draw::Point at, std::string_view text, double points, draw::Ink) override {
        texts.push_back({at, std::string(text), points});
    }
    void lines(std::span<const draw::Point> points, double, draw::Ink, bool) override {
        strokes.emplace_back(points.begin(), points.end());
    }
    void disc(draw::Point centre, double, draw::Ink) override { discs.push_back(centre); }
    void polygon(std::span<const draw::Point> points, draw::Ink ink) override {
        polygons.emplace_back(points.begin(), points.end());
        polygon_inks.push_back(ink);
    }
    void fill(draw::Ink) override {}

    struct Drawn {
        draw::Point at;
        std::string text;
        double points;
    };
    std::vector<Drawn> texts;
    std::vector<std::vector<draw::Point>> strokes;
    std::vector<draw::Point> discs;
    std::vector<std::vector<draw::Point>> polygons;
    std::vector<draw::Ink> polygon_inks;

  private:
    double width_;
    double height_;
    double scale_;
};

} // namespace vornix::testing
