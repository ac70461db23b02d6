// The working as the textbook writes it, for its own exercises, and checked
// line by line with exact arithmetic over thousands of random ones.
#include "calc.hpp"
#include "exercise.hpp"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

using vornix::calc::Exercise;
using vornix::calc::Method;
using vornix::calc::Outcome;

struct Textbook {
    const char* name;
    std::vector<std::string> entries; // a, b, c; or x1, y1, x2, y2
    Method chosen;
    std::vector<std::pair<Method, std::string>> workings;
};

// A failing case names its row and its entries.
void PrintTo(const Textbook& t, std::ostream* out) {
    *out << t.name;
    for (const std::string& entry : t.entries) {
        *out << " " << entry;
    }
}

Exercise evaluate(const std::vector<std::string>& e) {
    return e.size() == 3 ? vornix::calc::evaluate_quadratic(e[0], e[1], e[2])
                         : vornix::calc::evaluate_line(e[0], e[1], e[2], e[3]);
}

class TextbookWorking : public testing::TestWithParam<Textbook> {};

TEST_P(TextbookWorking, EveryMethodReadsAsTheTextbookWritesIt) {
    const Textbook& t = GetParam();
    const Exercise exercise = evaluate(t.entries);
    ASSERT_EQ(exercise.workings.size(), t.workings.size());
    EXPECT_EQ(exercise.workings[exercise.default_working].method, t.chosen);
    for (std::size_t i = 0; i < t.workings.size(); ++i) {
        EXPECT_EQ(exercise.workings[i].method, t.workings[i].first);
        EXPECT_EQ(linear_text(exercise.workings[i]), t.workings[i].second)
            << method_name(t.workings[i].first);
    }
}

const std::string kFormula_1_m3_1 = "解：a=1，b=−3，c=1.\n"
                                    "Δ=b²−4ac=(−3)²−4×1×1=5>0，\n"
                                    "方程有两个不等的实数根，\n"
                                    "x=(−b±√(b²−4ac))/(2a)=(3±√5)/(2×1)=(3±√5)/2，\n"
                                    "即 x₁=(3−√5)/2，x₂=(3+√5)/2.";

