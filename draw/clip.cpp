#include "clip.hpp"

#include <algorithm>

namespace vornix::draw::detail {

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

} // namespace vornix::draw::detail
