// The part of the plane a graph shows, and how its points map to the plot's
// pixels: the window the user has moved to, else the one that fits the
// marked points, with equal units on both axes unless that would squeeze
// them into a sliver.
#pragma once

#include "graph.hpp"
#include "graph_scale.hpp"

#include <optional>
#include <string>

namespace vornix::draw::detail {

struct Plane {
    Range x{};
    Range y{};
    Real ux = 1; // the plane's units a pixel
    Real uy = 1;
    double left = 0; // the plot's top-left corner on the canvas
    double top = 0;

    double px(Real value) const { return static_cast<double>(left + (value - x.lo) / ux); }
    double py(Real value) const { return static_cast<double>(top + (y.hi - value) / uy); }
    // Where the axes stand: through the origin where it is in view, else
    // along the plot's left and bottom edges.
    Real axis_x() const { return x.lo <= 0 && x.hi >= 0 ? 0 : x.lo; }
    Real axis_y() const { return y.lo <= 0 && y.hi >= 0 ? 0 : y.lo; }
};

// The plane for `plot` in `scene`'s plot, whose transform and equal_units it
// sets; `note` says why a point cannot be drawn, where one cannot.
Plane fit_plane(const calc::Plot& plot, const std::optional<GraphWindow>& window, Scene& scene,
                std::string& note);

} // namespace vornix::draw::detail