INSTANTIATE_TEST_SUITE_P(
    Exercises, TextbookWorking,
    testing::Values(
        Textbook{"formula",
                 {"1", "-3", "1"},
                 Method::Formula,
                 {{Method::Formula, kFormula_1_m3_1},
                  {Method::CompletingSquare, "解：移项，得 x²−3x=−1.\n"
                                             "配方，得 x²−3x+(3/2)²=−1+(3/2)²，\n"
                                             "(x−3/2)²=5/4.\n"
                                             "由此可得 x−3/2=±√(5/4)=±√5/2，\n"
                                             "x₁=(3−√5)/2，x₂=(3+√5)/2."}}},
        Textbook{"completing_the_square",
                 {"1", "-8", "1"},
                 Method::CompletingSquare,
                 {{Method::Formula, "解：a=1，b=−8，c=1.\n"
                                    "Δ=b²−4ac=(−8)²−4×1×1=60>0，\n"
                                    "方程有两个不等的实数根，\n"
                                    "x=(−b±√(b²−4ac))/(2a)=(8±√60)/(2×1)=(8±2√15)/2=4±√15，\n"
                                    "即 x₁=4−√15，x₂=4+√15."},
                  {Method::CompletingSquare, "解：移项，得 x²−8x=−1.\n"
                                             "配方，得 x²−8x+4²=−1+4²，\n"
                                             "(x−4)²=15.\n"
                                             "由此可得 x−4=±√15，\n"
                                             "x₁=4−√15，x₂=4+√15."}}},
        Textbook{"surd_simplified_then_reduced",
                 {"2", "-4", "-3"},
                 Method::Formula,
                 {{Method::Formula, "解：a=2，b=−4，c=−3.\n"
                                    "Δ=b²−4ac=(−4)²−4×2×(−3)=40>0，\n"
                                    "方程有两个不等的实数根，\n"
                                    "x=(−b±√(b²−4ac))/(2a)=(4±√40)/(2×2)=(4±2√10)/4=(2±√10)/2，\n"
                                    "即 x₁=(2−√10)/2，x₂=(2+√10)/2."},
                  {Method::CompletingSquare, "解：移项，得 2x²−4x=3.\n"
                                             "二次项系数化为1，得 x²−2x=3/2.\n"
                                             "配方，得 x²−2x+1²=3/2+1²，\n"
                                             "(x−1)²=5/2.\n"
                                             "由此可得 x−1=±√(5/2)=±√10/2，\n"
                                             "x₁=(2−√10)/2，x₂=(2+√10)/2."}}},
        Textbook{"two_rational_roots",
                 {"1", "-1", "-2"},
                 Method::Factoring,
                 {{Method::Formula, "解：a=1，b=−1，c=−2.\n"
                                    "Δ=b²−4ac=(−1)²−4×1×(−2)=9>0，\n"
                                    "方程有两个不等的实数根，\n"
                                    "x=(−b±√(b²−4ac))/(2a)=(1±√9)/(2×1)=(1±3)/2，\n"
                                    "即 x₁=−1，x₂=2."},
                  {Method::CompletingSquare, "解：移项，得 x²−x=2.\n"
                                             "配方，得 x²−x+(1/2)²=2+(1/2)²，\n"
                                             "(x−1/2)²=9/4.\n"
                                             "由此可得 x−1/2=±3/2，\n"
                                             "x₁=−1，x₂=2."},
                  {Method::Factoring, "解：因式分解，得 (x+1)(x−2)=0.\n"
                                      "于是得 x+1=0 或 x−2=0，\n"
                                      "x₁=−1，x₂=2."}}},
        Textbook{"difference_of_squares",
                 {"4", "0", "-9"},
                 Method::Factoring,
                 {{Method::Formula, "解：a=4，b=0，c=−9.\n"
                                    "Δ=b²−4ac=0²−4×4×(−9)=144>0，\n"
                                    "方程有两个不等的实数根，\n"
                                    "x=(−b±√(b²−4ac))/(2a)=±√144/(2×4)=±12/8=±3/2，\n"
                                    "即 x₁=−3/2，x₂=3/2."},
                  {Method::CompletingSquare, "解：移项，得 4x²=9.\n"
                                             "二次项系数化为1，得 x²=9/4.\n"
                                             "直接开平方，得 x=±3/2，\n"
                                             "x₁=−3/2，x₂=3/2."},
                  {Method::Factoring, "解：因式分解，得 (2x+3)(2x−3)=0.\n"
                                      "于是得 2x+3=0 或 2x−3=0，\n"
                                      "x₁=−3/2，x₂=3/2."}}},
        Textbook{"perfect_square",
                 {"1", "6", "9"},
                 Method::Factoring,
                 {{Method::Formula, "解：a=1，b=6，c=9.\n"
                                    "Δ=b²−4ac=6²−4×1×9=0，\n"
                                    "方程有两个相等的实数根，\n"
                                    "x₁=x₂=−b/(2a)=−6/(2×1)=−3."},
                  {Method::CompletingSquare, "解：移项，得 x²+6x=−9.\n"
                                             "配方，得 x²+6x+3²=−9+3²，\n"
                                             "(x+3)²=0.\n"
                                             "由此可得 x₁=x₂=−3."},
                  {Method::Factoring, "解：因式分解，得 (x+3)²=0.\n"
                                      "于是得 x+3=0，\n"
                                      "x₁=x₂=−3."}}},
        Textbook{"decimals_made_integers",
                 {"0.5", "-1", "-1"},
                 Method::CompletingSquare,
                 {{Method::Formula, "解：方程两边同乘以 2，得 x²−2x−2=0.\n"
                                    "a=1，b=−2，c=−2.\n"
                                    "Δ=b²−4ac=(−2)²−4×1×(−2)=12>0，\n"
                                    "方程有两个不等的实数根，\n"
                                    "x=(−b±√(b²−4ac))/(2a)=(2±√12)/(2×1)=(2±2√3)/2=1±√3，\n"
                                    "即 x₁=1−√3，x₂=1+√3."},
                  {Method::CompletingSquare, "解：方程两边同乘以 2，得 x²−2x−2=0.\n"
                                             "移项，得 x²−2x=2.\n"
                                             "配方，得 x²−2x+1²=2+1²，\n"
                                             "(x−1)²=3.\n"
                                             "由此可得 x−1=±√3，\n"
                                             "x₁=1−√3，x₂=1+√3."}}},
        Textbook{
            "no_real_root",
            {"3", "2", "1"},
            Method::Formula,
            {{Method::Formula, "解：a=3，b=2，c=1.\n"
                               "Δ=b²−4ac=2²−4×3×1=−8<0，\n"
                               "方程没有实数根."},
             {Method::CompletingSquare, "解：移项，得 3x²+2x=−1.\n"
                                        "二次项系数化为1，得 x²+(2/3)x=−1/3.\n"
                                        "配方，得 x²+(2/3)x+(1/3)²=−1/3+(1/3)²，\n"
                                        "(x+1/3)²=−2/9.\n"
                                        "因为任何实数的平方都不会是负数，所以方程没有实数根."}}},
        Textbook{"linear",
                 {"0", "3", "1"},
                 Method::Linear,
                 {{Method::Linear, "解：移项，得 3x=−1，\n"
                                   "系数化为1，得 x=−1/3."}}},
        Textbook{"line_through_two_points",
                 {"3", "5", "-4", "-9"},
                 Method::Undetermined,
                 {{Method::Undetermined, "解：设这个一次函数的解析式为 y=kx+b.\n"
                                         "因为 y=kx+b 的图象过点 (3, 5) 与 (−4, −9)，所以\n"
                                         "⎧ 3k+b=5，\n"
                                         "⎩ −4k+b=−9.\n"
                                         "两式相减，得 7k=14，k=2.\n"
                                         "把 k=2 代入 3k+b=5，得 b=−1.\n"
                                         "所以这个一次函数的解析式为 y=2x−1."}}},
        Textbook{"negative_a_made_positive_names_the_smaller_root_first",
                 {"-2", "4", "6"},
                 Method::Factoring,
                 {{Method::Formula, "解：方程两边同除以 −2，得 x²−2x−3=0.\n"
                                    "a=1，b=−2，c=−3.\n"
                                    "Δ=b²−4ac=(−2)²−4×1×(−3)=16>0，\n"
                                    "方程有两个不等的实数根，\n"
                                    "x=(−b±√(b²−4ac))/(2a)=(2±√16)/(2×1)=(2±4)/2，\n"
                                    "即 x₁=−1，x₂=3."},
                  {Method::CompletingSquare, "解：方程两边同除以 −2，得 x²−2x−3=0.\n"
                                             "移项，得 x²−2x=3.\n"
                                             "配方，得 x²−2x+1²=3+1²，\n"
                                             "(x−1)²=4.\n"
                                             "由此可得 x−1=±2，\n"
                                             "x₁=−1，x₂=3."},
                  {Method::Factoring, "解：方程两边同除以 −2，得 x²−2x−3=0.\n"
                                      "因式分解，得 (x+1)(x−3)=0.\n"
                                      "于是得 x+1=0 或 x−3=0，\n"
                                      "x₁=−1，x₂=3."}}},
        Textbook{"too_long_to_simplify",
                 {"1E-30", "1", "1"},
                 Method::Formula,
                 {{Method::Formula, "解：a=1E-30，b=1，c=1.\n"
                                    "Δ=b²−4ac≈1>0，\n"
                                    "方程有两个不等的实数根，\n"
                                    "x=(−b±√(b²−4ac))/(2a)，\n"
                                    "即 x₁≈−1E+30，x₂≈−1.\n"
                                    "数字的位数太多，这里不能给出精确形式，以上是近似值."}}}),
    [](const testing::TestParamInfo<Textbook>& info) { return std::string(info.param.name); });

