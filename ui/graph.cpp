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

class SceneBuilder {
  public:
    SceneBuilder(const calc::Plot& plot, Canvas& canvas) : plot_(plot), canvas_(canvas) {}

    Scene build() {
        const double s = canvas_.scale();
        scene_.dot_radius = 3 * s;
        const double margin = 8 * s;
        scene_.left = margin;
        scene_.top = margin;
        scene_.right = canvas_.width() - margin;
        scene_.bottom = canvas_.height() - margin;
        choose_ranges();
        choose_ticks(true);
        choose_ticks(false);
        add_grid_and_axes();
        add_guides();
        add_curve();
        add_marks();
        add_equation();
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
        x_ = range_of(xs, note_);
        y_ = range_of(ys, note_);
        const Real width = scene_.right - scene_.left;
        const Real height = scene_.bottom - scene_.top;
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

    static void widen(Range& range, Real span) {
        const Real middle = range.lo / 2 + range.hi / 2;
        range.lo = middle - span / 2;
        range.hi = middle + span / 2;
    }

    double px(Real x) const { return static_cast<double>(scene_.left + (x - x_.lo) / ux_); }
    double py(Real y) const { return static_cast<double>(scene_.top + (y_.hi - y) / uy_); }

    SceneText measured(std::string text, Point at, Ink ink) {
        const TextExtent extent = canvas_.measure(text, kGraphPoints);
        return {at, std::move(text), kGraphPoints, extent, ink};
    }

    void add_text(std::string text, Point baseline_left, Ink ink) {
        scene_.texts.push_back(measured(std::move(text), baseline_left, ink));
    }

    // The largest step at which no two labels of the axis overlap.
    void choose_ticks(bool horizontal) {
        const Range& range = horizontal ? x_ : y_;
        const Real unit = horizontal ? ux_ : uy_;
        const double s = canvas_.scale();
        Real step = nice_step(unit * kTickPixels * s);
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
        const double s = canvas_.scale();
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
        const double gap = 6 * canvas_.scale();
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
        scene_.lines.push_back({std::move(points), ink, width * canvas_.scale(), dashed});
    }

    void add_grid_and_axes() {
        const double s = canvas_.scale();
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
        const SceneText x_name = measured("x", {}, Ink::Text);
        add_text("x", {scene_.right - x_name.extent.width - 2 * s, ay - 6 * s}, Ink::Text);
        add_text("y", {ax + 8 * s, scene_.top + x_name.extent.ascent + 2 * s}, Ink::Text);
        if (axis_x() == 0 && axis_y() == 0) {
            const SceneText origin = measured("O", {}, Ink::Text);
            add_text("O", {ax - origin.extent.width - 3 * s, ay + origin.extent.ascent + 3 * s},
                     Ink::Text);
        }
    }

    void add_guides() {
        const double s = canvas_.scale();
        for (const calc::PlotGuide& guide : plot_.guides) {
            if (!std::isfinite(guide.at)) {
                continue;
            }
            if (guide.vertical) {
                const double x = px(guide.at);
                line({{x, scene_.top}, {x, scene_.bottom}}, Ink::Guide, 1.2, true);
                place_label(guide.label, {x, scene_.top + 24 * s}, Ink::Guide);
            } else {
                const double y = py(guide.at);
                line({{scene_.left, y}, {scene_.right, y}}, Ink::Guide, 1.2, true);
                place_label(guide.label, {scene_.right - 60 * s, y}, Ink::Guide);
            }
        }
    }

    // The curve's y on the canvas at the canvas's x, held a little outside it.
    double curve_y(double x_pixel) const {
        const Real x = x_.lo + (x_pixel - scene_.left) * ux_;
        const Real y = (static_cast<Real>(plot_.a) * x + plot_.b) * x + plot_.c;
        const double above = scene_.top - canvas_.height();
        const double below = scene_.bottom + canvas_.height();
        if (std::isnan(y)) {
            return below;
        }
        return std::clamp(py(y), above, below);
    }

    void add_curve() {
        if (!plot_.curve) {
            return;
        }
        std::vector<Point> points;
        const double step = std::max(1.0, canvas_.scale());
        points.reserve(static_cast<std::size_t>((scene_.right - scene_.left) / step) + 2);
        for (double x = scene_.left; x <= scene_.right; x += step) {
            points.push_back({x, curve_y(x)});
        }
        line(std::move(points), Ink::Curve, 1.6);
    }

    static bool overlap(const SceneText& a, const SceneText& b) {
        const auto& p = a.baseline_left;
        const auto& q = b.baseline_left;
        return p.x < q.x + b.extent.width && q.x < p.x + a.extent.width &&
               p.y - a.extent.ascent < q.y + b.extent.descent &&
               q.y - b.extent.ascent < p.y + a.extent.descent;
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
        return true;
    }

    // A label beside a point, inside the plot and clear of the other texts
    // where some place near the point allows; else at the first place in view
    // when `always`. Returns whether it was placed.
    bool place_label(const std::string& text, Point at, Ink ink, bool always = true) {
        const double s = canvas_.scale();
        SceneText label = measured(text, {}, ink);
        const double w = label.extent.width;
        const double up = at.y - 5 * s;
        const double down = at.y + 5 * s + label.extent.ascent;
        const double line = label.extent.ascent + label.extent.descent;
        const std::array<Point, 8> places{{{at.x + 5 * s, up},
                                           {at.x + 5 * s, down},
                                           {at.x - 5 * s - w, up},
                                           {at.x - 5 * s - w, down},
                                           {at.x + 5 * s, up - line},
                                           {at.x + 5 * s, down + line},
                                           {at.x - 5 * s - w, up - line},
                                           {at.x - 5 * s - w, down + line}}};
        for (const Point& place : places) {
            label.baseline_left = place;
            if (fits(label)) {
                scene_.texts.push_back(std::move(label));
                return true;
            }
        }
        if (!always) {
            return false;
        }
        double x = places[0].x + w > scene_.right ? places[2].x : places[0].x;
        const double y = up - label.extent.ascent < scene_.top ? down : up;
        label.baseline_left = {std::max(x, scene_.left), y};
        scene_.texts.push_back(std::move(label));
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
        const double s = canvas_.scale();
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
    Scene scene_;
    Range x_{};
    Range y_{};
    Real ux_ = 1;
    Real uy_ = 1;
    Real x_step_ = 1;
    Real y_step_ = 1;
    std::string note_;
};

} // namespace

Scene build_scene(const calc::Plot& plot, Canvas& canvas) {
    return SceneBuilder(plot, canvas).build();
}

void draw(const Scene& scene, Canvas& canvas) {
    canvas.fill(Ink::Paper);
    for (const SceneLines& lines : scene.lines) {
        canvas.lines(lines.points, lines.width, lines.ink, lines.dashed);
    }
    for (const Point& dot : scene.dots) {
        canvas.disc(dot, scene.dot_radius, Ink::Mark);
    }
    for (const auto* texts : {&scene.tick_labels, &scene.texts}) {
        for (const SceneText& text : *texts) {
            canvas.text(text.baseline_left, text.text, text.points, text.ink);
        }
    }
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
    }
    return 0;
}

} // namespace vornix::ui
