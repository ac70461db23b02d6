#include "clip.hpp"
#include "graph.hpp"
#include "graph_labels.hpp"
#include "graph_scale.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace vornix::draw {
namespace {

using detail::Box;
using detail::Range;
using detail::Real;

constexpr double kTickPixels = 70; // wanted between ticks, at 96 DPI
// Units on one axis may be up to this many times those on the other before
// each axis is scaled on its own.
constexpr Real kEqualUnitsRatio = 10;

// A tick's label, and where it goes when something lies at its place.
struct TickLabel {
    SceneText label;
    Point other_side;
};

class SceneBuilder {
  public:
    SceneBuilder(const calc::Plot& plot, Canvas& canvas, const GraphOptions& options)
        : plot_(plot), canvas_(canvas), options_(options),
          s_(canvas.scale() * std::clamp(options.zoom, 0.25, 8.0)), labels_(scene_, canvas, s_) {}

    Scene build() {
        scene_.dot_radius = 3 * s_;
        const double margin = 8 * canvas_.scale();
        scene_.left = margin;
        scene_.top = margin;
        scene_.right = std::max(canvas_.width() - margin, margin + 1);
        scene_.bottom = std::max(canvas_.height() - margin, margin + 1);
        choose_ranges();
        choose_ticks(true);
        choose_ticks(false);
        add_regions();
        add_grid_and_axes();
        add_guides();
        add_base();
        add_curve();
        add_arrows();
        add_dots();
        // Every line and point is in: the texts go where they cover none.
        labels_.keep_clear_of_scene();
        settle_tick_labels();
        add_axis_names();
        add_guide_labels();
        add_mark_labels();
        add_trace_label();
        add_equation();
        add_base_equation();
        add_note();
        return scene_;
    }

  private:
    void choose_ranges() {
        std::vector<Real> xs;
        std::vector<Real> ys;
        for (const calc::PlotMark& mark : plot_.marks) {
            if (std::isfinite(mark.x) && std::isfinite(mark.y)) {
                xs.push_back(mark.x);
                ys.push_back(mark.y);
            } else {
                note_ = "有的点太远，画不出来.";
            }
        }
        for (const calc::PlotGuide& guide : plot_.guides) {
            if (std::isfinite(guide.at)) {
                (guide.vertical ? xs : ys).push_back(guide.at);
            }
        }
        for (const calc::PlotPoint& point : plot_.kept_in_view) {
            if (std::isfinite(point.x) && std::isfinite(point.y)) {
                xs.push_back(point.x);
                ys.push_back(point.y);
            }
        }
        if (!plot_.note.empty()) {
            note_ = plot_.note;
        }
        const Real width = scene_.right - scene_.left;
        const Real height = scene_.bottom - scene_.top;
        if (options_.window && usable(*options_.window)) {
            show_window(*options_.window, width, height);
            return;
        }
        x_ = detail::range_of(xs, note_);
        y_ = detail::range_of(ys, note_);
        Real ux = (x_.hi - x_.lo) / width;
        Real uy = (y_.hi - y_.lo) / height;
        scene_.equal_units = std::max(ux, uy) <= kEqualUnitsRatio * std::min(ux, uy);
        if (scene_.equal_units) {
            const Real unit = std::max(ux, uy);
            widen(x_, unit * width);
            widen(y_, unit * height);
            ux = uy = unit;
        }
        ux_ = ux;
        uy_ = uy;
        scene_.x_scale = static_cast<double>(1 / ux);
        scene_.y_scale = static_cast<double>(1 / uy);
        scene_.x_offset = static_cast<double>(scene_.left - x_.lo / ux);
        scene_.y_offset = static_cast<double>(scene_.top + y_.hi / uy);
    }

    static bool usable(const GraphWindow& window) {
        return std::isfinite(window.centre_x) && std::isfinite(window.centre_y) &&
               std::isfinite(window.x_unit) && std::isfinite(window.y_unit) && window.x_unit > 0 &&
               window.y_unit > 0;
    }

    void show_window(const GraphWindow& window, Real width, Real height) {
        ux_ = window.x_unit;
        uy_ = window.y_unit;
        x_ = {window.centre_x - ux_ * width / 2, window.centre_x + ux_ * width / 2};
        y_ = {window.centre_y - uy_ * height / 2, window.centre_y + uy_ * height / 2};
        scene_.equal_units = window.x_unit == window.y_unit;
        scene_.x_scale = static_cast<double>(1 / ux_);
        scene_.y_scale = static_cast<double>(1 / uy_);
        scene_.x_offset = static_cast<double>(scene_.left - x_.lo / ux_);
        scene_.y_offset = static_cast<double>(scene_.top + y_.hi / uy_);
    }