// Where a student would notice: at most two lines of preparation, no
// factoring of what is already a product, the factors in the order written,
// and a point on the y axis giving b at once.
TEST(WorkingStyle, OneMethodReadsAsAStudentExpectsIt) {
    struct Row {
        const char* name;
        std::vector<std::string> entries;
        Method method;
        std::string text;
    };
    for (const Row& row : {
             Row{"sign_with_the_multiplication",
                 {"-0.5", "1", "1"},
                 Method::CompletingSquare,
                 "解：方程两边同乘以 −2，得 x²−2x−2=0.\n"
                 "移项，得 x²−2x=2.\n"
                 "配方，得 x²−2x+1²=2+1²，\n"
                 "(x−1)²=3.\n"
                 "由此可得 x−1=±√3，\n"
                 "x₁=1−√3，x₂=1+√3."},
             Row{"sign_with_the_division",
                 {"-0.3", "0.6", "0.9"},
                 Method::Factoring,
                 "解：方程两边同乘以 10，得 −3x²+6x+9=0.\n"
                 "方程两边同除以 −3，得 x²−2x−3=0.\n"
                 "因式分解，得 (x+1)(x−3)=0.\n"
                 "于是得 x+1=0 或 x−3=0，\n"
                 "x₁=−1，x₂=3."},
             Row{"already_a_square",
                 {"2", "0", "0"},
                 Method::Factoring,
                 "解：方程两边同除以 2，得 x²=0.\n"
                 "x₁=x₂=0."},
             Row{"factors_in_the_written_order",
                 {"2", "1", "0"},
                 Method::Factoring,
                 "解：因式分解，得 x(2x+1)=0.\n"
                 "于是得 x=0 或 2x+1=0，\n"
                 "x₁=0，x₂=−1/2."},
             Row{"point_on_the_y_axis_gives_b",
                 {"0", "1", "1", "3"},
                 Method::Undetermined,
                 "解：设这个一次函数的解析式为 y=kx+b.\n"
                 "因为 y=kx+b 的图象过点 (0, 1) 与 (1, 3)，所以\n"
                 "⎧ b=1，\n"
                 "⎩ k+b=3.\n"
                 "把 b=1 代入 k+b=3，得 k=2.\n"
                 "所以这个一次函数的解析式为 y=2x+1."},
         }) {
        const Exercise exercise = evaluate(row.entries);
        const auto working =
            std::ranges::find(exercise.workings, row.method, &vornix::calc::Working::method);
        ASSERT_NE(working, exercise.workings.end()) << row.name;
        EXPECT_EQ(linear_text(*working), row.text) << row.name;
    }
}

