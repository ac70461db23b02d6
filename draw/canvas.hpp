// What the windows' own drawings (the working, the graph) ask of a toolkit:
// to measure and draw text runs, and to draw lines and dots. Everything is in
// the canvas's pixels, y growing downwards.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vornix::draw {

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

struct Point {
    double x;
    double y;
};

// The parts of a drawing, each in its own colour: Base is the faint curve a
// graph is translated from, Region a light fill, Trace the point that
// follows the pointer along the curve, Highlight the band behind a line of
// the working the reader is sent to.
enum class Ink { Paper, Text, Grid, Axis, Curve, Guide, Mark, Base, Region, Trace, Highlight };

// The colours of the light look every window keeps; High Contrast replaces them.
Colour light_colour(Ink ink);
// Black on white, for paper and for files: greys where the screen has colours.
Colour paper_colour(Ink ink);

struct TextExtent {
    double width;
    double ascent;
    double descent;
};

class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual double width() const = 0;
    virtual double height() const = 0;
    // Canvas pixels to a pixel at 96 DPI: 2 at 192 DPI.
    virtual double scale() const = 0;
    // Text in the Song face at `points`.
    virtual TextExtent measure(std::string_view text, double points) = 0;
    virtual void text(Point baseline_left, std::string_view text, double points, Ink ink) = 0;
    // Straight lines through the points, smooth-edged.
    virtual void lines(std::span<const Point> points, double width, Ink ink, bool dashed) = 0;
    virtual void disc(Point centre, double radius, Ink ink) = 0;
    // The polygon through the points, filled.
    virtual void polygon(std::span<const Point> points, Ink ink) = 0;
    // The whole canvas in one ink.
    virtual void fill(Ink ink) = 0;
};

} // namespace vornix::draw
