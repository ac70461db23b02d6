#include "graph.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vornix::ui {
namespace {

// Extended precision, so that a plane spanning ±1E+308 can be measured and
// divided without running out of range.
using Real = long double;

constexpr Real kMarginShare = 0.12L;
// Units on one axis may be up to this many times those on the other before
// each axis is scaled on its own.
constexpr Real kEqualUnitsRatio = 10;
constexpr double kTickPixels = 70; // wanted between ticks, at 96 DPI

struct Range {
    Real lo;
    Real hi;
};

// The values' range with a margin, the origin in it unless that would
// squeeze the values into a small part of it.
Range range_of(const std::vector<Real>& values, std::string& note) {
    if (values.empty()) {
        return {-5, 5};
    }
    Real lo = *std::ranges::min_element(values);
    Real hi = *std::ranges::max_element(values);
    const Real spread = hi - lo;
    if (spread == 0 || std::max(hi, Real(0)) - std::min(lo, Real(0)) <= 8 * spread) {
        lo = std::min(lo, Real(0));
        hi = std::max(hi, Real(0));
    }
    if (hi == lo) {
        const Real half = lo == 0 ? 1 : std::fabs(lo) / 2;
        lo -= half;
        hi += half;
    }
    // Closer than doubles can tell apart: spread to what they can.
    const Real resolution = std::max(std::fabs(lo), std::fabs(hi)) * 1e-12L;
    if (hi - lo < resolution) {
        const Real middle = lo / 2 + hi / 2;
        lo = middle - resolution / 2;
        hi = middle + resolution / 2;
        note = "各点相距太近，在同一幅图上分不开.";
    }
    const Real margin = (hi - lo) * kMarginShare;
    return {lo - margin, hi + margin};
}

Real nice_step(Real raw) {
    const Real power = std::pow(Real(10), std::floor(std::log10(raw)));
    const Real mantissa = raw / power;
    return (mantissa < 1.5L ? 1 : mantissa < 3 ? 2 : mantissa < 7 ? 5 : 10) * power;
}

// The next nice step: 1 → 2 → 5 → 10.
Real next_step(Real step) {
    const Real power = std::pow(Real(10), std::floor(std::log10(step) + 1e-9L));
    const Real mantissa = std::round(step / power);
    return (mantissa < 1.5L ? 2 : mantissa < 3.5L ? 5 : 10) * power;
}

std::string with_minus_sign(std::string text) {
    if (!text.empty() && text[0] == '-') {
        text.replace(0, 1, "−");
    }
    return text;
}

// "1.50" as "1.5", "1.0" as "1".
std::string without_trailing_zeros(std::string number) {
    if (number.find('.') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.') {
            number.pop_back();
        }
    }
    return number;
}

// A tick's label, with as many digits as its step needs; E notation for the
// very large and the very small.
std::string tick_text(Real value, Real step) {
    if (std::fabs(value) < step * 1e-6L) {
        return "0";
    }
    char text[64];
    const Real largest = std::fabs(value);
    if (step >= 1e-4L && largest < 1e7L) {
        const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9L));
        std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
        return with_minus_sign(without_trailing_zeros(text));
    }
    const int digits = std::max(0, static_cast<int>(std::floor(std::log10(largest)) -
                                                    std::floor(std::log10(step) + 1e-9L)));
    std::snprintf(text, sizeof text, "%.*E", std::min(digits, 6), static_cast<double>(value));
    const std::string written = text;
    const std::size_t e = written.find('E');
    return with_minus_sign(without_trailing_zeros(written.substr(0, e)) + written.substr(e));
}

struct Box {
    double left;
    double top;
    double right;
    double bottom;
};

