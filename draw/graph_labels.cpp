#include "graph_labels.hpp"

#include <algorithm>
#include <cmath>

namespace vornix::draw::detail {
namespace {

// Lines kept clear of are cut into runs of this many segments, each with its
// bounds, so that a label is tested against the few runs near it.
constexpr std::size_t kRunSegments = 16;

Box box_of(const SceneText& text, double grown) {
    const Point& at = text.baseline_left;
    return {at.x - grown, at.y - text.extent.ascent - grown, at.x + text.extent.width + grown,
            at.y + text.extent.descent + grown};
}

bool boxes_meet(const Box& a, const Box& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

} // namespace

Labels::Labels(Scene& scene, Canvas& canvas, double s) : scene_(scene), canvas_(canvas), s_(s) {}

SceneText Labels::measured(std::string text, Ink ink) const {
    const double points = kGraphPoints * s_ / canvas_.scale();
    const TextExtent extent = canvas_.measure(text, points);
    return {{}, std::move(text), points, extent, ink};
}

void Labels::add_runs(std::vector<Run>& runs, const std::vector<Point>& points, double clearance) {
    for (std::size_t first = 0; first + 1 < points.size(); first += kRunSegments) {
        const std::size_t last = std::min(first + kRunSegments, points.size() - 1);
        Run run{{points[first].x, points[first].y, points[first].x, points[first].y},
                {points.begin() + static_cast<std::ptrdiff_t>(first),
                 points.begin() + static_cast<std::ptrdiff_t>(last + 1)},
                clearance};
        for (const Point& p : run.points) {
            run.bounds = {std::min(run.bounds.left, p.x), std::min(run.bounds.top, p.y),
                          std::max(run.bounds.right, p.x), std::max(run.bounds.bottom, p.y)};
        }
        runs.push_back(std::move(run));
    }
}

void Labels::keep_clear_of_scene() {
    // The patch reaches a pixel beyond the text, and a smooth edge half a
    // pixel beyond a line.
    const double margin = canvas_.scale() * 1.5;
    for (const SceneLines& lines : scene_.lines) {
        if (lines.ink == Ink::Curve || lines.ink == Ink::Guide) {
            add_runs(runs_, lines.points, lines.width / 2 + margin);
        } else if (lines.ink == Ink::Axis) {
            add_runs(axes_, lines.points, lines.width / 2 + margin);
        }
    }
    for (const Point& dot : scene_.dots) {
        dots_.push_back({dot, scene_.dot_radius + margin});
    }
    if (scene_.trace) {
        dots_.push_back({*scene_.trace, scene_.dot_radius * 1.4 + margin});
    }
}

bool Labels::covers(const std::vector<Run>& runs, const Box& text) {
    for (const Run& run : runs) {
        const Box reach{text.left - run.clearance, text.top - run.clearance,
                        text.right + run.clearance, text.bottom + run.clearance};
        if (!boxes_meet(reach, run.bounds)) {
            continue;
        }
        for (std::size_t i = 0; i + 1 < run.points.size(); ++i) {
            if (clip_segment(run.points[i], run.points[i + 1], reach)) {
                return true;
            }
        }
    }
    return false;
}

bool Labels::covers_lines(const SceneText& label) const {
    const Box text = box_of(label, 0);
    if (covers(runs_, text)) {
        return true;
    }
    return std::ranges::any_of(dots_, [&](const Dot& dot) {
        const double dx = std::max({text.left - dot.centre.x, 0.0, dot.centre.x - text.right});
        const double dy = std::max({text.top - dot.centre.y, 0.0, dot.centre.y - text.bottom});
        return std::hypot(dx, dy) < dot.clearance;
    });
}

bool Labels::covers_axes(const SceneText& label) const {
    return covers(axes_, box_of(label, 0));
}

bool Labels::inside_plot(const SceneText& label) const {
    const Box box = box_of(label, patch_pad());
    return box.left >= scene_.left && box.right <= scene_.right && box.top >= scene_.top &&
           box.bottom <= scene_.bottom;
}

// With room between, so that two texts never touch nor read as one.
bool Labels::overlap(const SceneText& a, const SceneText& b) const {
    const double room = 3 * s_;
    return boxes_meet(box_of(a, room), box_of(b, room));
}

bool Labels::on_text(const SceneText& label) const {
    for (const auto* others : {&scene_.texts, &scene_.tick_labels}) {
        if (std::ranges::any_of(*others,
                                [&](const SceneText& other) { return overlap(label, other); })) {
            return true;
        }
    }
    return false;
}

bool Labels::fits(const SceneText& label) const {
    return inside_plot(label) && !covers_lines(label) && !on_text(label);
}

// The first place where the label is inside the plot, covers nothing and
// lies on no other label; the tick labels under it give way.
bool Labels::settle(SceneText& label, const std::vector<Point>& places) {
    for (const Point& place : places) {
        label.baseline_left = place;
        if (!inside_plot(label) || covers_lines(label) ||
            std::ranges::any_of(scene_.texts,
                                [&](const SceneText& other) { return overlap(label, other); })) {
            continue;
        }
        std::erase_if(scene_.tick_labels,
                      [&](const SceneText& tick) { return overlap(label, tick); });
        scene_.texts.push_back(std::move(label));
        return true;
    }
    return false;
}

void Labels::place_at(std::string text, const std::vector<Point>& places) {
    SceneText label = measured(std::move(text), Ink::Text);
    for (const Point& place : places) {
        label.baseline_left = place;
        if (place_if_clear(label)) {
            return;
        }
    }
    settle(label, places);
}

bool Labels::place_if_clear(SceneText label) {
    if (!fits(label)) {
        return false;
    }
    scene_.texts.push_back(std::move(label));
    return true;
}

// The four corners first, then above and below, then level; rings further out.
std::vector<Point> Labels::places_near(const SceneText& label, Point at) const {
    const double s = s_;
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
            places.push_back(place);
        }
    }
    return places;
}

bool Labels::place_near(const std::vector<std::string>& forms, Point at, Ink ink, bool always) {
    // A form is tried clear of everything, beside the axes first; then,
    // for a label that must be there, over tick labels, which give way;
    // only then a shorter form.
    for (const std::string& form : forms) {
        SceneText label = measured(form, ink);
        const std::vector<Point> places = places_near(label, at);
        for (const bool beside_axes : {true, false}) {
            for (const Point& place : places) {
                label.baseline_left = place;
                if ((!beside_axes || !covers_axes(label)) && place_if_clear(label)) {
                    return true;
                }
            }
        }
        if (always && settle(label, places)) {
            return true;
        }
    }
    return false;
}

} // namespace vornix::draw::detail
