#include "graph_labels.hpp"

#include <algorithm>
#include <limits>

namespace vornix::draw::detail {

Labels::Labels(Scene& scene, Canvas& canvas, double s) : scene_(scene), canvas_(canvas), s_(s) {}

SceneText Labels::measured(std::string text, Ink ink) const {
    const double points = kGraphPoints * s_ / canvas_.scale();
    const TextExtent extent = canvas_.measure(text, points);
    return {{}, std::move(text), points, extent, ink};
}

void Labels::add(std::string text, Point baseline_left, Ink ink) {
    SceneText label = measured(std::move(text), ink);
    label.baseline_left = baseline_left;
    scene_.texts.push_back(std::move(label));
}

// Whether the curve passes through the box, padded by a little.
bool Labels::on_curve(const SceneText& label) const {
    if (curve_ == nullptr || curve_->size() < 2) {
        return false;
    }
    const std::vector<Point>& curve = *curve_;
    const double pad = 2 * s_;
    const double left = label.baseline_left.x - pad;
    const double right = label.baseline_left.x + label.extent.width + pad;
    const double top = label.baseline_left.y - label.extent.ascent - pad;
    const double bottom = label.baseline_left.y + label.extent.descent + pad;
    const double step = curve[1].x - curve[0].x;
    const auto first = static_cast<std::size_t>(std::clamp((left - curve.front().x) / step - 1, 0.0,
                                                           static_cast<double>(curve.size() - 1)));
    for (std::size_t i = first; i + 1 < curve.size(); ++i) {
        const Point& p = curve[i];
        const Point& q = curve[i + 1];
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
bool Labels::overlap(const SceneText& a, const SceneText& b) const {
    const auto& p = a.baseline_left;
    const auto& q = b.baseline_left;
    const double room = 2 * s_;
    return p.x < q.x + b.extent.width + room && q.x < p.x + a.extent.width + room &&
           p.y - a.extent.ascent < q.y + b.extent.descent + room &&
           q.y - b.extent.ascent < p.y + a.extent.descent + room;
}

bool Labels::inside_plot(const SceneText& label) const {
    const Point& at = label.baseline_left;
    return at.x >= scene_.left && at.x + label.extent.width <= scene_.right &&
           at.y - label.extent.ascent >= scene_.top && at.y + label.extent.descent <= scene_.bottom;
}

bool Labels::fits(const SceneText& label) const {
    if (!inside_plot(label)) {
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
double Labels::crowding(const SceneText& label) const {
    double score = inside_plot(label) ? 0 : 1000;
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
void Labels::settle(SceneText& label, const std::vector<Point>& places) {
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
    std::erase_if(scene_.tick_labels, [&](const SceneText& tick) { return overlap(label, tick); });
    scene_.texts.push_back(std::move(label));
}

void Labels::place_at(std::string text, const std::vector<Point>& places) {
    SceneText label = measured(std::move(text), Ink::Text);
    settle(label, places);
}

bool Labels::place_if_clear(SceneText label) {
    if (!fits(label)) {
        return false;
    }
    scene_.texts.push_back(std::move(label));
    return true;
}

bool Labels::place_near(const std::string& text, Point at, Ink ink, bool always) {
    const double s = s_;
    SceneText label = measured(text, ink);
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

void Labels::drop_tick_labels_across(double at, bool vertical) {
    const double clear = 2 * s_;
    std::erase_if(scene_.tick_labels, [&](const SceneText& label) {
        const Point& p = label.baseline_left;
        return vertical ? at > p.x - clear && at < p.x + label.extent.width + clear
                        : at > p.y - label.extent.ascent - clear &&
                              at < p.y + label.extent.descent + clear;
    });
}

} // namespace vornix::draw::detail
