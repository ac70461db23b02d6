#include "graph_plane.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vornix::draw::detail {
namespace {

// Units on one axis may be up to this many times those on the other before
// each axis is scaled on its own.
constexpr Real kEqualUnitsRatio = 10;

bool usable(const GraphWindow& window) {
    return std::isfinite(window.centre_x) && std::isfinite(window.centre_y) &&
           std::isfinite(window.x_unit) && std::isfinite(window.y_unit) && window.x_unit > 0 &&
           window.y_unit > 0;
}

void widen(Range& range, Real span) {
    const Real middle = range.lo / 2 + range.hi / 2;
    range.lo = middle - span / 2;
    range.hi = middle + span / 2;
}

void set_transform(const Plane& plane, Scene& scene) {
    scene.x_scale = static_cast<double>(1 / plane.ux);
    scene.y_scale = static_cast<double>(1 / plane.uy);
    scene.x_offset = static_cast<double>(scene.left - plane.x.lo / plane.ux);
    scene.y_offset = static_cast<double>(scene.top + plane.y.hi / plane.uy);
}

// The window given, at the plot's size.
Plane shown(const GraphWindow& window, Real width, Real height) {
    Plane plane;
    plane.ux = window.x_unit;
    plane.uy = window.y_unit;
    plane.x = {window.centre_x - plane.ux * width / 2, window.centre_x + plane.ux * width / 2};
    plane.y = {window.centre_y - plane.uy * height / 2, window.centre_y + plane.uy * height / 2};
    return plane;
}

} // namespace

Plane fit_plane(const calc::Plot& plot, const std::optional<GraphWindow>& window, Scene& scene,
                std::string& note) {
    std::vector<Real> xs;
    std::vector<Real> ys;
    for (const calc::PlotMark& mark : plot.marks) {
        if (std::isfinite(mark.x) && std::isfinite(mark.y)) {
            xs.push_back(mark.x);
            ys.push_back(mark.y);
        } else {
            note = "有的点太远，画不出来.";
        }
    }
    for (const calc::PlotGuide& guide : plot.guides) {
        if (std::isfinite(guide.at)) {
            (guide.vertical ? xs : ys).push_back(guide.at);
        }
    }
    for (const calc::PlotPoint& point : plot.kept_in_view) {
        if (std::isfinite(point.x) && std::isfinite(point.y)) {
            xs.push_back(point.x);
            ys.push_back(point.y);
        }
    }
    if (!plot.note.empty()) {
        note = plot.note;
    }
    const Real width = scene.right - scene.left;
    const Real height = scene.bottom - scene.top;
    Plane plane;
    if (window && usable(*window)) {
        plane = shown(*window, width, height);
        scene.equal_units = window->x_unit == window->y_unit;
    } else {
        plane.x = range_of(xs, note);
        plane.y = range_of(ys, note);
        plane.ux = (plane.x.hi - plane.x.lo) / width;
        plane.uy = (plane.y.hi - plane.y.lo) / height;
        scene.equal_units =
            std::max(plane.ux, plane.uy) <= kEqualUnitsRatio * std::min(plane.ux, plane.uy);
        if (scene.equal_units) {
            const Real unit = std::max(plane.ux, plane.uy);
            widen(plane.x, unit * width);
            widen(plane.y, unit * height);
            plane.ux = plane.uy = unit;
        }
    }
    plane.left = scene.left;
    plane.top = scene.top;
    set_transform(plane, scene);
    return plane;
}

} // namespace vornix::draw::detail