TEST(ExerciseInWords, RefusalsAndFaultsSayWhyInsteadOfAWorking) {
    struct Row {
        std::vector<std::string> entries;
        Outcome outcome;
        std::string explanation_starts;
        std::size_t marks; // what the graph still shows
    };
    for (const Row& row : {
             Row{{"1", "2", "1", "5"}, Outcome::SameX, "两点的横坐标相同（都是 1）", 2},
             Row{{"1", "2", "3", "2"}, Outcome::SameY, "两点的纵坐标相同（都是 2），由此得 k=0", 2},
             Row{{"1", "2", "1", "2"}, Outcome::SameX, "两点重合", 2},
             Row{{"0", "0", "5"}, Outcome::NoEquation, "因为 a=0 且 b=0", 0},
             Row{{"1E400", "1", "1"},
                 Outcome::OutOfRange,
                 "输入的数或算出的结果超出了计算的范围",
                 0},
         }) {
        const Exercise exercise = evaluate(row.entries);
        EXPECT_EQ(exercise.outcome, row.outcome) << row.explanation_starts;
        EXPECT_TRUE(exercise.workings.empty());
        EXPECT_TRUE(exercise.explanation.starts_with(row.explanation_starts))
            << exercise.explanation;
        EXPECT_EQ(exercise.plot.marks.size(), row.marks) << row.explanation_starts;
    }
}

using Rational = boost::multiprecision::cpp_rational;

Rational rational(const std::string& text) {
    return Rational(text);
}

// The text after the last "=" of the Δ line and before its relation sign.
std::string written_delta(const std::string& working) {
    const std::size_t line = working.find("Δ=");
    const std::size_t end = working.find_first_of("><，", line);
    const std::size_t start = working.rfind('=', end) + 1;
    std::string value = working.substr(start, end - start);
    if (value.starts_with("−")) {
        value.replace(0, std::string("−").size(), "-");
    }
    return value;
}

std::string ascii_minus(std::string text) {
    for (std::size_t at = text.find("−"); at != std::string::npos; at = text.find("−", at)) {
        text.replace(at, std::string("−").size(), "-");
    }
    return text;
}

// "2x+1" of "于是得 2x+1=0 或 x−3=0，"; the whole working where it has none.
std::string first_factor(const std::string& working) {
    const std::size_t start = working.find("于是得 ") + std::string("于是得 ").size();
    return working.substr(start, working.find("=0", start) - start);
}

