// The part of the plane a graph shows, moved by the user, and the curve's
// points as the pointer and the keyboard follow them.
#include "graph.hpp"
#include "graph_scale.hpp"

#include <cmath>
#include <limits>

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

std::optional<double> nearest_on_curve(const Scene& scene, const calc::Plot& plot, Point at) {
    // The distance to the curve's point above the canvas's x; none outside the plot.
    const auto distance = [&](double canvas_x) -> std::optional<double> {
        const std::optional<double> y = curve_at(plot, plane_x(scene, canvas_x));
        const double canvas_y = y ? scene.y_offset - *y * scene.y_scale : 0;
        if (!y || canvas_y < scene.top || canvas_y > scene.bottom) {
            return std::nullopt;
        }
        return std::hypot(canvas_x - at.x, canvas_y - at.y);
    };
    std::optional<double> best;
    double least = std::numeric_limits<double>::infinity();
    for (double canvas_x = scene.left; canvas_x <= scene.right; canvas_x += 1) {
        if (const std::optional<double> d = distance(canvas_x); d && *d < least) {
            least = *d;
            best = canvas_x;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    // Where the curve is steep, its nearest point lies between two columns.
    double lo = std::max(*best - 1, scene.left);
    double hi = std::min(*best + 1, scene.right);
    for (int i = 0; i < 40; ++i) {
        const double a = lo + (hi - lo) / 3;
        const double b = hi - (hi - lo) / 3;
        const double da = distance(a).value_or(least);
        const double db = distance(b).value_or(least);
        (da <= db ? hi : lo) = da <= db ? b : a;
    }
    const double refined = (lo + hi) / 2;
    return plane_x(scene, distance(refined).value_or(least) <= least ? refined : *best);
}

GraphWindow following(const Scene& scene, const GraphWindow& window, double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return window;
    }
    GraphWindow moved = window;
    const double width = scene.right - scene.left;
    const double height = scene.bottom - scene.top;
    const double canvas_x = scene.x_offset + x * scene.x_scale;
    const double canvas_y = scene.y_offset - y * scene.y_scale;
    if (canvas_x < scene.left + width / 10 || canvas_x > scene.right - width / 10) {
        moved.centre_x = x;
    }
    if (canvas_y < scene.top + height / 10 || canvas_y > scene.bottom - height / 10) {
        moved.centre_y = y;
    }
    return moved;
}

std::string point_text(double x, double y, double x_step, double y_step) {
    // A tenth of a tick step for x, which the keyboard moves by whole steps
    // and the pointer by tenths; y as the curve gives it, to a hundredth.
    return "(" + detail::tick_text(x, detail::Real(x_step) / 10) + ", " +
           detail::tick_text(y, detail::Real(y_step) / 100) + ")";
}

} // namespace vornix::draw
