#include "clip.hpp"
#include "graph.hpp"
#include "graph_axes.hpp"
#include "graph_labels.hpp"
#include "graph_plane.hpp"
#include "graph_scale.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace vornix::draw {
namespace {

using detail::Box;
using detail::Range;
using detail::Real;

class SceneBuilder {
  public:
    SceneBuilder(const calc::Plot& plot, Canvas& canvas, const GraphOptions& options)
        : plot_(plot), canvas_(canvas), options_(options),
          s_(canvas.scale() * std::clamp(options.zoom, 0.25, 8.0)), labels_(scene_, canvas, s_),
          axes_(plane_, scene_, labels_, s_) {}

    Scene build() {
        scene_.dot_radius = 3 * s_;
        const double margin = 8 * canvas_.scale();
        scene_.left = margin;
        scene_.top = margin;
        scene_.right = std::max(canvas_.width() - margin, margin + 1);
        scene_.bottom = std::max(canvas_.height() - margin, margin + 1);
        plane_ = detail::fit_plane(plot_, options_.window, scene_, note_);
        axes_.choose_ticks();
        scene_.x_step = static_cast<double>(axes_.x_step());
        scene_.y_step = static_cast<double>(axes_.y_step());
        add_regions();
        axes_.add_lines();
        add_guides();
        add_base();
        add_curve();
        add_arrows();
        add_dots();
        // Every line and point is in: the texts go where they cover none.
        labels_.keep_clear_of_scene();
        axes_.add_tick_labels();
        axes_.add_names();
        add_guide_labels();
        add_mark_labels();
        add_trace_label();
        add_equation();
        add_base_equation();
        add_note();
        return scene_;
    }

  private:
    void line(std::vector<Point> points, Ink ink, double width, bool dashed = false) {
        scene_.lines.push_back({std::move(points), ink, width * s_, dashed});
    }

    void add_guides() {
        for (const calc::PlotGuide& guide : plot_.guides) {
            if (!std::isfinite(guide.at)) {
                continue;
            }
            if (guide.vertical) {
                const double x = plane_.px(guide.at);
                line({{x, scene_.top}, {x, scene_.bottom}}, Ink::Guide, 1.2, true);
            } else {
                const double y = plane_.py(guide.at);
                line({{scene_.left, y}, {scene_.right, y}}, Ink::Guide, 1.2, true);
            }
        }
    }

    void add_guide_labels() {
        for (const calc::PlotGuide& guide : plot_.guides) {
            if (!std::isfinite(guide.at)) {
                continue;
            }
            const Point at = guide.vertical ? Point{plane_.px(guide.at), scene_.top + 24 * s_}
                                            : Point{scene_.right - 60 * s_, plane_.py(guide.at)};
            labels_.place_near(guide.label, at, Ink::Guide);
        }
    }

    void add_regions() {
        if (plot_.region.size() < 3) {
            return;
        }
        std::vector<Point> corners;
        for (const calc::PlotPoint& corner : plot_.region) {
            if (!std::isfinite(corner.x) || !std::isfinite(corner.y)) {
                return;
            }
            corners.push_back({held(plane_.px(corner.x), true), held(plane_.py(corner.y), false)});
        }
        corners = detail::clip_polygon(std::move(corners), plot_box());
        if (corners.size() >= 3) {
            scene_.regions.push_back(std::move(corners));
        }
    }

    Box plot_box() const { return {scene_.left, scene_.top, scene_.right, scene_.bottom}; }

    // A line of the plane's, cut to the plot.
    void plane_line(const std::vector<Point>& points, Ink ink, double width, bool dashed = false) {
        for (std::vector<Point>& run : detail::clip_polyline(points, plot_box())) {
            line(std::move(run), ink, width, dashed);
        }
    }

    // A canvas coordinate held a little outside the canvas, so that a far
    // point still gives a drawable polygon or arrow pointing the right way.
    double held(double value, bool horizontal) const {
        const double size = horizontal ? canvas_.width() : canvas_.height();
        return std::isnan(value) ? 0 : std::clamp(value, -size, 2 * size);
    }

    void add_base() {
        if (!plot_.base) {
            return;
        }
        base_points_ = sampled(plot_.base_a, plot_.base_b, 0);
        plane_line(base_points_, Ink::Base, 1.2, true);
    }

    void add_arrows() {
        for (const auto& [from, to] : plot_.arrows) {
            if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(to.x) ||
                !std::isfinite(to.y)) {
                continue;
            }
            const Point start{held(plane_.px(from.x), true), held(plane_.py(from.y), false)};
            const Point end{held(plane_.px(to.x), true), held(plane_.py(to.y), false)};
            const double length = std::hypot(end.x - start.x, end.y - start.y);
            if (length < 6 * s_) {
                continue; // too short to show which way it goes
            }
            const double ux = (end.x - start.x) / length;
            const double uy = (end.y - start.y) / length;
            const double head = 7 * s_;
            plane_line({start, end}, Ink::Guide, 1.4);
            plane_line({{end.x - head * ux - head * 0.5 * uy, end.y - head * uy + head * 0.5 * ux},
                        end,
                        {end.x - head * ux + head * 0.5 * uy, end.y - head * uy - head * 0.5 * ux}},
                       Ink::Guide, 1.4);
        }
    }