// The root of a linear factor "2x+1", "x−3", "x".
Rational factor_root(const std::string& factor) {
    const std::string f = ascii_minus(factor);
    const std::size_t x = f.find('x');
    const Rational q = x == 0 ? Rational(1) : rational(f.substr(0, x));
    const std::string rest = f.substr(x + 1);
    const Rational p = rest.empty() ? Rational(0) : rational(rest.substr(rest[0] == '+'));
    return -p / q;
}

// Whether the answer's X1 is the smaller root: "X1= 1    X2= 2".
bool answer_x1_smaller(const std::string& answer) {
    const std::size_t second = answer.find("X2=");
    return std::stod(answer.substr(3, second - 3)) < std::stod(answer.substr(second + 3));
}

// Random textbook-sized exercises: every equation a working writes has the
// roots of the one asked, the discriminant it writes belongs to the equation
// it solves, and its roots are the exact form's; x₁ is the − branch of the ±
// (the working makes a positive: the smaller root), or in 因式分解法 the root
// of the factor written first.
TEST(WorkingProperties, EveryEquationKeepsTheRootsAndTheRootsAreTheAnswers) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> digits(-60, 60);
    std::uniform_int_distribution<int> tenths(0, 3);
    int checked = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string entry[3];
        Rational value[3];
        for (int i = 0; i < 3; ++i) {
            const int n = digits(random);
            const bool tenth = tenths(random) == 0;
            value[i] = Rational(n) / (tenth ? 10 : 1);
            entry[i] = !tenth ? std::to_string(n)
                              : (n < 0 ? "-" : "") + std::to_string(std::abs(n) / 10) + "." +
                                    std::to_string(std::abs(n) % 10);
        }
        const Exercise exercise = vornix::calc::evaluate_quadratic(entry[0], entry[1], entry[2]);
        if (exercise.outcome != Outcome::Solved || value[0] == 0) {
            continue;
        }
        EXPECT_EQ(exercise.answer, vornix::calc::solve_quadratic(entry[0], entry[1], entry[2]));
        const auto exact = vornix::calc::exact_quadratic(entry[0], entry[1], entry[2]);
        for (const auto& working : exercise.workings) {
            for (const auto& written : working.equations) {
                const Rational a = rational(written[0]);
                const Rational b = rational(written[1]);
                const Rational c = rational(written[2]);
                // A multiple of the equation asked: the same roots, twice where it has one twice.
                EXPECT_TRUE(a * value[1] == b * value[0] && a * value[2] == c * value[0])
                    << entry[0] << " " << entry[1] << " " << entry[2] << ": " << written[0] << " "
                    << written[1] << " " << written[2];
            }
            const std::string text = linear_text(working);
            if (working.method == Method::Formula && !working.equations.empty()) {
                const auto& last = working.equations.back();
                const Rational a = rational(last[0]);
                const Rational b = rational(last[1]);
                const Rational c = rational(last[2]);
                EXPECT_EQ(rational(written_delta(text)), b * b - 4 * a * c) << text;
            } else if (working.method == Method::Formula) {
                EXPECT_EQ(rational(written_delta(text)),
                          value[1] * value[1] - 4 * value[0] * value[2])
                    << text;
            }
            if (exact->kind == vornix::calc::ExactQuadratic::Kind::Roots) {
                const bool twice = exact->x1.text == exact->x2.text;
                const bool x1_first =
                    working.method == Method::Factoring
                        ? factor_root(first_factor(text)) == rational(ascii_minus(exact->x1.text))
                        : answer_x1_smaller(exercise.answer);
                const std::string& first = x1_first ? exact->x1.text : exact->x2.text;
                const std::string& second = x1_first ? exact->x2.text : exact->x1.text;
                const std::string roots =
                    twice ? "=" + exact->x1.text + "." : "x₁=" + first + "，x₂=" + second + ".";
                EXPECT_TRUE(ascii_minus(text).ends_with(roots))
                    << text << "\nnot ending in " << roots;
                EXPECT_EQ(text.find("x₁=x₂=") != std::string::npos, twice) << text;
            }
        }
        ++checked;
    }
    EXPECT_GT(checked, 2500);
}

} // namespace