    static void widen(Range& range, Real span) {
        const Real middle = range.lo / 2 + range.hi / 2;
        range.lo = middle - span / 2;
        range.hi = middle + span / 2;
    }

    double px(Real x) const { return static_cast<double>(scene_.left + (x - x_.lo) / ux_); }
    double py(Real y) const { return static_cast<double>(scene_.top + (y_.hi - y) / uy_); }

    // The largest step at which no two labels of the axis overlap.
    void choose_ticks(bool horizontal) {
        const Range& range = horizontal ? x_ : y_;
        const Real unit = horizontal ? ux_ : uy_;
        Real step = detail::nice_step(unit * kTickPixels * s_);
        std::vector<TickLabel> labels;
        for (int tries = 0; tries < 40; ++tries, step = detail::next_step(step)) {
            labels = tick_labels(range, step, horizontal);
            if (!crowded(labels, horizontal)) {
                break;
            }
        }
        (horizontal ? x_step_ : y_step_) = step;
        (horizontal ? scene_.x_step : scene_.y_step) = static_cast<double>(step);
        for (TickLabel& label : labels) {
            ticks_.push_back(std::move(label));
        }
    }

    Real axis_y() const { return y_.lo <= 0 && y_.hi >= 0 ? 0 : y_.lo; }
    Real axis_x() const { return x_.lo <= 0 && x_.hi >= 0 ? 0 : x_.lo; }

    // Each label below its tick on the x axis, left of it on the y axis;
    // the other side of the axis is where it goes if something lies there.
    std::vector<TickLabel> tick_labels(const Range& range, Real step, bool horizontal) {
        const double s = s_;
        std::vector<TickLabel> labels;
        for (const Real value : detail::ticks(range, step)) {
            if (value == 0 && axis_x() == 0 && axis_y() == 0) {
                continue; // the origin is named O
            }
            TickLabel tick{labels_.measured(detail::tick_text(value, step), Ink::Text), {}};
            const TextExtent& extent = tick.label.extent;
            if (horizontal) {
                const double x = px(value) - extent.width / 2;
                tick.label.baseline_left = {x, py(axis_y()) + 4 * s + extent.ascent};
                tick.other_side = {x, py(axis_y()) - 4 * s - extent.descent};
            } else {
                const double y = py(value) + (extent.ascent - extent.descent) / 2;
                const double left = px(axis_x()) - 4 * s - extent.width;
                const double right = px(axis_x()) + 4 * s;
                tick.label.baseline_left = {left < 0 ? right : left, y};
                tick.other_side = {left < 0 ? left : right, y};
            }
            labels.push_back(std::move(tick));
        }
        return labels;
    }

    // A tick label the curve, a guide, an arrow or a point would run through
    // goes to the other side of its axis, or else is left out: the grid
    // line still shows where its tick is.
    void settle_tick_labels() {
        for (TickLabel& tick : ticks_) {
            for (const Point& place : {tick.label.baseline_left, tick.other_side}) {
                tick.label.baseline_left = place;
                if (labels_.inside_plot(tick.label) && !labels_.covers_lines(tick.label) &&
                    !labels_.on_text(tick.label)) {
                    scene_.tick_labels.push_back(std::move(tick.label));
                    break;
                }
            }
        }
    }

    bool crowded(const std::vector<TickLabel>& labels, bool horizontal) const {
        const double gap = 6 * s_;
        for (std::size_t i = 1; i < labels.size(); ++i) {
            const SceneText& a = labels[i - 1].label;
            const SceneText& b = labels[i].label;
            if (horizontal ? a.baseline_left.x + a.extent.width + gap > b.baseline_left.x
                           : std::fabs(a.baseline_left.y - b.baseline_left.y) <
                                 a.extent.ascent + a.extent.descent + gap / 2) {
                return true;
            }
        }
        return false;
    }

    void line(std::vector<Point> points, Ink ink, double width, bool dashed = false) {
        scene_.lines.push_back({std::move(points), ink, width * s_, dashed});
    }

