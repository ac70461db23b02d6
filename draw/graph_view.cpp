// The part of the plane a graph shows, moved by the user, and the curve's
// points as the pointer and the keyboard follow them.
#include "graph.hpp"
#include "graph_scale.hpp"

#include <cmath>

namespace vornix::draw {

GraphWindow window_of(const Scene& scene) {
    const double width = scene.right - scene.left;
    const double height = scene.bottom - scene.top;
    return {plane_x(scene, scene.left + width / 2),
            (scene.y_offset - (scene.top + height / 2)) / scene.y_scale, 1 / scene.x_scale,
            1 / scene.y_scale};
}

GraphWindow zoomed(const Scene& scene, double factor, Point about) {
    GraphWindow window = window_of(scene);
    if (!(factor > 0) || !std::isfinite(factor)) {
        return window;
    }
    const double x = plane_x(scene, about.x);
    const double y = (scene.y_offset - about.y) / scene.y_scale;
    window.x_unit /= factor;
    window.y_unit /= factor;
    window.centre_x = x + (window.centre_x - x) / factor;
    window.centre_y = y + (window.centre_y - y) / factor;
    return window;
}

GraphWindow panned(const Scene& scene, double dx, double dy) {
    GraphWindow window = window_of(scene);
    window.centre_x -= dx * window.x_unit;
    window.centre_y += dy * window.y_unit;
    return window;
}

double plane_x(const Scene& scene, double canvas_x) {
    return (canvas_x - scene.x_offset) / scene.x_scale;
}

std::optional<double> curve_at(const calc::Plot& plot, double x) {
    if (!plot.curve || !std::isfinite(x)) {
        return std::nullopt;
    }
    const double y = (plot.a * x + plot.b) * x + plot.c;
    return std::isfinite(y) ? std::optional<double>(y) : std::nullopt;
}

bool near_curve(const Scene& scene, const calc::Plot& plot, Point at, double pixels) {
    const std::optional<double> y = curve_at(plot, plane_x(scene, at.x));
    return y && std::fabs(scene.y_offset - *y * scene.y_scale - at.y) <= pixels;
}

std::string point_text(double x, double y, double x_step, double y_step) {
    // A tenth of a tick step for x, which the keyboard moves by whole steps
    // and the pointer by tenths; y as the curve gives it, to a hundredth.
    return "(" + detail::tick_text(x, detail::Real(x_step) / 10) + ", " +
           detail::tick_text(y, detail::Real(y_step) / 100) + ")";
}

} // namespace vornix::draw