// The part of the segment p–q inside the box (Liang and Barsky), or nothing.
std::optional<std::pair<Point, Point>> clip_segment(Point p, Point q, const Box& box) {
    double enter = 0;
    double leave = 1;
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    for (const auto& [step, room] :
         {std::pair{-dx, p.x - box.left}, std::pair{dx, box.right - p.x},
          std::pair{-dy, p.y - box.top}, std::pair{dy, box.bottom - p.y}}) {
        if (step == 0) {
            if (room < 0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = room / step;
        if (step < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) {
        return std::nullopt;
    }
    return std::pair{Point{p.x + enter * dx, p.y + enter * dy},
                     Point{p.x + leave * dx, p.y + leave * dy}};
}

// The polyline cut to the box: the runs of it inside, each a polyline.
std::vector<std::vector<Point>> clip_polyline(const std::vector<Point>& points, const Box& box) {
    std::vector<std::vector<Point>> runs;
    bool joined = false;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto inside = clip_segment(points[i - 1], points[i], box);
        if (!inside) {
            joined = false;
            continue;
        }
        if (!joined) {
            runs.push_back({inside->first});
        }
        runs.back().push_back(inside->second);
        // The next segment joins on only if this one ran on to its end.
        joined = inside->second.x == points[i].x && inside->second.y == points[i].y;
    }
    return runs;
}

// The polygon cut to the box (Sutherland and Hodgman).
std::vector<Point> clip_polygon(std::vector<Point> polygon, const Box& box) {
    const auto cut = [&](auto inside, auto crossing) {
        std::vector<Point> kept;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const Point& p = polygon[i];
            const Point& q = polygon[(i + 1) % polygon.size()];
            if (inside(p)) {
                kept.push_back(p);
            }
            if (inside(p) != inside(q)) {
                kept.push_back(crossing(p, q));
            }
        }
        polygon = std::move(kept);
    };
    const auto at_x = [](double x) {
        return [x](Point p, Point q) {
            return Point{x, p.y + (q.y - p.y) * (x - p.x) / (q.x - p.x)};
        };
    };
    const auto at_y = [](double y) {
        return [y](Point p, Point q) {
            return Point{p.x + (q.x - p.x) * (y - p.y) / (q.y - p.y), y};
        };
    };
    cut([&](Point p) { return p.x >= box.left; }, at_x(box.left));
    cut([&](Point p) { return p.x <= box.right; }, at_x(box.right));
    cut([&](Point p) { return p.y >= box.top; }, at_y(box.top));
    cut([&](Point p) { return p.y <= box.bottom; }, at_y(box.bottom));
    return polygon;
}

class SceneBuilder {
  public:
    SceneBuilder(const calc::Plot& plot, Canvas& canvas, const GraphOptions& options)
        : plot_(plot), canvas_(canvas), options_(options),
          s_(canvas.scale() * std::clamp(options.zoom, 0.25, 8.0)) {}

    Scene build() {
        const double s = s_;
        scene_.dot_radius = 3 * s;
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
        add_axis_names();
        add_arrows();
        add_marks();
        add_trace();
        add_equation();
        add_base_equation();
        if (!note_.empty()) {
            add_text(note_, {scene_.left + 4 * s, scene_.bottom - 4 * s}, Ink::Text);
        }
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
        if (!plot_.note.empty()) {
            note_ = plot_.note;
        }
        const Real width = scene_.right - scene_.left;
        const Real height = scene_.bottom - scene_.top;
        if (options_.window && usable(*options_.window)) {
            show_window(*options_.window, width, height);
            return;
        }
        x_ = range_of(xs, note_);
        y_ = range_of(ys, note_);
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

    SceneText measured(std::string text, Point at, Ink ink) {
        const double points = kGraphPoints * s_ / canvas_.scale();
        const TextExtent extent = canvas_.measure(text, points);
        return {at, std::move(text), points, extent, ink};
    }

    void add_text(std::string text, Point baseline_left, Ink ink) {
        scene_.texts.push_back(measured(std::move(text), baseline_left, ink));
    }

    // The largest step at which no two labels of the axis overlap.
    void choose_ticks(bool horizontal) {
        const Range& range = horizontal ? x_ : y_;
        const Real unit = horizontal ? ux_ : uy_;
        Real step = nice_step(unit * kTickPixels * s_);
        std::vector<SceneText> labels;
        for (int tries = 0; tries < 40; ++tries, step = next_step(step)) {
            labels = tick_labels(range, step, horizontal);
            if (!crowded(labels, horizontal)) {
                break;
            }
        }
        (horizontal ? x_step_ : y_step_) = step;
        (horizontal ? scene_.x_step : scene_.y_step) = static_cast<double>(step);
        for (SceneText& label : labels) {
            scene_.tick_labels.push_back(std::move(label));
        }
    }

    Real axis_y() const { return y_.lo <= 0 && y_.hi >= 0 ? 0 : y_.lo; }
    Real axis_x() const { return x_.lo <= 0 && x_.hi >= 0 ? 0 : x_.lo; }

    std::vector<Real> ticks(const Range& range, Real step) const {
        std::vector<Real> values;
        const Real first = std::ceil(range.lo / step);
        const Real last = std::floor(range.hi / step);
        for (Real k = first; k <= last && values.size() < 200; ++k) {
            const Real value = k * step;
            if (std::isfinite(static_cast<double>(value))) {
                values.push_back(value);
            }
        }
        return values;
    }

    std::vector<SceneText> tick_labels(const Range& range, Real step, bool horizontal) {
        const double s = s_;
        std::vector<SceneText> labels;
        for (const Real value : ticks(range, step)) {
            if (value == 0 && axis_x() == 0 && axis_y() == 0) {
                continue; // the origin is named O
            }
            SceneText label = measured(tick_text(value, step), {}, Ink::Text);
            if (horizontal) {
                label.baseline_left = {px(value) - label.extent.width / 2,
                                       py(axis_y()) + 4 * s + label.extent.ascent};
            } else {
                const double right = px(axis_x()) - 4 * s;
                const double x = right - label.extent.width < 0 ? px(axis_x()) + 4 * s
                                                                : right - label.extent.width;
                label.baseline_left = {x, py(value) +
                                              (label.extent.ascent - label.extent.descent) / 2};
            }
            labels.push_back(std::move(label));
        }
        return labels;
    }

    bool crowded(const std::vector<SceneText>& labels, bool horizontal) const {
        const double gap = 6 * s_;
        for (std::size_t i = 1; i < labels.size(); ++i) {
            const SceneText& a = labels[i - 1];
            const SceneText& b = labels[i];
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
        for (const Real x : ticks(x_, x_step_)) {
            line({{px(x), scene_.top}, {px(x), scene_.bottom}}, Ink::Grid, 1);
        }
        for (const Real y : ticks(y_, y_step_)) {
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
        for (const Real x : ticks(x_, x_step_)) {
            line({{px(x), ay - 3 * s}, {px(x), ay}}, Ink::Axis, 1);
        }
        for (const Real y : ticks(y_, y_step_)) {
            line({{ax, py(y)}, {ax + 3 * s, py(y)}}, Ink::Axis, 1);
        }
    }

    // The axes' names, where the curve and the tick labels leave room.
    void add_axis_names() {
        const double s = s_;
        const double ax = px(axis_x());
        const double ay = py(axis_y());
        const SceneText x_name = measured("x", {}, Ink::Text);
        const double w = x_name.extent.width;
        const double a = x_name.extent.ascent;
        place_at("x", {{scene_.right - w - 2 * s, ay - 6 * s},
                       {scene_.right - w - 2 * s, ay + a + 6 * s},
                       {scene_.right - w - 14 * s, ay - 6 * s},
                       {scene_.right - w - 14 * s, ay + a + 6 * s}});
        place_at("y", {{ax + 8 * s, scene_.top + a + 2 * s},
                       {ax - w - 8 * s, scene_.top + a + 2 * s},
                       {ax + 8 * s, scene_.top + a + 14 * s},
                       {ax - w - 8 * s, scene_.top + a + 14 * s}});
        if (axis_x() == 0 && axis_y() == 0) {
            const SceneText origin = measured("O", {}, Ink::Text);
            const double ow = origin.extent.width;
            const double oa = origin.extent.ascent;
            place_at("O", {{ax - ow - 3 * s, ay + oa + 3 * s},
                           {ax + 3 * s, ay + oa + 3 * s},
                           {ax - ow - 3 * s, ay - 3 * s},
                           {ax + 3 * s, ay - 3 * s}});
        }
    }

    // At the first of the places that is clear; else at the least crowded.
    void place_at(std::string text, std::initializer_list<Point> places) {
        SceneText label = measured(std::move(text), {}, Ink::Text);
        settle(label, std::vector<Point>(places));
    }

    void add_guides() {
        const double s = s_;
        for (const calc::PlotGuide& guide : plot_.guides) {
            if (!std::isfinite(guide.at)) {
                continue;
            }
            if (guide.vertical) {
                const double x = px(guide.at);
                line({{x, scene_.top}, {x, scene_.bottom}}, Ink::Guide, 1.2, true);
                drop_tick_labels_across(x, true);
                place_label(guide.label, {x, scene_.top + 24 * s}, Ink::Guide);
            } else {
                const double y = py(guide.at);
                line({{scene_.left, y}, {scene_.right, y}}, Ink::Guide, 1.2, true);
                drop_tick_labels_across(y, false);
                place_label(guide.label, {scene_.right - 60 * s, y}, Ink::Guide);
            }
        }
    }

    // A dashed guide through a tick label would make it unreadable: the
    // label goes, the grid line still shows where the tick is.
    void drop_tick_labels_across(double at, bool vertical) {
        const double clear = 2 * s_;
        std::erase_if(scene_.tick_labels, [&](const SceneText& label) {
            const Point& p = label.baseline_left;
            return vertical ? at > p.x - clear && at < p.x + label.extent.width + clear
                            : at > p.y - label.extent.ascent - clear &&
                                  at < p.y + label.extent.descent + clear;
        });
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
        corners = clip_polygon(std::move(corners), plot_box());
        if (corners.size() >= 3) {
            scene_.regions.push_back(std::move(corners));
        }
    }

    Box plot_box() const { return {scene_.left, scene_.top, scene_.right, scene_.bottom}; }

    // A line of the plane's, cut to the plot.
    void plane_line(const std::vector<Point>& points, Ink ink, double width, bool dashed = false) {
        for (std::vector<Point>& run : clip_polyline(points, plot_box())) {
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

    void add_trace() {
        if (!options_.trace_x || !plot_.curve) {
            return;
        }
        const double x = *options_.trace_x;
        const std::optional<double> y = curve_at(plot_, x);
        if (!y) {
            return;
        }
        const Point at{px(x), py(*y)};
        if (!std::isfinite(at.x) || !std::isfinite(at.y) || at.x < scene_.left ||
            at.x > scene_.right || at.y < scene_.top || at.y > scene_.bottom) {
            return;
        }
        scene_.trace = at;
        place_label(point_text(x, *y, static_cast<double>(x_step_), static_cast<double>(y_step_)),
                    at, Ink::Trace);
    }

    void add_base_equation() {
        if (!plot_.base || plot_.base_equation.empty() || base_points_.empty()) {
            return;
        }
        for (const double share : {0.2, 0.35, 0.8, 0.1, 0.9}) {
            const Point& at = base_points_[static_cast<std::size_t>(
                share * static_cast<double>(base_points_.size() - 1))];
            if (at.y > scene_.top + 20 * s_ && at.y < scene_.bottom - 4 * s_ &&
                place_label(plot_.base_equation, at, Ink::Base, false)) {
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

    // Whether the curve passes through the box, padded by a little.
    bool on_curve(const SceneText& label) const {
        if (curve_points_.size() < 2) {
            return false;
        }
        const double pad = 2 * s_;
        const double left = label.baseline_left.x - pad;
        const double right = label.baseline_left.x + label.extent.width + pad;
        const double top = label.baseline_left.y - label.extent.ascent - pad;
        const double bottom = label.baseline_left.y + label.extent.descent + pad;
        const double step = curve_points_[1].x - curve_points_[0].x;
        const auto first =
            static_cast<std::size_t>(std::clamp((left - curve_points_.front().x) / step - 1, 0.0,
                                                static_cast<double>(curve_points_.size() - 1)));
        for (std::size_t i = first; i + 1 < curve_points_.size(); ++i) {
            const Point& p = curve_points_[i];
            const Point& q = curve_points_[i + 1];
            if (p.x > right) {
                break;
            }
            if (q.x >= left && std::max(p.y, q.y) >= top && std::min(p.y, q.y) <= bottom) {
                return true;
            }
        }
        return false;
    }

    // With a little room between, so that two texts never touch.
    bool overlap(const SceneText& a, const SceneText& b) const {
        const auto& p = a.baseline_left;
        const auto& q = b.baseline_left;
        const double room = 2 * s_;
        return p.x < q.x + b.extent.width + room && q.x < p.x + a.extent.width + room &&
               p.y - a.extent.ascent < q.y + b.extent.descent + room &&
               q.y - b.extent.ascent < p.y + a.extent.descent + room;
    }

    bool fits(const SceneText& label) const {
        const Point& at = label.baseline_left;
        if (at.x < scene_.left || at.x + label.extent.width > scene_.right ||
            at.y - label.extent.ascent < scene_.top ||
            at.y + label.extent.descent > scene_.bottom) {
            return false;
        }
        for (const auto* others : {&scene_.texts, &scene_.tick_labels}) {
            for (const SceneText& other : *others) {
                if (overlap(label, other)) {
                    return false;
                }
            }
        }
        return !on_curve(label);
    }

    // How badly a label at its place would collide: leaving the plot worst,
    // then lying on another label, on the curve, on a tick label.
    double crowding(const SceneText& label) const {
        const Point& at = label.baseline_left;
        double score = 0;
        if (at.x < scene_.left || at.x + label.extent.width > scene_.right ||
            at.y - label.extent.ascent < scene_.top ||
            at.y + label.extent.descent > scene_.bottom) {
            score += 1000;
        }
        for (const SceneText& other : scene_.texts) {
            score += overlap(label, other) ? 100 : 0;
        }
        score += on_curve(label) ? 10 : 0;
        for (const SceneText& tick : scene_.tick_labels) {
            score += overlap(label, tick) ? 1 : 0;
        }
        return score;
    }

    // The label at the first clear place, else at the least crowded one;
    // a tick label it would lie on gives way (the grid still shows the tick).
    void settle(SceneText& label, const std::vector<Point>& places) {
        double best_score = std::numeric_limits<double>::infinity();
        Point best = places.front();
        for (const Point& place : places) {
            label.baseline_left = place;
            const double score = crowding(label);
            if (score < best_score) {
                best_score = score;
                best = place;
            }
            if (score == 0) {
                break;
            }
        }
        label.baseline_left = best;
        std::erase_if(scene_.tick_labels,
                      [&](const SceneText& tick) { return overlap(label, tick); });
        scene_.texts.push_back(std::move(label));
    }

    // A label beside a point, inside the plot and clear of the other texts
    // and of the curve where some place near the point allows: the four
    // corners first, then rings further out. Else at the first place in view
    // when `always`. Returns whether it was placed.
    bool place_label(const std::string& text, Point at, Ink ink, bool always = true) {
        const double s = s_;
        SceneText label = measured(text, {}, ink);
        const double w = label.extent.width;
        const double line = label.extent.ascent + label.extent.descent;
        const double up = at.y - 5 * s;
        const double down = at.y + 5 * s + label.extent.ascent;
        std::vector<Point> places;
        for (int ring = 0; ring < 5; ++ring) {
            const double far = ring * line;
            const double side = 5 * s + ring * 4 * s;
            for (const Point& place :
                 {Point{at.x + side, up - far}, Point{at.x + side, down + far},
                  Point{at.x - side - w, up - far}, Point{at.x - side - w, down + far},
                  Point{at.x - w / 2, up - line - far}, Point{at.x - w / 2, down + line + far},
                  Point{at.x + side + far, at.y + label.extent.ascent / 2},
                  Point{at.x - side - far - w, at.y + label.extent.ascent / 2}}) {
                label.baseline_left = place;
                if (fits(label)) {
                    scene_.texts.push_back(std::move(label));
                    return true;
                }
                places.push_back(place);
            }
        }
        if (!always) {
            return false;
        }
        settle(label, places);
        return true;
    }

    void add_marks() {
        for (const calc::PlotMark& mark : plot_.marks) {
            if (!std::isfinite(mark.x) || !std::isfinite(mark.y)) {
                continue;
            }
            const Point at{px(mark.x), py(mark.y)};
            scene_.dots.push_back(at);
            place_label(mark.label, at, Ink::Mark);
        }
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
                place_label(plot_.equation, {x, y}, Ink::Curve, false)) {
                return;
            }
        }
        // An equation too long for any clear place is left to the working beside.
        SceneText corner = measured(plot_.equation, {}, Ink::Curve);
        corner.baseline_left = {scene_.left + 4 * s, scene_.top + 14 * s};
        if (fits(corner)) {
            scene_.texts.push_back(std::move(corner));
        }
    }

    const calc::Plot& plot_;
    Canvas& canvas_;
    const GraphOptions& options_;
    double s_; // the canvas's scale times the zoom
    Scene scene_;
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

void draw(const Scene& scene, Canvas& canvas) {
    canvas.fill(Ink::Paper);
    for (const std::vector<Point>& region : scene.regions) {
        canvas.polygon(region, Ink::Region);
    }
    for (const SceneLines& lines : scene.lines) {
        canvas.lines(lines.points, lines.width, lines.ink, lines.dashed);
    }
    for (const Point& dot : scene.dots) {
        canvas.disc(dot, scene.dot_radius, Ink::Mark);
    }
    if (scene.trace) {
        canvas.disc(*scene.trace, scene.dot_radius * 1.4, Ink::Trace);
    }
    // Each text on a patch of paper, so that no grid line, guide or curve
    // runs through its letters.
    const double pad = canvas.scale();
    for (const auto* texts : {&scene.tick_labels, &scene.texts}) {
        for (const SceneText& text : *texts) {
            const Point& at = text.baseline_left;
            const double top = at.y - text.extent.ascent - pad;
            const double bottom = at.y + text.extent.descent + pad;
            const double right = at.x + text.extent.width + pad;
            const Point patch[] = {
                {at.x - pad, top}, {right, top}, {right, bottom}, {at.x - pad, bottom}};
            canvas.polygon(patch, Ink::Paper);
            canvas.text(at, text.text, text.points, text.ink);
        }
    }
}

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
    return "(" + tick_text(x, Real(x_step) / 10) + ", " + tick_text(y, Real(y_step) / 100) + ")";
}

Colour light_colour(Ink ink) {
    switch (ink) {
    case Ink::Paper:
        return 0x00FFFFFF;
    case Ink::Text:
    case Ink::Axis:
        return 0x00000000;
    case Ink::Grid:
        return 0x00E6E6E6;
    case Ink::Curve:
        return 0x00B0500F; // a dark blue, 7:1 on white
    case Ink::Guide:
        return 0x00606060;
    case Ink::Mark:
        return 0x000000C0; // a dark red, 6.6:1 on white
    case Ink::Base:
        return 0x00B0A090; // a faint blue-grey
    case Ink::Region:
        return 0x00F7E9DC; // a light blue
    case Ink::Trace:
        return 0x00007A00; // a dark green, 5.4:1 on white
    }
    return 0;
}

Colour paper_colour(Ink ink) {
    switch (ink) {
    case Ink::Paper:
    case Ink::Region:
        return ink == Ink::Paper ? 0x00FFFFFF : 0x00EBEBEB;
    case Ink::Grid:
        return 0x00DDDDDD;
    case Ink::Base:
        return 0x00999999;
    case Ink::Guide:
        return 0x00555555;
    case Ink::Text:
    case Ink::Axis:
    case Ink::Curve:
    case Ink::Mark:
    case Ink::Trace:
        return 0x00000000;
    }
    return 0;
}

} // namespace vornix::ui
