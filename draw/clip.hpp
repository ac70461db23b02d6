// Lines and regions of the plane cut to the plot's rectangle, so that
// nothing the plane holds is drawn outside the graph's frame.
#pragma once

#include "canvas.hpp"

#include <optional>
#include <utility>
#include <vector>

namespace vornix::draw::detail {

struct Box {
    double left;
    double top;
    double right;
    double bottom;
};

// The part of the segment p–q inside the box (Liang and Barsky), or nothing.
std::optional<std::pair<Point, Point>> clip_segment(Point p, Point q, const Box& box);

// The polyline cut to the box: the runs of it inside, each a polyline.
std::vector<std::vector<Point>> clip_polyline(const std::vector<Point>& points, const Box& box);

// The polygon cut to the box (Sutherland and Hodgman).
std::vector<Point> clip_polygon(std::vector<Point> polygon, const Box& box);

} // namespace vornix::draw::detail
