// The graph explored with the keyboard after a click: from any view and any
// click, ← and → move the traced point along the curve by one tick step each,
// starting from the curve's point nearest the click, and the view follows it
// so that it never leaves the plot.
#include "fake_canvas.hpp"
#include "fake_view.hpp"
#include "graph_explorer.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace vornix::testing {
namespace {

using ui::PointerEvent;

struct Explored {
    FakeView view;
    ui::GraphExplorer graph{view, "picGraph"};
    FakeCanvas canvas{480, 400};
    calc::Plot plot;
    void paint() { graph.paint(plot, 1, canvas); }
    void click(draw::Point at) {
        graph.pointer({PointerEvent::Kind::Press, at.x, at.y}, plot, 1);
        graph.pointer({PointerEvent::Kind::Release, at.x, at.y}, plot, 1);
        paint();
    }
};

draw::Point on_canvas(const draw::Scene& scene, double x, double y) {
    return {scene.x_offset + x * scene.x_scale, scene.y_offset - y * scene.y_scale};
}

// The least distance from `at` to the curve's points the plot shows, sampled
// finely.
double distance_to_curve(const draw::Scene& scene, const calc::Plot& plot, draw::Point at) {
    double nearest = std::numeric_limits<double>::infinity();
    for (double x = scene.left; x <= scene.right; x += 0.25) {
        const double px = draw::plane_x(scene, x);
        const double y = scene.y_offset - (plot.a * px * px + plot.b * px + plot.c) * scene.y_scale;
        if (y >= scene.top && y <= scene.bottom) {
            nearest = std::min(nearest, std::hypot(x - at.x, y - at.y));
        }
    }
    return nearest;
}

TEST(GraphExplorer, ArrowsKeepTheTracedPointOnTheCurveAndInViewFromAnyViewAndClick) {
    std::mt19937_64 random(8041);
    for (int round = 0; round < 30; ++round) {
        Explored e;
        const double a = static_cast<double>(random() % 7) - 3;
        e.plot = calc::evaluate_quadratic(std::to_string(a == 0 ? 1 : a),
                                          std::to_string(static_cast<int>(random() % 21) - 10),
                                          std::to_string(static_cast<int>(random() % 41) - 20))
                     .plot;
        e.paint();
        // Some view: zoomed about a point and panned, as a user leaves it.
        const auto some = [&] { return static_cast<double>(random() % 400) + 40; };
        e.graph.pointer(
            {PointerEvent::Kind::Wheel, some(), some(), static_cast<double>(random() % 9) - 4},
            e.plot, 1);
        e.paint();
        const draw::Point click{some(), some() - 40};
        e.click(click);
        const draw::Scene before = *e.graph.scene();
        for (int press = 0; press < 200; ++press) {
            const bool right = press < 100 ? random() % 4 != 0 : random() % 4 == 0;
            const draw::Scene& scene = *e.graph.scene();
            const std::optional<double> from = e.graph.traced_x();
            ASSERT_TRUE(e.graph.key_pressed(right ? ui::Key::Right : ui::Key::Left, e.plot));
            const std::optional<double> to = e.graph.traced_x();
            ASSERT_TRUE(to) << "round " << round << ", press " << press;
            if (from) {
                EXPECT_NEAR(*to - *from, right ? scene.x_step : -scene.x_step, scene.x_step * 1e-9)
                    << "round " << round << ", press " << press;
            } else {
                // The first press starts from the curve's point nearest the click.
                const double start = *to + (right ? -scene.x_step : scene.x_step);
                const draw::Point nearest =
                    on_canvas(before, start, *draw::curve_at(e.plot, start));
                EXPECT_LE(std::hypot(nearest.x - click.x, nearest.y - click.y),
                          distance_to_curve(before, e.plot, click) + 1)
                    << "round " << round;
            }
            e.paint();
            const draw::Scene& after = *e.graph.scene();
            ASSERT_TRUE(after.trace) << "out of view: round " << round << ", press " << press;
            const draw::Point expected = on_canvas(after, *to, *draw::curve_at(e.plot, *to));
            EXPECT_NEAR(after.trace->x, expected.x, 1e-6);
            EXPECT_NEAR(after.trace->y, expected.y, 1e-6);
        }
        EXPECT_TRUE(e.view.descriptions.at("picGraph").starts_with("曲线上的点 ("));
    }
}

TEST(GraphExplorer, AClickAwayFromTheCurveClearsTheTracedPointAndHomeFitsAgain) {
    Explored e;
    e.plot = calc::evaluate_quadratic("1", "-3", "1").plot;
    e.paint();
    e.graph.key_pressed(ui::Key::Right, e.plot);
    e.paint();
    ASSERT_TRUE(e.graph.scene()->trace);
    const draw::Scene& scene = *e.graph.scene();
    e.click({scene.left + 2, scene.top + 2});
    EXPECT_FALSE(e.graph.scene()->trace) << "the corner is far from this curve";
    e.graph.pointer({PointerEvent::Kind::Wheel, 100, 100, 3}, e.plot, 1);
    e.paint();
    const double zoomed = e.graph.scene()->x_scale;
    EXPECT_TRUE(e.graph.key_pressed(ui::Key::Home, e.plot));
    e.paint();
    EXPECT_LT(e.graph.scene()->x_scale, zoomed);
}

} // namespace
} // namespace vornix::testing
