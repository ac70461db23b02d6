// What the graph is for stays visible: over many random exercises, pages,
// views, zooms and canvases, no text's patch of paper covers a pixel of the
// curve, a guide, an arrow or a marked point, every text lies wholly inside
// the plot, and no two texts lie on one another.
#include "fake_canvas.hpp"
#include "graph.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

namespace vornix::testing {
namespace {

struct Rect {
    double left;
    double top;
    double right;
    double bottom;
};

// The patch as it is painted: the text's box and a pixel around it.
Rect patch_of(const draw::SceneText& text, double scale) {
    const draw::Point& at = text.baseline_left;
    return {at.x - scale, at.y - text.extent.ascent - scale, at.x + text.extent.width + scale,
            at.y + text.extent.descent + scale};
}

double distance(draw::Point p, const Rect& r) {
    const double dx = std::max({r.left - p.x, 0.0, p.x - r.right});
    const double dy = std::max({r.top - p.y, 0.0, p.y - r.bottom});
    return std::hypot(dx, dy);
}

double distance(draw::Point p, draw::Point a, draw::Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    const double t =
        length == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

bool crosses(draw::Point a, draw::Point b, draw::Point c, draw::Point d) {
    const auto side = [](draw::Point p, draw::Point q, draw::Point r) {
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
}

// How near the segment a–b comes to the rectangle: 0 where it enters it.
double distance(draw::Point a, draw::Point b, const Rect& r) {
    const draw::Point corners[] = {
        {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    if (distance(a, r) == 0 || distance(b, r) == 0) {
        return 0;
    }
    double nearest = std::min(distance(a, r), distance(b, r));
    for (int i = 0; i < 4; ++i) {
        if (crosses(a, b, corners[i], corners[(i + 1) % 4])) {
            return 0;
        }
        nearest = std::min(nearest, distance(corners[i], a, b));
    }
    return nearest;
}

bool meet(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// What is wrong with the scene's texts, one line each; empty when nothing is.
std::vector<std::string> faults(const draw::Scene& scene, double scale) {
    std::vector<std::string> found;
    std::vector<const draw::SceneText*> texts;
    for (const auto* list : {&scene.tick_labels, &scene.texts}) {
        for (const draw::SceneText& text : *list) {
            texts.push_back(&text);
        }
    }
    for (const draw::SceneText* text : texts) {
        const Rect patch = patch_of(*text, scale);
        const Rect box = patch_of(*text, 0);
        if (patch.left < scene.left || patch.right > scene.right || patch.top < scene.top ||
            patch.bottom > scene.bottom) {
            found.push_back("\"" + text->text + "\" leaves the plot");
        }
        for (const draw::SceneLines& line : scene.lines) {
            if (line.ink != draw::Ink::Curve && line.ink != draw::Ink::Guide) {
                continue;
            }
            for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
                // A smooth edge reaches half a pixel past the stroke.
                if (distance(line.points[i], line.points[i + 1], patch) <
                    line.width / 2 + scale / 2) {
                    found.push_back("\"" + text->text + "\" covers a line at (" +
                                    std::to_string(line.points[i].x) + ", " +
                                    std::to_string(line.points[i].y) + ")");
                    break;
                }
            }
        }
        for (const draw::Point& dot : scene.dots) {
            if (distance(dot, patch) < scene.dot_radius) {
                found.push_back("\"" + text->text + "\" covers a marked point");
            }
        }
        if (scene.trace && distance(*scene.trace, patch) < scene.dot_radius * 1.4) {
            found.push_back("\"" + text->text + "\" covers the traced point");
        }
        for (const draw::SceneText* other : texts) {
            if (other < text && meet(box, patch_of(*other, 0))) {
                found.push_back("\"" + text->text + "\" lies on \"" + other->text + "\"");
            }
        }
    }
    return found;
}

// A coefficient as a student types it: small integers mostly, now and then a
// decimal or zero.
std::string entry(std::mt19937_64& random) {
    const int kind = static_cast<int>(random() % 10);
    const long long whole = static_cast<long long>(random() % 21) - 10;
    if (kind < 6) {
        return std::to_string(whole);
    }
    if (kind < 9) {
        return std::to_string(whole) + "." + std::to_string(random() % 100);
    }
    return "0";
}

TEST(GraphLabels, NoPatchCoversTheCurveAGuideOrAPointAndEveryTextStaysInThePlot) {
    std::mt19937_64 random(20261208);
    int scenes = 0;
    for (int round = 0; round < 400; ++round) {
        const bool line = round % 4 == 3;
        std::vector<std::string> e;
        for (int i = 0; i < (line ? 4 : 3); ++i) {
            e.push_back(entry(random));
        }
        const calc::Exercise exercise = line ? calc::evaluate_line(e[0], e[1], e[2], e[3])
                                             : calc::evaluate_quadratic(e[0], e[1], e[2]);
        const double scale = round % 5 == 0 ? 2 : 1;
        const double zoom = std::array{1.0, 1.25, 1.5, 2.0, 3.0, 4.0}[random() % 6];
        FakeCanvas canvas(300 + static_cast<double>(random() % 900),
                          250 + static_cast<double>(random() % 700), scale);
        for (const calc::Plot* plot : {&exercise.plot, &exercise.function.plot}) {
            const draw::Scene fitted = draw::build_scene(*plot, canvas, {zoom, {}, {}});
            const double x = fitted.left + static_cast<double>(random() % 100) / 100 *
                                               (fitted.right - fitted.left);
            const double y = fitted.top + static_cast<double>(random() % 100) / 100 *
                                              (fitted.bottom - fitted.top);
            const double factor = std::pow(2.0, static_cast<double>(random() % 9) - 4);
            const double trace = draw::plane_x(fitted, x);
            for (const draw::GraphOptions& options :
                 {draw::GraphOptions{zoom, {}, {}},
                  draw::GraphOptions{zoom, draw::zoomed(fitted, factor, {x, y}), trace},
                  draw::GraphOptions{
                      zoom, draw::panned(fitted, x - fitted.left, y - fitted.top), {}}}) {
                const draw::Scene scene = draw::build_scene(*plot, canvas, options);
                ++scenes;
                const std::vector<std::string> found = faults(scene, scale);
                ASSERT_TRUE(found.empty())
                    << plot->equation << " on " << canvas.width() << "×" << canvas.height()
                    << " at " << zoom << ", scale " << scale << ": " << found.front();
            }
        }
    }
    EXPECT_EQ(scenes, 2400);
}

} // namespace
} // namespace vornix::testing
