// The graph as a textbook draws it, as a scene of lines, dots and anchored
// texts on a canvas of a given size: axes with arrows and names, a light grid,
// ticks at nice steps (1, 2 or 5 × 10ⁿ, Heckbert's nice numbers) whose labels
// never overlap, the curve, the marked points with their labels, the dashed
// guides and the function's equation beside the curve. Equal units on both
// axes unless that would squeeze the marked points into a sliver. A label
// never lies on another label, on a tick label or on the curve; a tick label
// that a guide would cross is left out.
//
// The part of the plane shown is the one that fits the marked points, or one
// the user has moved to: zoomed about a point, panned, and fitted again.
#pragma once

#include "canvas.hpp"
#include "exercise.hpp"

#include <optional>
#include <string>
#include <vector>

namespace vornix::draw {

struct SceneLines {
    std::vector<Point> points;
    Ink ink;
    double width;
    bool dashed;
};

struct SceneText {
    Point baseline_left;
    std::string text;
    double points;
    TextExtent extent;
    Ink ink;
};

struct Scene {
    std::vector<std::vector<Point>> regions; // filled lightly, under everything else
    std::vector<SceneLines> lines;
    std::vector<Point> dots;
    double dot_radius = 0;
    std::vector<SceneText> texts;
    std::vector<SceneText> tick_labels; // kept apart, so that their spacing can be checked
    std::optional<Point> trace;         // the point followed along the curve
    // From the plane to the canvas: x' = x_offset + x·x_scale, y' = y_offset − y·y_scale.
    double x_offset = 0;
    double x_scale = 1;
    double y_offset = 0;
    double y_scale = 1;
    double x_step = 1; // between ticks, in the plane
    double y_step = 1;
    bool equal_units = true;
    // Where the plot lies on the canvas: marked points stay inside it.
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// A part of the plane: its middle, and the plane's units per canvas pixel.
struct GraphWindow {
    double centre_x = 0;
    double centre_y = 0;
    double x_unit = 1;
    double y_unit = 1;
};

struct GraphOptions {
    // The window's zoom, which scales texts, dots and lines (on top of the
    // canvas's own scale).
    double zoom = 1;
    // The part of the plane shown; none: the one that fits the marked points.
    std::optional<GraphWindow> window;
    // A point of the curve to show with its coordinates, by its x.
    std::optional<double> trace_x;
};

// The scene for `plot` at the canvas's size, its texts measured on it.
Scene build_scene(const calc::Plot& plot, Canvas& canvas, const GraphOptions& options = {});

void draw(const Scene& scene, Canvas& canvas);

// The size of the graph's texts at a zoom of 100 %, in points.
inline constexpr double kGraphPoints = 9;

// The part of the plane `scene` shows.
GraphWindow window_of(const Scene& scene);
// `scene`'s window zoomed by `factor` (more than 1: closer) about the canvas
// point `about`, which keeps the plane's point under it.
GraphWindow zoomed(const Scene& scene, double factor, Point about);
// `scene`'s window moved with the pointer by (dx, dy) canvas pixels.
GraphWindow panned(const Scene& scene, double dx, double dy);
// The plane's x under the canvas's x.
double plane_x(const Scene& scene, double canvas_x);
// The curve's y at x, or nothing where it has none.
std::optional<double> curve_at(const calc::Plot& plot, double x);
// Whether the canvas point lies within `pixels` of the curve, measured up or down.
bool near_curve(const Scene& scene, const calc::Plot& plot, Point at, double pixels);
// The x of the curve's point nearest the canvas point, among those `scene`
// shows inside its plot; nothing where it shows none.
std::optional<double> nearest_on_curve(const Scene& scene, const calc::Plot& plot, Point at);
// `window` moved as little as keeps the plane's point (x, y) inside the plot
// `scene` shows, a tenth of the plot's size in from its edges: in each
// direction where it is not, the point comes to the middle. Unchanged when it
// already is, or when the point is not finite.
GraphWindow following(const Scene& scene, const GraphWindow& window, double x, double y);
// A traced point's coordinates as the graph labels it, to a tenth of the
// tick step in x and a hundredth in y: "(1.5, −2.75)".
std::string point_text(double x, double y, double x_step, double y_step);

} // namespace vornix::draw
