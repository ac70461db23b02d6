#include "graph_axes.hpp"

#include <cmath>

namespace vornix::draw::detail {
namespace {

constexpr double kTickPixels = 70; // wanted between ticks, at 96 DPI

} // namespace

void Axes::choose_ticks() {
    choose_ticks(true);
    choose_ticks(false);
}

void Axes::line(std::vector<Point> points, Ink ink, double width) {
    scene_.lines.push_back({std::move(points), ink, width * s_, false});
}

// The largest step at which no two labels of the axis overlap.
void Axes::choose_ticks(bool horizontal) {
    const Range& range = horizontal ? plane_.x : plane_.y;
    const Real unit = horizontal ? plane_.ux : plane_.uy;
    Real step = nice_step(unit * kTickPixels * s_);
    std::vector<TickLabel> labels;
    for (int tries = 0; tries < 40; ++tries, step = next_step(step)) {
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

// Each label below its tick on the x axis, left of it on the y axis;
// the other side of the axis is where it goes if something lies there.
std::vector<Axes::TickLabel> Axes::tick_labels(const Range& range, Real step,
                                               bool horizontal) const {
    const double s = s_;
    std::vector<TickLabel> labels;
    for (const Real value : ticks(range, step)) {
        if (value == 0 && plane_.axis_x() == 0 && plane_.axis_y() == 0) {
            continue; // the origin is named O
        }
        TickLabel tick{labels_.measured(tick_text(value, step), Ink::Text), {}, horizontal};
        const TextExtent& extent = tick.label.extent;
        if (horizontal) {
            const double x = plane_.px(value) - extent.width / 2;
            tick.label.baseline_left = {x, plane_.py(plane_.axis_y()) + 4 * s + extent.ascent};
            tick.other_side = {x, plane_.py(plane_.axis_y()) - 4 * s - extent.descent};
        } else {
            const double y = plane_.py(value) + (extent.ascent - extent.descent) / 2;
            const double left = plane_.px(plane_.axis_x()) - 4 * s - extent.width;
            const double right = plane_.px(plane_.axis_x()) + 4 * s;
            tick.label.baseline_left = {left < 0 ? right : left, y};
            tick.other_side = {left < 0 ? left : right, y};
        }
        labels.push_back(std::move(tick));
    }
    return labels;
}

// A tick label the curve, a guide, an arrow or a point would run through
// goes to the other side of its axis, or else is left out: the grid
// line still shows where its tick is. One at the plot's edge moves in
// along its axis, up to half its size, rather than leave the plot.
void Axes::add_tick_labels() {
    for (TickLabel& tick : ticks_) {
        for (const Point& place : {tick.label.baseline_left, tick.other_side}) {
            tick.label.baseline_left = place;
            tick.label.baseline_left = nudged_in(tick.label, tick.horizontal);
            if (labels_.inside_plot(tick.label) && !labels_.covers_lines(tick.label) &&
                !labels_.on_text(tick.label)) {
                scene_.tick_labels.push_back(std::move(tick.label));
                break;
            }
        }
    }
}

Point Axes::nudged_in(const SceneText& label, bool horizontal) const {
    Point at = label.baseline_left;
    const double pad = labels_.patch_pad();
    if (horizontal) {
        const double room = label.extent.width / 2;
        if (const double over = scene_.left + pad - at.x; over > 0 && over <= room) {
            at.x += over;
        } else if (const double past = at.x + label.extent.width + pad - scene_.right;
                   past > 0 && past <= room) {
            at.x -= past;
        }
    } else {
        const double room = (label.extent.ascent + label.extent.descent) / 2;
        if (const double over = scene_.top + pad - (at.y - label.extent.ascent);
            over > 0 && over <= room) {
            at.y += over;
        } else if (const double under = at.y + label.extent.descent + pad - scene_.bottom;
                   under > 0 && under <= room) {
            at.y -= under;
        }
    }
    return at;
}

bool Axes::crowded(const std::vector<TickLabel>& labels, bool horizontal) const {
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

void Axes::add_lines() {
    const double s = s_;
    for (const Real x : ticks(plane_.x, x_step_)) {
        line({{plane_.px(x), scene_.top}, {plane_.px(x), scene_.bottom}}, Ink::Grid, 1);
    }
    for (const Real y : ticks(plane_.y, y_step_)) {
        line({{scene_.left, plane_.py(y)}, {scene_.right, plane_.py(y)}}, Ink::Grid, 1);
    }
    const double ax = plane_.px(plane_.axis_x());
    const double ay = plane_.py(plane_.axis_y());
    line({{scene_.left, ay}, {scene_.right, ay}}, Ink::Axis, 1.2);
    line({{ax, scene_.bottom}, {ax, scene_.top}}, Ink::Axis, 1.2);
    line({{scene_.right - 8 * s, ay - 4 * s},
          {scene_.right, ay},
          {scene_.right - 8 * s, ay + 4 * s}},
         Ink::Axis, 1.2);
    line({{ax - 4 * s, scene_.top + 8 * s}, {ax, scene_.top}, {ax + 4 * s, scene_.top + 8 * s}},
         Ink::Axis, 1.2);
    for (const Real x : ticks(plane_.x, x_step_)) {
        line({{plane_.px(x), ay - 3 * s}, {plane_.px(x), ay}}, Ink::Axis, 1);
    }
    for (const Real y : ticks(plane_.y, y_step_)) {
        line({{ax, plane_.py(y)}, {ax + 3 * s, plane_.py(y)}}, Ink::Axis, 1);
    }
}

// The axes' names, where the curve and the tick labels leave room.
void Axes::add_names() {
    const double s = s_;
    const double ax = plane_.px(plane_.axis_x());
    const double ay = plane_.py(plane_.axis_y());
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
    if (plane_.axis_x() == 0 && plane_.axis_y() == 0) {
        const SceneText origin = labels_.measured("O", Ink::Text);
        const double ow = origin.extent.width;
        const double oa = origin.extent.ascent;
        labels_.place_at("O", {{ax - ow - 3 * s, ay + oa + 3 * s},
                               {ax + 3 * s, ay + oa + 3 * s},
                               {ax - ow - 3 * s, ay - 3 * s},
                               {ax + 3 * s, ay - 3 * s}});
    }
}

} // namespace vornix::draw::detail