    // The traced point of the curve, where it is in view.
    std::optional<Point> traced() const {
        if (!options_.trace_x || !plot_.curve) {
            return std::nullopt;
        }
        const std::optional<double> y = curve_at(plot_, *options_.trace_x);
        if (!y) {
            return std::nullopt;
        }
        const Point at{plane_.px(*options_.trace_x), plane_.py(*y)};
        if (!std::isfinite(at.x) || !std::isfinite(at.y) || at.x < scene_.left ||
            at.x > scene_.right || at.y < scene_.top || at.y > scene_.bottom) {
            return std::nullopt;
        }
        return at;
    }

    void add_trace_label() {
        if (!scene_.trace) {
            return;
        }
        const double x = *options_.trace_x;
        const double y = *curve_at(plot_, x);
        labels_.place_near(point_text(x, y, scene_.x_step, scene_.y_step), *scene_.trace,
                           Ink::Trace);
    }

    void add_base_equation() {
        if (!plot_.base || plot_.base_equation.empty() || base_points_.empty()) {
            return;
        }
        for (const double share : {0.2, 0.35, 0.8, 0.1, 0.9}) {
            const Point& at = base_points_[static_cast<std::size_t>(
                share * static_cast<double>(base_points_.size() - 1))];
            if (at.y > scene_.top + 20 * s_ && at.y < scene_.bottom - 4 * s_ &&
                labels_.place_near(plot_.base_equation, at, Ink::Base, false)) {
                return;
            }
        }
    }

    // A curve's y on the canvas at the canvas's x, held a little outside it.
    double curve_y(double x_pixel, double a, double b, double c) const {
        const Real x = plane_.x.lo + (x_pixel - scene_.left) * plane_.ux;
        const Real y = (static_cast<Real>(a) * x + b) * x + c;
        const double above = scene_.top - canvas_.height();
        const double below = scene_.bottom + canvas_.height();
        if (std::isnan(y)) {
            return below;
        }
        return std::clamp(plane_.py(y), above, below);
    }
    double curve_y(double x_pixel) const { return curve_y(x_pixel, plot_.a, plot_.b, plot_.c); }

    std::vector<Point> sampled(double a, double b, double c) const {
        std::vector<Point> points;
        const double step = std::max(1.0, canvas_.scale());
        points.reserve(static_cast<std::size_t>((scene_.right - scene_.left) / step) + 2);
        for (double x = scene_.left; x <= scene_.right; x += step) {
            points.push_back({x, curve_y(x, a, b, c)});
        }
        return points;
    }

    void add_curve() {
        if (!plot_.curve) {
            return;
        }
        curve_points_ = sampled(plot_.a, plot_.b, plot_.c);
        plane_line(curve_points_, Ink::Curve, 1.6);
    }

    void add_dots() {
        for (const calc::PlotMark& mark : plot_.marks) {
            if (std::isfinite(mark.x) && std::isfinite(mark.y)) {
                scene_.dots.push_back({plane_.px(mark.x), plane_.py(mark.y)});
            }
        }
        scene_.trace = traced();
    }

    // Each mark's label in full where it has room, else a shorter form.
    void add_mark_labels() {
        for (const calc::PlotMark& mark : plot_.marks) {
            if (!std::isfinite(mark.x) || !std::isfinite(mark.y)) {
                continue;
            }
            std::vector<std::string> forms{mark.label};
            forms.insert(forms.end(), mark.shorter.begin(), mark.shorter.end());
            labels_.place_near(forms, {plane_.px(mark.x), plane_.py(mark.y)}, Ink::Mark);
        }
    }

    // Why something is not drawn, in a corner where it covers nothing.
    void add_note() {
        if (note_.empty()) {
            return;
        }
        const double s = s_;
        const SceneText note = labels_.measured(note_, Ink::Text);
        const double right = scene_.right - 4 * s - note.extent.width;
        const double top = scene_.top + 4 * s + note.extent.ascent;
        const double bottom = scene_.bottom - 4 * s - note.extent.descent;
        labels_.place_at(note_, {{scene_.left + 4 * s, bottom},
                                 {scene_.left + 4 * s, top},
                                 {right, bottom},
                                 {right, top}});
    }

    // Beside the curve where it is in view, else in the top-left corner if it fits there.
    void add_equation() {
        if (!plot_.curve || plot_.equation.empty()) {
            return;
        }
        const double width = scene_.right - scene_.left;
        const double s = s_;
        for (const double share : {0.75, 0.62, 0.86, 0.5, 0.3, 0.15}) {
            const double x = scene_.left + share * width;
            const double y = curve_y(x);
            if (y > scene_.top + 20 * s && y < scene_.bottom - 4 * s &&
                labels_.place_near(plot_.equation, {x, y}, Ink::Curve, false)) {
                return;
            }
        }
        // An equation too long for any clear place is left to the working beside.
        SceneText corner = labels_.measured(plot_.equation, Ink::Curve);
        corner.baseline_left = {scene_.left + 4 * s, scene_.top + 14 * s};
        labels_.place_if_clear(std::move(corner));
    }

    const calc::Plot& plot_;
    Canvas& canvas_;
    const GraphOptions& options_;
    double s_; // the canvas's scale times the zoom
    Scene scene_;
    detail::Labels labels_;
    detail::Plane plane_;
    detail::Axes axes_;
    std::vector<Point> curve_points_;
    std::vector<Point> base_points_;
    std::string note_;
};

} // namespace

Scene build_scene(const calc::Plot& plot, Canvas& canvas, const GraphOptions& options) {
    return SceneBuilder(plot, canvas, options).build();
}

} // namespace vornix::draw
