// A formula set as the textbook prints it, measured on a canvas without a toolkit.
#include "fake_canvas.hpp"
#include "math_layout.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace vornix::testing {
namespace {

using calc::Formula;
using calc::Math;

Math text(const char* run) {
    return {Math::Kind::Text, run, {}};
}

// The run that starts with the text.
const draw::TextRun& run(const draw::Typeset& set, const std::string& text) {
    const auto found = std::ranges::find_if(
        set.runs, [&text](const draw::TextRun& r) { return r.text.starts_with(text); });
    EXPECT_NE(found, set.runs.end()) << text;
    return *found;
}

TEST(Typeset, FractionsStackRootsTakeABarScriptsMoveAndSystemsShareABrace) {
    FakeCanvas canvas(400, 300);
    const Math root{Math::Kind::Root, {}, {{text("5")}}};
    const Math fraction{Math::Kind::Fraction, {}, {{text("3±"), root}, {text("2")}}};
    const Math system{Math::Kind::System, {}, {{text("3k+b=5，")}, {text("−4k+b=−9.")}}};
    const std::vector<Formula> lines{{text("x₁="), fraction}, {system}};
    const draw::Typeset set = draw::typeset(lines, 12, 400, canvas);

    const draw::TextRun& top = run(set, "3±");
    const draw::TextRun& bottom = run(set, "2");
    const draw::TextRun& five = run(set, "5");
    const auto stroke_of = [&set](std::size_t points) {
        return *std::ranges::find_if(
            set.strokes, [points](const draw::Stroke& s) { return s.points.size() == points; });
    };
    const draw::Stroke bar = stroke_of(2);
    EXPECT_LT(top.baseline_left.y, bar.points[0].y) << "numerator above the rule";
    EXPECT_GT(bottom.baseline_left.y - 16 * 0.8, bar.points[0].y) << "denominator below it";
    const draw::Stroke radical = stroke_of(5);
    EXPECT_LE(radical.points[3].x, five.baseline_left.x) << "the sign before the radicand";
    EXPECT_GE(radical.points[4].x, five.baseline_left.x + 8) << "the bar over all of it";
    EXPECT_LT(radical.points[4].y, five.baseline_left.y - 16 * 0.8) << "and above it";
    const draw::TextRun& subscript = run(set, "1");
    EXPECT_LT(subscript.points, 12) << "x₁'s 1 is smaller";
    EXPECT_GT(subscript.baseline_left.y, run(set, "x").baseline_left.y) << "and lower";
    const draw::TextRun& first = run(set, "3k+b");
    const draw::TextRun& second = run(set, "−4k+b");
    EXPECT_EQ(first.baseline_left.x, second.baseline_left.x) << "one brace, equations aligned";
    EXPECT_LT(stroke_of(7).points.front().x, first.baseline_left.x) << "the brace before them";
}

TEST(Typeset, ALongLineBreaksBeforeAnEqualsSignAndGoesOnIndented) {
    FakeCanvas canvas(150, 300);
    const std::vector<Formula> lines{{text("x=1234567890=1234567890=1234567890")}};
    const draw::Typeset set = draw::typeset(lines, 12, 150, canvas);
    const auto equals = std::ranges::count_if(
        set.runs, [](const draw::TextRun& r) { return r.text.starts_with("="); });
    EXPECT_EQ(equals, 2) << "the second and third lines start with =";
    std::vector<double> rows;
    for (const draw::TextRun& r : set.runs) {
        if (std::ranges::find(rows, r.baseline_left.y) == rows.end()) {
            rows.push_back(r.baseline_left.y);
        }
        EXPECT_LE(r.baseline_left.x + canvas.measure(r.text, 12).width, 150) << r.text;
    }
    EXPECT_EQ(rows.size(), 3u);
    EXPECT_GT(set.runs.back().baseline_left.x, 0) << "indented";
}

} // namespace
} // namespace vornix::testing

