// The function's page as the textbook writes it, for its own exercises, and
// its properties and graph checked with exact arithmetic over thousands of
// random ones.
#include "calc.hpp"
#include "exercise.hpp"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>

namespace {

using vornix::calc::Exercise;
using vornix::calc::Plot;
using vornix::calc::PlotMark;
using Rational = boost::multiprecision::cpp_rational;
constexpr auto npos = std::string::npos;

Exercise evaluate(const std::vector<std::string>& e) {
    return e.size() == 3 ? vornix::calc::evaluate_quadratic(e[0], e[1], e[2])
                         : vornix::calc::evaluate_line(e[0], e[1], e[2], e[3]);
}

std::string page_text(const vornix::calc::FunctionPage& page) {
    std::string text = linear_text(page.statement);
    for (const auto& line : page.lines) {
        text += "\n" + linear_text(line);
    }
    return text;
}

struct Textbook {
    const char* name;
    std::vector<std::string> entries;
    std::string page;
};

// A failing case names its row and its entries.
void PrintTo(const Textbook& t, std::ostream* out) {
    *out << t.name;
    for (const std::string& entry : t.entries) {
        *out << " " << entry;
    }
}

class TextbookFunction : public testing::TestWithParam<Textbook> {};

TEST_P(TextbookFunction, ReadsAsTheTextbookWritesIt) {
    EXPECT_EQ(page_text(evaluate(GetParam().entries).function), GetParam().page);
}

const std::string kAsked = " 的图象的开口方向、顶点、对称轴、最值和增减性，并求它与坐标轴的交点.\n";
const std::string kLineAsked = " 的增减性，求它与坐标轴的交点及与坐标轴围成的三角形的面积.\n";

INSTANTIATE_TEST_SUITE_P(
    Exercises, TextbookFunction,
    testing::Values(
        Textbook{"opens_up",
                 {"2", "-4", "-3"},
                 "说出二次函数 y=2x²−4x−3" + kAsked +
                     "解：y=2x²−4x−3\n=2(x²−2x)−3\n=2(x²−2x+1−1)−3\n=2(x−1)²−5.\n"
                     "所以抛物线的顶点是 (1, −5)，对称轴是直线 x=1.\n"
                     "因为 a=2>0，所以抛物线开口向上；\n当 x=1 时，y 有最小值 −5.\n"
                     "当 x<1 时，y 随 x 的增大而减小；当 x>1 时，y 随 x 的增大而增大.\n"
                     "抛物线 y=2(x−1)²−5 可以由抛物线 y=2x² 向右平移 1 个单位，"
                     "再向下平移 5 个单位得到.\n"
                     "令 y=0，得 2x²−4x−3=0，Δ=b²−4ac=40>0，\n"
                     "解得 x₁=(2−√10)/2，x₂=(2+√10)/2，\n"
                     "所以抛物线与 x 轴交于点 ((2−√10)/2, 0) 和 ((2+√10)/2, 0)；\n"
                     "令 x=0，得 y=−3，抛物线与 y 轴交于点 (0, −3)."},
        Textbook{"opens_down",
                 {"-1", "2", "3"},
                 "说出二次函数 y=−x²+2x+3" + kAsked +
                     "解：y=−x²+2x+3\n=−(x²−2x)+3\n=−(x²−2x+1−1)+3\n=−(x−1)²+4.\n"
                     "所以抛物线的顶点是 (1, 4)，对称轴是直线 x=1.\n"
                     "因为 a=−1<0，所以抛物线开口向下；\n当 x=1 时，y 有最大值 4.\n"
                     "当 x<1 时，y 随 x 的增大而增大；当 x>1 时，y 随 x 的增大而减小.\n"
                     "抛物线 y=−(x−1)²+4 可以由抛物线 y=−x² 向右平移 1 个单位，"
                     "再向上平移 4 个单位得到.\n"
                     "令 y=0，得 −x²+2x+3=0，Δ=b²−4ac=16>0，\n解得 x₁=−1，x₂=3，\n"
                     "所以抛物线与 x 轴交于点 (−1, 0) 和 (3, 0)；\n"
                     "令 x=0，得 y=3，抛物线与 y 轴交于点 (0, 3)."},
        Textbook{"decimal_made_a_fraction",
                 {"0.5", "-6", "21"},
                 "说出二次函数 y=0.5x²−6x+21" + kAsked +
                     "解：y=0.5x²−6x+21=(1/2)x²−6x+21\n=(1/2)(x²−12x)+21\n"
                     "=(1/2)(x²−12x+36−36)+21\n=(1/2)(x−6)²+3.\n"
                     "所以抛物线的顶点是 (6, 3)，对称轴是直线 x=6.\n"
                     "因为 a=1/2>0，所以抛物线开口向上；\n当 x=6 时，y 有最小值 3.\n"
                     "当 x<6 时，y 随 x 的增大而减小；当 x>6 时，y 随 x 的增大而增大.\n"
                     "抛物线 y=(1/2)(x−6)²+3 可以由抛物线 y=(1/2)x² 向右平移 6 个单位，"
                     "再向上平移 3 个单位得到.\n"
                     "令 y=0，得 (1/2)x²−6x+21=0，Δ=b²−4ac=−6<0，方程没有实数根，\n"
                     "所以抛物线与 x 轴没有交点；\n令 x=0，得 y=21，抛物线与 y 轴交于点 (0, 21)."},
        Textbook{"perfect_square",
                 {"1", "2", "1"},
                 "说出二次函数 y=x²+2x+1" + kAsked +
                     "解：y=x²+2x+1\n=(x+1)².\n所以抛物线的顶点是 (−1, 0)，对称轴是直线 x=−1.\n"
                     "因为 a=1>0，所以抛物线开口向上；\n当 x=−1 时，y 有最小值 0.\n"
                     "当 x<−1 时，y 随 x 的增大而减小；当 x>−1 时，y 随 x 的增大而增大.\n"
                     "抛物线 y=(x+1)² 可以由抛物线 y=x² 向左平移 1 个单位得到.\n"
                     "令 y=0，得 x²+2x+1=0，Δ=b²−4ac=0，\n解得 x₁=x₂=−1，\n"
                     "所以抛物线与 x 轴只有一个交点 (−1, 0)，它就是抛物线的顶点；\n"
                     "令 x=0，得 y=1，抛物线与 y 轴交于点 (0, 1)."},
        Textbook{"shifted_up_only",
                 {"1", "0", "1"},
                 "说出二次函数 y=x²+1" + kAsked +
                     "解：y=x²+1.\n所以抛物线的顶点是 (0, 1)，对称轴是 y 轴.\n"
                     "因为 a=1>0，所以抛物线开口向上；\n当 x=0 时，y 有最小值 1.\n"
                     "当 x<0 时，y 随 x 的增大而减小；当 x>0 时，y 随 x 的增大而增大.\n"
                     "抛物线 y=x²+1 可以由抛物线 y=x² 向上平移 1 个单位得到.\n"
                     "令 y=0，得 x²+1=0，Δ=b²−4ac=−4<0，方程没有实数根，\n"
                     "所以抛物线与 x 轴没有交点；\n令 x=0，得 y=1，抛物线与 y 轴交于点 (0, 1)."},
        Textbook{"vertex_at_the_origin",
                 {"3", "0", "0"},
                 "说出二次函数 y=3x²" + kAsked +
                     "解：y=3x².\n所以抛物线的顶点是 (0, 0)，对称轴是 y 轴.\n"
                     "因为 a=3>0，所以抛物线开口向上；\n当 x=0 时，y 有最小值 0.\n"
                     "当 x<0 时，y 随 x 的增大而减小；当 x>0 时，y 随 x 的增大而增大.\n"
                     "令 y=0，得 3x²=0，Δ=b²−4ac=0，\n解得 x₁=x₂=0，\n"
                     "所以抛物线与 x 轴只有一个交点 (0, 0)，它就是抛物线的顶点；\n"
                     "令 x=0，得 y=0，抛物线与 y 轴交于点 (0, 0)."},
        Textbook{"constant",
                 {"0", "0", "5"},
                 "说出函数 y=5 的性质.\n解：y=5 是常数函数：不论 x 取什么值，y 的值都是 5，"
                 "它的图象是经过点 (0, 5) 且平行于 x 轴的直线."},
        Textbook{"line_rising",
                 {"3", "5", "-4", "-9"},
                 "说出一次函数 y=2x−1" + kLineAsked +
                     "解：因为 k=2>0，所以 y 随 x 的增大而增大.\n"
                     "令 x=0，得 y=−1，直线与 y 轴交于点 (0, −1)；\n"
                     "令 y=0，得 x=1/2，直线与 x 轴交于点 (1/2, 0).\n"
                     "直线与两条坐标轴围成的三角形的面积 S=1/2×1/2×1=1/4.\n"
                     "直线 y=2x−1 可以由直线 y=2x 向下平移 1 个单位得到."},
        Textbook{"line_falling",
                 {"0", "6", "2", "0"},
                 "说出一次函数 y=−3x+6" + kLineAsked +
                     "解：因为 k=−3<0，所以 y 随 x 的增大而减小.\n"
                     "令 x=0，得 y=6，直线与 y 轴交于点 (0, 6)；\n"
                     "令 y=0，得 x=2，直线与 x 轴交于点 (2, 0).\n"
                     "直线与两条坐标轴围成的三角形的面积 S=1/2×2×6=6.\n"
                     "直线 y=−3x+6 可以由直线 y=−3x 向上平移 6 个单位得到."},
        Textbook{"line_through_decimal_points_as_its_working_answers",
                 {"0.5", "1", "1.5", "2.5"},
                 "说出一次函数 y=1.5x+0.25" + kLineAsked +
                     "解：y=1.5x+0.25=(3/2)x+1/4.\n"
                     "因为 k=3/2>0，所以 y 随 x 的增大而增大.\n"
                     "令 x=0，得 y=1/4，直线与 y 轴交于点 (0, 1/4)；\n"
                     "令 y=0，得 x=−1/6，直线与 x 轴交于点 (−1/6, 0).\n"
                     "直线与两条坐标轴围成的三角形的面积 S=1/2×1/6×1/4=1/48.\n"
                     "直线 y=(3/2)x+1/4 可以由直线 y=(3/2)x 向上平移 1/4 个单位得到."},
        Textbook{"proportional",
                 {"1", "2", "3", "6"},
                 "说出一次函数 y=2x 的增减性，求它与坐标轴的交点.\n"
                 "解：因为 k=2>0，所以 y 随 x 的增大而增大.\n因为 b=0，所以 y=2x "
                 "是正比例函数，它的图象是经过原点 (0, 0) 的直线，与两条坐标轴只交于原点，"
                 "不围成三角形."}),
    [](const testing::TestParamInfo<Textbook>& info) { return std::string(info.param.name); });

TEST(FunctionInWords, RefusalsAndFaultsSayWhatTheWorkingSays) {
    for (const auto& entries : std::vector<std::vector<std::string>>{
             {"1", "2", "1", "5"}, {"1", "2", "3", "2"}, {"1E400", "1", "1"}}) {
        const Exercise exercise = evaluate(entries);
        EXPECT_EQ(exercise.function.explanation, exercise.explanation);
        EXPECT_TRUE(exercise.function.lines.empty());
        EXPECT_EQ(exercise.function.plot.marks.size(), exercise.plot.marks.size());
    }
}

TEST(FunctionInWords, NumbersTooLongForFractionsAreRoundedAndSaidToBe) {
    for (const auto& entries : std::vector<std::vector<std::string>>{
             {"1E-30", "1", "1"},
             {"1.234567890123456789012345678901234", "-9.87654321098765432109876543210987", "2"},
             {"1", "2", "3E-300", "4E300"}}) {
        const std::string text = page_text(evaluate(entries).function);
        EXPECT_TRUE(text.ends_with("\n数字的位数太多，这里不能给出精确形式，以上是近似值."))
            << text;
        EXPECT_NE(text.find("≈"), npos) << text;
    }
}

std::string ascii_minus(std::string text) {
    for (std::size_t at = text.find("−"); at != npos; at = text.find("−", at)) {
        text.replace(at, std::string("−").size(), "-");
    }
    return text;
}

Rational rational(const std::string& text) {
    return Rational(text.starts_with('+') ? text.substr(1) : text);
}

// The text between `before` and the next `after`.
std::string between(const std::string& text, const std::string& before, const std::string& after) {
    const std::size_t start = text.find(before);
    const std::size_t begin = start == npos ? text.size() : start + before.size();
    return text.substr(begin, text.find(after, begin) - begin);
}

// "=(1/2)(x−6)²+3.", the vertex form, expanded back to a, b, c.
std::array<Rational, 3> expanded(const std::string& line) {
    const std::string t = ascii_minus(line.substr(1, line.size() - 2));
    const std::size_t open = t.find("(x");
    const std::size_t close = t.find(')', open);
    std::string a_text = t.substr(0, open);
    std::erase_if(a_text, [](char c) { return c == '(' || c == ')'; });
    const Rational a = a_text.empty() ? 1 : a_text == "-" ? -1 : rational(a_text);
    const Rational h = -rational(t.substr(open + 2, close - open - 2));
    const std::string k = t.substr(close + 1 + std::string("²").size());
    return {a, -2 * a * h, a * h * h + (k.empty() ? 0 : rational(k))};
}

bool close(double x, const Rational& y) {
    return std::fabs(x - y.convert_to<double>()) <= 1e-9 * (std::fabs(x) + 1);
}

bool marked(const Plot& plot, const Rational& x, const Rational& y, std::string_view label = "") {
    return std::ranges::any_of(plot.marks, [&](const PlotMark& m) {
        return close(m.x, x) && close(m.y, y) && m.label.find(label) != npos;
    });
}

// Every mark on y = ax² + bx + c; the vertex, its axis, C and the crossings where they belong.
void expect_parabola_graph(const Plot& plot, const Rational& a, const Rational& b,
                           const Rational& c, const std::string& context) {
    for (const PlotMark& m : plot.marks) {
        EXPECT_TRUE(close(m.y, a * Rational(m.x) * Rational(m.x) + b * Rational(m.x) + c))
            << context << " " << m.label;
    }
    const Rational h = -b / (2 * a);
    const Rational k = (4 * a * c - b * b) / (4 * a);
    const Rational delta = b * b - 4 * a * c;
    EXPECT_TRUE(marked(plot, h, k, "顶点") && marked(plot, 0, c, "C")) << context;
    EXPECT_TRUE(plot.guides.size() == 1 && close(plot.guides[0].at, h)) << context;
    const auto crossings = std::ranges::count(plot.marks, 0.0, &PlotMark::y);
    EXPECT_EQ(crossings, delta > 0 ? 2 : delta == 0 || k == 0 ? 1 : 0) << context;
}

void expect_line_graph(const Plot& plot, const Rational& k, const Rational& b,
                       const std::string& context) {
    EXPECT_TRUE(plot.a == 0 && close(plot.b, k) && close(plot.c, b)) << context;
    for (const PlotMark& m : plot.marks) {
        EXPECT_TRUE(close(m.y, k * Rational(m.x) + b)) << context << " " << m.label;
    }
    EXPECT_TRUE(marked(plot, -b / k, 0) && marked(plot, 0, b)) << context;
}

// The function page's graph: the curve through the origin it comes from,
// the arrows from the origin to (h, k), the triangle of a line.
void expect_translation(const Plot& plot, const Rational& base_a, const Rational& base_b,
                        const Rational& h, const Rational& k, const std::string& context) {
    EXPECT_TRUE(plot.base && close(plot.base_a, base_a) && close(plot.base_b, base_b)) << context;
    ASSERT_EQ(plot.arrows.size(), (h != 0 ? 1u : 0u) + (k != 0 ? 1u : 0u)) << context;
    if (!plot.arrows.empty()) {
        EXPECT_TRUE(plot.arrows.front()[0].x == 0 && plot.arrows.front()[0].y == 0) << context;
        EXPECT_TRUE(close(plot.arrows.back()[1].x, h) && close(plot.arrows.back()[1].y, k))
            << context;
    }
    if (base_a == 0 && k != 0) {
        ASSERT_EQ(plot.region.size(), 3u) << context;
        EXPECT_TRUE(close(plot.region[1].x, -k / base_b) && close(plot.region[2].y, k)) << context;
    }
}

// A function stated with decimals ("y=0.5x²−6x+21", "y=0.5x+1") is turned
// into fractions by the page's first line, and only then: "解：y=0.5x+1=…".
void expect_decimals_turned(const vornix::calc::FunctionPage& page, const std::string& context) {
    const std::string function = between(linear_text(page.statement), "函数 ", " 的");
    const bool decimals = function.find('.') != npos;
    EXPECT_EQ(linear_text(page.lines.front()).starts_with("解：" + function + "="), decimals)
        << context << "\n"
        << page_text(page);
}

void expect_line_page(const vornix::calc::FunctionPage& page, const Rational& k, const Rational& b,
                      const std::string& context) {
    expect_decimals_turned(page, context);
    const std::string text = ascii_minus(page_text(page));
    EXPECT_EQ(rational(between(text, "因为 k=", k > 0 ? ">0" : "<0")), k) << text;
    EXPECT_NE(text.find(k > 0 ? "增大而增大" : "增大而减小"), npos) << text;
    EXPECT_EQ(text.find("正比例函数") != npos, b == 0) << text;
    if (b != 0) {
        EXPECT_EQ(rational(between(text, "与 y 轴交于点 (0, ", ")")), b) << text;
        EXPECT_EQ(rational(between(text, "与 x 轴交于点 (", ", 0)")), -b / k) << text;
        const std::string area = between(text, "面积 S=", ".\n");
        EXPECT_EQ(rational(area.substr(area.rfind('=') + 1)), abs(b) * abs(b / k) / 2) << text;
    }
    expect_line_graph(page.plot, k, b, context);
    expect_translation(page.plot, 0, k, 0, b, context);
}

void expect_parabola_page(const Exercise& e, const Rational& a, const Rational& b,
                          const Rational& c, const std::string& context) {
    expect_decimals_turned(e.function, context);
    const std::string text = ascii_minus(page_text(e.function));
    const Rational h = -b / (2 * a);
    const Rational k = (4 * a * c - b * b) / (4 * a);
    // The chain: its lines after the first start blank under "解：y", the last expands back.
    std::size_t chain = 1;
    for (; e.function.lines[chain].front().kind == vornix::calc::Math::Kind::Phantom; ++chain) {
    }
    if (b != 0) {
        EXPECT_EQ(expanded(linear_text(e.function.lines[chain - 1])),
                  (std::array<Rational, 3>{a, b, c}))
            << text;
    }
    const std::string vertex = between(text, "顶点是 (", ")，");
    EXPECT_EQ(rational(vertex.substr(0, vertex.find(", "))), h) << text;
    EXPECT_EQ(rational(vertex.substr(vertex.find(", ") + 2)), k) << text;
    if (h == 0) {
        EXPECT_NE(text.find("对称轴是 y 轴."), npos) << text;
    } else {
        EXPECT_EQ(rational(between(text, "对称轴是直线 x=", ".")), h) << text;
    }
    EXPECT_EQ(rational(between(text, "当 x=", " 时")), h) << text;
    EXPECT_EQ(rational(between(text, a > 0 ? "有最小值 " : "有最大值 ", ".")), k) << text;
    const std::string translation = between(text, "可以由", "得到");
    for (const auto& [way, shown] :
         {std::pair{"向右", h > 0}, {"向左", h < 0}, {"向上", k > 0}, {"向下", k < 0}}) {
        EXPECT_EQ(translation.find(way) != npos, shown) << way << "\n" << text;
    }
    EXPECT_EQ(rational(between(text, "令 x=0，得 y=", "，")), c) << text;
    expect_parabola_graph(e.function.plot, a, b, c, context);
    expect_translation(e.function.plot, a, 0, h, k, context);
    const Rational delta = b * b - 4 * a * c;
    EXPECT_EQ(text.find("没有交点") != npos, delta < 0) << text;
    if (delta >= 0) { // the 解方程 page's roots, which the exact form's checks prove
        const std::string roots = between(text, "解得 ", "，\n");
        EXPECT_TRUE(ascii_minus(linear_text(e.workings[0])).ends_with(roots + ".")) << text;
        const std::string last = roots.substr(roots.rfind('=') + 1);
        const std::string first = roots.find("，") == npos ? last : between(roots, "₁=", "，");
        for (const std::string& root : {first, last}) {
            EXPECT_NE(text.find("(" + root + ", 0)"), npos) << root << "\n" << text;
        }
    }
}

Rational random_entry(std::mt19937& random, std::string& entry) {
    const int n = std::uniform_int_distribution<int>(-60, 60)(random);
    const bool tenth = std::uniform_int_distribution<int>(0, 3)(random) == 0;
    entry = !tenth ? std::to_string(n)
                   : (n < 0 ? "-" : "") + std::to_string(std::abs(n) / 10) + "." +
                         std::to_string(std::abs(n) % 10);
    return Rational(n) / (tenth ? 10 : 1);
}

// Random textbook-sized functions: what the page states and what both graphs
// mark, against the coefficients in exact arithmetic.
TEST(FunctionProperties, FollowFromTheCoefficientsOnThePageAndOnBothGraphs) {
    std::mt19937 random(20261208);
    int parabolas = 0;
    for (int round = 0; round < 2000; ++round) {
        std::string e[4];
        Rational v[4];
        for (int i = 0; i < 4; ++i) {
            v[i] = random_entry(random, e[i]);
        }
        const std::string context = e[0] + " " + e[1] + " " + e[2] + " " + e[3];
        const Exercise quadratic = vornix::calc::evaluate_quadratic(e[0], e[1], e[2]);
        if (v[0] != 0) {
            expect_parabola_page(quadratic, v[0], v[1], v[2], context);
            expect_parabola_graph(quadratic.plot, v[0], v[1], v[2], context);
            ++parabolas;
        } else if (v[1] != 0) {
            expect_line_page(quadratic.function, v[1], v[2], context);
        }
        if (v[0] != v[2] && v[1] != v[3]) {
            const Exercise line = vornix::calc::evaluate_line(e[0], e[1], e[2], e[3]);
            const Rational k = (v[3] - v[1]) / (v[2] - v[0]);
            expect_line_page(line.function, k, v[1] - k * v[0], context);
            expect_line_graph(line.plot, k, v[1] - k * v[0], context);
        }
    }
    EXPECT_GT(parabolas, 1900);
}

} // namespace
