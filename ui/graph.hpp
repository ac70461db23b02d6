// The graph as a textbook draws it, as a scene of lines, dots and anchored
// texts on a canvas of a given size: axes with arrows and names, a light grid,
// ticks at nice steps (1, 2 or 5 × 10ⁿ, Heckbert's nice numbers) whose labels
// never overlap, the curve, the marked points with their labels, the dashed
// guides and the function's equation beside the curve. Equal units on both
// axes unless that would squeeze the marked points into a sliver.
#pragma once

#include "canvas.hpp"
#include "exercise.hpp"

#include <string>
#include <vector>

namespace vornix::ui {

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
    std::vector<SceneLines> lines;
    std::vector<Point> dots;
    double dot_radius = 0;
    std::vector<SceneText> texts;
    std::vector<SceneText> tick_labels; // kept apart, so that their spacing can be checked
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

// The scene for `plot` at the canvas's size, its texts measured on it.
Scene build_scene(const calc::Plot& plot, Canvas& canvas);

void draw(const Scene& scene, Canvas& canvas);

// The size of the graph's texts, in points.
inline constexpr double kGraphPoints = 9;

} // namespace vornix::ui