namespace vornix::testing {
namespace {

TEST(Typeset, AFractionsBarSpansTheWiderOfItsParts) {
    FakeCanvas canvas(400, 300);
    for (const auto& [top, bottom] :
         {std::pair{"1", "2345678"}, std::pair{"12345678", "9"}, std::pair{"中文字", "x"}}) {
        const Math fraction{Math::Kind::Fraction, {}, {{text(top)}, {text(bottom)}}};
        const draw::Typeset set = draw::typeset(std::vector<Formula>{{fraction}}, 12, 400, canvas);
        ASSERT_EQ(set.strokes.size(), 1u);
        const draw::Stroke& bar = set.strokes.front();
        for (const draw::TextRun& part : set.runs) {
            EXPECT_LE(bar.points.front().x, part.baseline_left.x) << top << "/" << bottom;
            EXPECT_GE(bar.points.back().x,
                      part.baseline_left.x + canvas.measure(part.text, part.points).width)
                << top << "/" << bottom;
        }
    }
}

// No line of a wrapped working starts with a closing sign or ends with an
// opening bracket, at any width; "x=1" and a point's "(1, −5)" stay whole.
TEST(Typeset, WrappedChineseNeverStartsALineWithClosingPunctuation) {
    const Math half{Math::Kind::Fraction, {}, {{text("1")}, {text("2")}}};
    const std::vector<Formula> lines{
        {text("所以抛物线的顶点是 (1, −5)，对称轴是直线 x=1；当 x<1 时，y 随 x 的增大而减小："
              "当 x>1 时。y 随 x 的增大而增大！是吗？"),
         half, text("，（"), half, text(")，得。")}};
    constexpr std::string_view kClosing[] = {"，", "。", "：", "；",  "！",
                                             "？", "）", ")",  "−5)", "=1"};
    for (double width = 40; width <= 420; width += 7) {
        FakeCanvas canvas(width, 300);
        const draw::Typeset set = draw::typeset(lines, 12, width, canvas);
        for (const draw::SetLine& line : set.lines) {
            const draw::TextRun* first = nullptr;
            const draw::TextRun* last = nullptr;
            for (const draw::TextRun& run : set.runs) {
                if (run.baseline_left.y < line.top || run.baseline_left.y > line.bottom) {
                    continue;
                }
                if (first == nullptr || run.baseline_left.x < first->baseline_left.x) {
                    first = &run;
                }
                if (last == nullptr || run.baseline_left.x > last->baseline_left.x) {
                    last = &run;
                }
            }
            if (first == nullptr || &line == &set.lines.front()) {
                continue;
            }
            for (std::string_view closing : kClosing) {
                EXPECT_FALSE(first->text.starts_with(closing)) << width << ": " << first->text;
            }
            EXPECT_FALSE(last->text.ends_with("（")) << width;
        }
    }
}

} // namespace
} // namespace vornix::testing

namespace vornix::testing {
namespace {

// The runs of each set line, left to right.
std::vector<std::vector<draw::TextRun>> rows_of(const draw::Typeset& set) {
    std::vector<std::vector<draw::TextRun>> rows(set.lines.size());
    for (const draw::TextRun& run : set.runs) {
        for (std::size_t i = 0; i < set.lines.size(); ++i) {
            if (run.baseline_left.y >= set.lines[i].top &&
                run.baseline_left.y <= set.lines[i].bottom) {
                rows[i].push_back(run);
                break;
            }
        }
    }
    for (auto& row : rows) {
        std::ranges::sort(row, {}, [](const draw::TextRun& r) { return r.baseline_left.x; });
    }
    return rows;
}

// Every line of every working of these exercises, at every width from narrow
// to wide: "x₁" never ends a line whose next starts with "=".
TEST(Typeset, AtAnyWidthNoLineStartsWithEqualsAfterASubscriptedLetter) {
    FakeCanvas canvas(600, 300);
    int breaks_before_equals = 0;
    for (const auto& [a, b, c] : {std::array{"1", "-3", "1"}, std::array{"2", "-4", "-3"},
                                  std::array{"-1.6", "0", "3.3"}, std::array{"3", "7", "-2"}}) {
        const calc::Exercise exercise = calc::evaluate_quadratic(a, b, c);
        for (const calc::Working& working : exercise.workings) {
            for (double width = 40; width <= 420; width += 3) {
                const draw::Typeset set = draw::typeset(working.lines, 12, width, canvas);
                const auto rows = rows_of(set);
                for (std::size_t i = 1; i < rows.size(); ++i) {
                    if (rows[i].empty() || rows[i - 1].empty() ||
                        !rows[i].front().text.starts_with("=")) {
                        continue;
                    }
                    ++breaks_before_equals;
                    const draw::TextRun& last = rows[i - 1].back();
                    const bool subscript =
                        last.points < 12 &&
                        last.baseline_left.y > rows[i - 1].front().baseline_left.y;
                    EXPECT_FALSE(subscript) << a << " " << b << " " << c << " at " << width;
                }
            }
        }
    }
    EXPECT_GT(breaks_before_equals, 0) << "some lines do break before an equals sign";
}

} // namespace
} // namespace vornix::testing