    void add_grid_and_axes() {
        const double s = s_;
        for (const Real x : detail::ticks(x_, x_step_)) {
            line({{px(x), scene_.top}, {px(x), scene_.bottom}}, Ink::Grid, 1);
        }
        for (const Real y : detail::ticks(y_, y_step_)) {
            line({{scene_.left, py(y)}, {scene_.right, py(y)}}, Ink::Grid, 1);
        }
        const double ax = px(axis_x());
        const double ay = py(axis_y());
        line({{scene_.left, ay}, {scene_.right, ay}}, Ink::Axis, 1.2);
        line({{ax, scene_.bottom}, {ax, scene_.top}}, Ink::Axis, 1.2);
        line({{scene_.right - 8 * s, ay - 4 * s},
              {scene_.right, ay},
              {scene_.right - 8 * s, ay + 4 * s}},
             Ink::Axis, 1.2);
        line({{ax - 4 * s, scene_.top + 8 * s}, {ax, scene_.top}, {ax + 4 * s, scene_.top + 8 * s}},
             Ink::Axis, 1.2);
        for (const Real x : detail::ticks(x_, x_step_)) {
            line({{px(x), ay - 3 * s}, {px(x), ay}}, Ink::Axis, 1);
        }
        for (const Real y : detail::ticks(y_, y_step_)) {
            line({{ax, py(y)}, {ax + 3 * s, py(y)}}, Ink::Axis, 1);
        }
    }

    // The axes' names, where the curve and the tick labels leave room.
    void add_axis_names() {
        const double s = s_;
        const double ax = px(axis_x());
        const double ay = py(axis_y());
        const SceneText x_name = labels_.measured("x", Ink::Text);
        const double w = x_name.extent.width;
        const double a = x_name.extent.ascent;
        labels_.place_at("x", {{scene_.right - w - 2 * s, ay - 6 * s},
                               {scene_.right - w - 2 * s, ay + a + 6 * s},
                               {scene_.right - w - 14 * s, ay - 6 * s},
                               {scene_.right - w - 14 * s, ay + a + 6 * s}});
        labels_.place_at("y", {{ax + 8 * s, scene_.top + a + 2 * s},
                               {ax - w - 8 * s, scene_.top + a + 2 * s},
                               {ax + 8 * s, scene_.top + a + 14 * s},
                               {ax - w - 8 * s, scene_.top + a + 14 * s}});
        if (axis_x() == 0 && axis_y() == 0) {
            const SceneText origin = labels_.measured("O", Ink::Text);
            const double ow = origin.extent.width;
            const double oa = origin.extent.ascent;
            labels_.place_at("O", {{ax - ow - 3 * s, ay + oa + 3 * s},
                                   {ax + 3 * s, ay + oa + 3 * s},
                                   {ax - ow - 3 * s, ay - 3 * s},
                                   {ax + 3 * s, ay - 3 * s}});
        }
    }

    void add_guides() {
        for (const calc::PlotGuide& guide : plot_.guides) {
            if (!std::isfinite(guide.at)) {
                continue;
            }
            if (guide.vertical) {
                const double x = px(guide.at);
                line({{x, scene_.top}, {x, scene_.bottom}}, Ink::Guide, 1.2, true);
            } else {
                const double y = py(guide.at);
                line({{scene_.left, y}, {scene_.right, y}}, Ink::Guide, 1.2, true);
            }
        }
    }

    void add_guide_labels() {
        for (const calc::PlotGuide& guide : plot_.guides) {
            if (!std::isfinite(guide.at)) {
                continue;
            }
            const Point at = guide.vertical ? Point{px(guide.at), scene_.top + 24 * s_}
                                            : Point{scene_.right - 60 * s_, py(guide.at)};
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
            corners.push_back({held(px(corner.x), true), held(py(corner.y), false)});
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
            const Point start{held(px(from.x), true), held(py(from.y), false)};
            const Point end{held(px(to.x), true), held(py(to.y), false)};
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
        const Point at{px(*options_.trace_x), py(*y)};
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
        labels_.place_near(
            point_text(x, y, static_cast<double>(x_step_), static_cast<double>(y_step_)),
            *scene_.trace, Ink::Trace);
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
        const Real x = x_.lo + (x_pixel - scene_.left) * ux_;
        const Real y = (static_cast<Real>(a) * x + b) * x + c;
        const double above = scene_.top - canvas_.height();
        const double below = scene_.bottom + canvas_.height();
        if (std::isnan(y)) {
            return below;
        }
        return std::clamp(py(y), above, below);
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
                scene_.dots.push_back({px(mark.x), py(mark.y)});
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
            labels_.place_near(forms, {px(mark.x), py(mark.y)}, Ink::Mark);
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
    std::vector<TickLabel> ticks_;
    std::vector<Point> curve_points_;
    std::vector<Point> base_points_;
    Range x_{};
    Range y_{};
    Real ux_ = 1;
    Real uy_ = 1;
    Real x_step_ = 1;
    Real y_step_ = 1;
    std::string note_;
};

} // namespace

Scene build_scene(const calc::Plot& plot, Canvas& canvas, const GraphOptions& options) {
    return SceneBuilder(plot, canvas, options).build();
}

} // namespace vornix::draw
