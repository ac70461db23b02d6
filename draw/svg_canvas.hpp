// A canvas that writes SVG, the same on every platform: its texts stay text
// (a student can select them, a screen reader reads them), measured by one
// fixed rule, the way the Song faces set them (a Chinese character or sign
// an em, a Latin letter or digit half an em), and held to that width, so that
// the layout stands whatever Song or serif face the reader has. Lengths are
// CSS pixels, 96 to the inch; colours are black on white.
#pragma once

#include "canvas.hpp"

#include <string>
#include <string_view>

namespace vornix::draw {

class SvgCanvas final : public Canvas {
  public:
    SvgCanvas(double width, double height) : width_(width), height_(height) {}

    double width() const override { return width_; }
    double height() const override { return height_; }
    double scale() const override { return 1; }
    TextExtent measure(std::string_view text, double points) override;
    void text(Point baseline_left, std::string_view text, double points, Ink ink) override;
    void lines(std::span<const Point> points, double width, Ink ink, bool dashed) override;
    void disc(Point centre, double radius, Ink ink) override;
    void polygon(std::span<const Point> points, Ink ink) override;
    void fill(Ink ink) override;

    // The whole document, its size given in millimetres when `millimetres`
    // (an A4 page: 210 by 297), else in pixels; `title` names it.
    std::string document(std::string_view title, bool millimetres) const;

  private:
    double width_;
    double height_;
    std::string body_;
};

// The faces an SVG asks for, Windows' first, then Linux's, then any serif.
inline constexpr std::string_view kSvgFaces =
    "SimSun, NSimSun, 宋体, 'AR PL UMing CN', 'Noto Serif CJK SC', 'Source Han Serif SC', serif";

// Text made fit for XML: the five special characters escaped, invalid UTF-8
// and control characters replaced by U+FFFD.
std::string xml_text(std::string_view text);

} // namespace vornix::draw
