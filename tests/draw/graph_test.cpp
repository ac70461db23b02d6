// The graph's scene for textbook exercises and for numbers at the edges of
// the double range: every marked point in view, ticks at nice steps whose
// labels never overlap, and nothing that is not a number.
#include "fake_canvas.hpp"
#include "graph.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vornix::testing {
namespace {

struct Case {
    const char* name;
    std::vector<std::string> entries;
    bool equal_units;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

bool nice(double step) {
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    return std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 ||
           std::fabs(mantissa - 5) < 1e-6;
}

bool apart(const draw::SceneText& a, const draw::SceneText& b) {
    return a.baseline_left.x + a.extent.width <= b.baseline_left.x ||
           b.baseline_left.x + b.extent.width <= a.baseline_left.x ||
           a.baseline_left.y + a.extent.descent <= b.baseline_left.y - b.extent.ascent ||
           b.baseline_left.y + b.extent.descent <= a.baseline_left.y - a.extent.ascent;
}

bool inside(const draw::Point& p, const draw::SceneText& t) {
    return p.x > t.baseline_left.x && p.x < t.baseline_left.x + t.extent.width &&
           p.y > t.baseline_left.y - t.extent.ascent && p.y < t.baseline_left.y + t.extent.descent;
}

// The labels of points, guides and the curve stay clear of one another, of
// the tick labels and of the curve; ticks stay at nice steps.
void expect_readable(const draw::Scene& scene, const std::string& what) {
    EXPECT_TRUE(nice(scene.x_step)) << what << ": " << scene.x_step;
    EXPECT_TRUE(nice(scene.y_step)) << what << ": " << scene.y_step;
    for (std::size_t i = 0; i < scene.texts.size(); ++i) {
        const draw::SceneText& label = scene.texts[i];
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_TRUE(apart(label, scene.texts[j]))
                << what << ": " << label.text << " / " << scene.texts[j].text;
        }
        for (const draw::SceneText& tick : scene.tick_labels) {
            EXPECT_TRUE(apart(label, tick)) << what << ": " << label.text << " on " << tick.text;
        }
        for (const draw::SceneLines& line : scene.lines) {
            if (line.ink != draw::Ink::Curve) {
                continue;
            }
            EXPECT_TRUE(std::ranges::none_of(
                line.points, [&](const draw::Point& p) { return inside(p, label); }))
                << what << ": the curve runs through " << label.text;
        }
    }
}

class Scenes : public ::testing::TestWithParam<Case> {};

TEST_P(Scenes, MarksInViewNiceTicksLabelsApartAndOnlyNumbers) {
    const Case& c = GetParam();
    const calc::Exercise exercise =
        c.entries.size() == 3
            ? calc::evaluate_quadratic(c.entries[0], c.entries[1], c.entries[2])
            : calc::evaluate_line(c.entries[0], c.entries[1], c.entries[2], c.entries[3]);
    FakeCanvas canvas(380, 432);
    const draw::Scene scene = draw::build_scene(exercise.plot, canvas);
    for (const calc::PlotMark& mark : exercise.plot.marks) {
        const double x = scene.x_offset + mark.x * scene.x_scale;
        const double y = scene.y_offset - mark.y * scene.y_scale;
        EXPECT_GT(x, scene.left + 4) << mark.label;
        EXPECT_LT(x, scene.right - 4) << mark.label;
        EXPECT_GT(y, scene.top + 4) << mark.label;
        EXPECT_LT(y, scene.bottom - 4) << mark.label;
    }
    EXPECT_EQ(scene.dots.size(), exercise.plot.marks.size());
    EXPECT_TRUE(nice(scene.x_step)) << scene.x_step;
    EXPECT_TRUE(nice(scene.y_step)) << scene.y_step;
    EXPECT_EQ(scene.equal_units, c.equal_units);
    for (std::size_t i = 1; i < scene.tick_labels.size(); ++i) {
        const draw::SceneText& a = scene.tick_labels[i - 1];
        const draw::SceneText& b = scene.tick_labels[i];
        const bool same_row = a.baseline_left.y == b.baseline_left.y;
        const bool apart = same_row ? a.baseline_left.x + a.extent.width < b.baseline_left.x
                                    : std::fabs(a.baseline_left.y - b.baseline_left.y) >=
                                          a.extent.ascent + a.extent.descent;
        EXPECT_TRUE(apart || a.baseline_left.x != b.baseline_left.x) << a.text << " / " << b.text;
    }
    EXPECT_GE(scene.tick_labels.size(), 4u);
    expect_readable(scene, c.name);
    for (std::size_t i = 0; i < exercise.plot.marks.size(); ++i) {
        const calc::PlotMark& mark = exercise.plot.marks[i];
        EXPECT_NEAR(scene.dots[i].x, scene.x_offset + mark.x * scene.x_scale, 1e-6) << mark.label;
        EXPECT_NEAR(scene.dots[i].y, scene.y_offset - mark.y * scene.y_scale, 1e-6) << mark.label;
    }
    for (const draw::SceneLines& lines : scene.lines) {
        for (const draw::Point& p : lines.points) {
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Plots, Scenes,
    ::testing::Values(
        Case{"textbook_parabola", {"1", "-3", "1"}, true},
        Case{"vertex_on_a_tick", {"1", "2", "-3"}, true},
        Case{"vertex_near_the_crossings", {"1", "-3", "2"}, true},
        Case{"deep_vertex", {"1", "-8", "1"}, true}, Case{"no_crossing", {"3", "2", "1"}, true},
        Case{"linear", {"0", "3", "1"}, true}, Case{"line", {"3", "5", "-4", "-9"}, true},
        Case{"same_x_still_draws_the_points", {"1", "2", "1", "5"}, true},
        Case{"huge_coefficients", {"1E300", "-3E300", "1E300"}, true},
        Case{"a_tiny", {"1E-300", "1", "1"}, true},
        Case{"thirty_four_digits",
             {"1.234567890123456789012345678901234", "-9.87654321098765432109876543210987", "2.5"},
             true},
        Case{"far_from_the_origin", {"1", "-2000", "999999"}, false}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The wheel zooms about the pointer, a drag pans, and at every view the
// ticks stay nice and the labels readable.
TEST(GraphView, ZoomKeepsThePointUnderThePointerAndPanMovesWithIt) {
    const calc::Exercise exercise = calc::evaluate_quadratic("1", "-3", "1");
    FakeCanvas canvas(380, 432);
    const draw::Scene fitted = draw::build_scene(exercise.plot, canvas);
    const draw::Point pointer{230, 140};
    const double x = draw::plane_x(fitted, pointer.x);
    const double y = (fitted.y_offset - pointer.y) / fitted.y_scale;
    const auto at = [](const draw::Scene& scene, double px, double py) {
        return draw::Point{scene.x_offset + px * scene.x_scale,
                           scene.y_offset - py * scene.y_scale};
    };
    for (const double factor : {1.25, 4.0, 0.8, 1e-5, 1e6}) {
        const draw::GraphOptions options{1, draw::zoomed(fitted, factor, pointer), std::nullopt};
        const draw::Scene scene = draw::build_scene(exercise.plot, canvas, options);
        EXPECT_NEAR(at(scene, x, y).x, pointer.x, 1e-6) << factor;
        EXPECT_NEAR(at(scene, x, y).y, pointer.y, 1e-6) << factor;
        EXPECT_NEAR(scene.x_scale, fitted.x_scale * factor, fitted.x_scale * factor * 1e-9);
        expect_readable(scene, "zoomed " + std::to_string(factor));
    }
    const draw::GraphOptions moved{1, draw::panned(fitted, 30, -20), std::nullopt};
    const draw::Scene panned = draw::build_scene(exercise.plot, canvas, moved);
    EXPECT_NEAR(at(panned, x, y).x, pointer.x + 30, 1e-6);
    EXPECT_NEAR(at(panned, x, y).y, pointer.y - 20, 1e-6);
    expect_readable(panned, "panned");
}

TEST(GraphView, ATracedPointSitsOnTheCurveWithItsCoordinates) {
    const calc::Exercise exercise = calc::evaluate_quadratic("1", "-3", "1");
    FakeCanvas canvas(380, 432);
    const draw::Scene scene = draw::build_scene(exercise.plot, canvas, {1, std::nullopt, 2.5});
    ASSERT_TRUE(scene.trace);
    EXPECT_NEAR(scene.trace->x, scene.x_offset + 2.5 * scene.x_scale, 1e-9);
    EXPECT_NEAR(scene.trace->y, scene.y_offset + 0.25 * scene.y_scale, 1e-9) << "y = −0.25";
    EXPECT_EQ(std::ranges::count(scene.texts, std::string("(2.5, −0.25)"), &draw::SceneText::text),
              1);
}

TEST(Scene, HugeNumbersAreLabelledInENotation) {
    const calc::Exercise exercise = calc::evaluate_quadratic("1E-300", "1", "1");
    FakeCanvas canvas(380, 432);
    const draw::Scene scene = draw::build_scene(exercise.plot, canvas);
    const auto e_notation = std::ranges::count_if(scene.tick_labels, [](const draw::SceneText& t) {
        return t.text.find("E+") != std::string::npos;
    });
    EXPECT_GT(e_notation, 0);
}

} // namespace
} // namespace vornix::testing
