// The verdict a teacher gives, line for line, on textbook exercises: each
// mark, each slip of the library named with its line of the working, and
// the answers no slip explains.
#include "answer.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace vornix::calc;

struct Marked {
    const char* name;
    std::vector<std::string> exercise; // a, b, c or x1, y1, x2, y2
    Page page;
    std::optional<Method> method;
    std::string answer;
    std::string lines; // joined by "\n"
    int working_line;  // counted from 1 as the text says; 0 for none
};

void PrintTo(const Marked& row, std::ostream* out) {
    *out << row.name;
}

Exercise exercise_of(const std::vector<std::string>& e) {
    return e.size() == 3 ? evaluate_quadratic(e[0], e[1], e[2])
                         : evaluate_line(e[0], e[1], e[2], e[3]);
}

class Verdicts : public testing::TestWithParam<Marked> {};

TEST_P(Verdicts, AsATeacherMarksIt) {
    const Marked& row = GetParam();
    const Verdict verdict =
        check_answer(exercise_of(row.exercise), row.page, row.method, row.answer);
    std::string lines;
    for (const std::string& line : verdict.lines) {
        lines += (lines.empty() ? "" : "\n") + line;
    }
    EXPECT_EQ(lines, row.lines);
    EXPECT_EQ(verdict.working_line ? static_cast<int>(*verdict.working_line) + 1 : 0,
              row.working_line);
}

const std::vector<std::string> kFactorable{"1", "-3", "2"}; // x₁=1, x₂=2
const std::vector<std::string> kGolden{"1", "-3", "1"};     // (3±√5)/2
const std::vector<std::string> kLine{"3", "5", "-4", "-9"}; // y=2x−1
const std::vector<std::string> kParabola{"2", "-4", "-3"};  // y=2(x−1)²−5
constexpr Page kSolve = Page::Solve;
constexpr Page kFunction = Page::Function;
constexpr std::optional<Method> kShownFirst;

INSTANTIATE_TEST_SUITE_P(
    Marks, Verdicts,
    testing::Values(Marked{"right", kFactorable, kSolve, kShownFirst, "x1=2，x2=1",
                           "正确：两个根都写对了，也都是最简形式.", 0},
                    Marked{"unsimplified", kGolden, kSolve, kShownFirst, "(6±√20)/4",
                           "未化简：(6±√20)/4 可化简为 (3±√5)/2.", 0},
                    Marked{"approximate", kGolden, kSolve, kShownFirst, "x≈2.618，x≈0.382",
                           "近似值：2.618、0.382 是近似值，请写出准确值.", 0},
                    Marked{"decimal_off_by_more_than_half_its_last_unit", kGolden, kSolve,
                           kShownFirst, "x≈2.61，x≈0.382",
                           "不正确：x=2.61 不是方程的根（代入方程的左边得 −0.0179，不等于 0）.", 0},
                    Marked{"incomplete", kFactorable, kSolve, kShownFirst, "x=1",
                           "不完整：方程有两个不相等的实数根，只写出了一个.", 0},
                    Marked{"wrong_without_a_slip", kGolden, kSolve, kShownFirst, "(3±√5)/4",
                           "不正确：x=(3−√5)/4 不是方程的根；x=(3+√5)/4 不是方程的根.", 0},
                    Marked{"wrong_rational_root_put_in", kFactorable, kSolve, kShownFirst, "1, 3",
                           "不正确：x=3 不是方程的根（代入方程的左边得 2，不等于 0）.", 0},
                    Marked{"no_real_root_right",
                           {"1", "0", "1"},
                           kSolve,
                           kShownFirst,
                           "无实数根",
                           "正确：Δ<0，方程没有实数根.",
                           0},
                    Marked{"unreadable", kGolden, kSolve, kShownFirst, "x=3±√5)/2",
                           "看不懂：从“)/2”起读不下去.", 0},
                    Marked{"off_the_page", kLine, kSolve, kShownFirst, "(1, 2)",
                           "看不懂：这里要写出一次函数的解析式，“(1, 2)”不是这样的答案.", 0},
                    Marked{
                        "nothing_to_solve",
                        {"0", "0", "3"},
                        kSolve,
                        kShownFirst,
                        "无解",
                        "无法检查：因为 a=0 且 b=0，方程里已经没有未知数 x，所以没有可以解的方程.",
                        0},
                    Marked{"constant_function",
                           {"0", "0", "3"},
                           kFunction,
                           kShownFirst,
                           "(0, 3)",
                           "正确：图象与 y 轴交于点 (0, 3).",
                           0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    EquationSlips, Verdicts,
    testing::Values(
        Marked{"minus_b_as_b", kGolden, kSolve, Method::Formula, "(-3±√5)/2",
               "不正确：x=(−3−√5)/2 不是方程的根；x=(−3+√5)/2 不是方程的根.\n"
               "可能的错因：你的答案正好是 x²+3x+1=0 的根，公式中的 −b 写成了 b.\n"
               "对照解题过程第 4 行.",
               4},
        Marked{"denominator_a", kGolden, kSolve, Method::Formula, "3±√5",
               "不正确：x=3−√5 不是方程的根；x=3+√5 不是方程的根.\n"
               "可能的错因：公式的分母 2a 写成了 a.\n对照解题过程第 4 行.",
               4},
        Marked{"only_root_divided", kGolden, kSolve, Method::Formula, "3±√5/2",
               "不正确：x=(6−√5)/2 不是方程的根；x=(6+√5)/2 不是方程的根.\n"
               "可能的错因：只有根号部分除以了 2a，−b 没有除以 2a.\n对照解题过程第 4 行.",
               4},
        Marked{"plus_four_ac", kGolden, kSolve, Method::Formula, "(3±√13)/2",
               "不正确：x=(3−√13)/2 不是方程的根；x=(3+√13)/2 不是方程的根.\n"
               "可能的错因：判别式算成了 b²+4ac（应该是 b²−4ac）.\n对照解题过程第 2 行.",
               2},
        Marked{"a_and_c_exchanged",
               {"3", "-5", "1"},
               kSolve,
               Method::Formula,
               "(5±√13)/2",
               "不正确：x=(5−√13)/2 不是方程的根；x=(5+√13)/2 不是方程的根.\n"
               "可能的错因：你的答案正好是 x²−5x+3=0 的根，把 a 和 c 弄反了.\n"
               "对照解题过程第 1 行.",
               1},
        Marked{"factor_sign", kFactorable, kSolve, Method::Factoring, "x=1，x=-2",
               "不正确：x=-2 不是方程的根（代入方程的左边得 12，不等于 0）.\n"
               "可能的错因：由 x−2=0 得出了 x=−2.\n对照解题过程第 3 行.",
               3},
        Marked{"factoring_shown_wins_over_formula", kFactorable, kSolve, Method::Factoring,
               "-1, -2",
               "不正确：x=-1 不是方程的根（代入方程的左边得 6，不等于 0）；"
               "x=-2 不是方程的根（代入方程的左边得 12，不等于 0）.\n"
               "可能的错因：由 x−1=0 得出了 x=−1，由 x−2=0 得出了 x=−2.\n对照解题过程第 3 行.",
               3},
        Marked{"formula_shown_wins_over_factoring", kFactorable, kSolve, Method::Formula, "-1, -2",
               "不正确：x=-1 不是方程的根（代入方程的左边得 6，不等于 0）；"
               "x=-2 不是方程的根（代入方程的左边得 12，不等于 0）.\n"
               "可能的错因：你的答案正好是 x²+3x+2=0 的根，公式中的 −b 写成了 b.\n"
               "对照解题过程第 4 行.",
               4},
        Marked{"square_on_one_side",
               {"1", "-8", "-1"},
               kSolve,
               Method::CompletingSquare,
               "3, 5",
               "不正确：x=3 不是方程的根（代入方程的左边得 −16，不等于 0）；"
               "x=5 不是方程的根（代入方程的左边得 −16，不等于 0）.\n"
               "可能的错因：配方时只在方程的一边加上了一次项系数一半的平方.\n"
               "对照解题过程第 2 行.",
               2},
        Marked{"constant_not_divided",
               {"2", "-8", "1"},
               kSolve,
               Method::CompletingSquare,
               "2±√3",
               "不正确：x=2−√3 不是方程的根；x=2+√3 不是方程的根.\n"
               "可能的错因：二次项系数化为1时，常数项没有除以二次项系数 2.\n"
               "对照解题过程第 2 行.",
               2},
        Marked{"slip_of_a_method_not_shown_names_its_working",
               {"2", "-8", "1"},
               kSolve,
               Method::Formula,
               "2±√3",
               "不正确：x=2−√3 不是方程的根；x=2+√3 不是方程的根.\n"
               "可能的错因：二次项系数化为1时，常数项没有除以二次项系数 2.\n"
               "对照配方法的解题过程第 2 行.",
               2},
        Marked{"positive_root_only",
               {"1", "0", "-4"},
               kSolve,
               kShownFirst,
               "x=2",
               "不完整：方程有两个不相等的实数根，只写出了一个.\n"
               "可能的错因：直接开平方时漏掉了负的平方根.\n对照配方法的解题过程第 2 行.",
               2},
        Marked{
            "decimal_term_not_multiplied",
            {"0.5", "-1", "-1"},
            kSolve,
            kShownFirst,
            "(1±√5)/2",
            "不正确：x=(1−√5)/2 不是方程的根；x=(1+√5)/2 不是方程的根.\n"
            "可能的错因：你的答案正好是 x²−x−1=0 的根，方程两边同乘以 2 时漏乘了一次项和常数项.\n"
            "对照解题过程第 1 行.",
            1},
        Marked{"linear_sign_kept",
               {"0", "2", "-3"},
               kSolve,
               kShownFirst,
               "x=-3/2",
               "不正确：x=-3/2 不是方程的根（代入方程的左边得 −6，不等于 0）.\n"
               "可能的错因：移项时没有变号.\n对照解题过程第 1 行.",
               1}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LineAndVertexSlips, Verdicts,
    testing::Values(
        Marked{"slope_inverted", kLine, kSolve, kShownFirst, "y=0.5x+3.5",
               "不正确：直线 y=0.5x+3.5 不经过点 (−4, −9).\n"
               "可能的错因：把 k 算成了 x 的差除以 y 的差（k 是 y 的差除以 x 的差）.\n"
               "对照解题过程第 4 行.",
               4},
        Marked{"slope_sign", kLine, kSolve, kShownFirst, "y=-2x+11",
               "不正确：直线 y=-2x+11 不经过点 (−4, −9).\n"
               "可能的错因：k 的符号错了（两个差要按同一个顺序相减）.\n对照解题过程第 4 行.",
               4},
        Marked{"intercept_sign", kLine, kSolve, kShownFirst, "k=2，b=11",
               "不正确：直线 y=2x+11 不经过点 (3, 5) 和 (−4, −9).\n"
               "可能的错因：由 b=y₁−kx₁ 算 b 时符号错了.\n对照解题过程第 5 行.",
               5},
        Marked{"point_swapped", kLine, kSolve, kShownFirst, "y=(4/3)x-11/3",
               "不正确：直线 y=(4/3)x-11/3 不经过点 (3, 5).\n"
               "可能的错因：把点 (3, 5) 的横、纵坐标弄反了.\n对照解题过程第 3 行.",
               3},
        Marked{"line_without_a_slip", kLine, kSolve, kShownFirst, "y=2x+1",
               "不正确：直线 y=2x+1 不经过点 (3, 5) 和 (−4, −9).", 0},
        Marked{"vertex_sign", kParabola, kFunction, kShownFirst, "y=2(x+1)²-5",
               "不正确：y=2(x+1)²-5 与 y=2x²−4x−3 不是同一个函数.\n"
               "可能的错因：把 (x−h)² 的顶点横坐标看成了 −h.\n对照解题过程第 4 行.",
               4},
        Marked{"constant_not_times_a", kParabola, kFunction, kShownFirst, "(1, -4)",
               "不正确：(1, -4) 不是抛物线的顶点.\n"
               "可能的错因：配方后把括号里减去的常数移出括号时忘了乘 a.\n对照解题过程第 4 行.",
               4},
        Marked{"factor_not_taken_out", kParabola, kFunction, kShownFirst, "y=2(x-2)^2-11",
               "不正确：y=2(x-2)^2-11 与 y=2x²−4x−3 不是同一个函数.\n"
               "可能的错因：提出二次项系数 a 时，一次项没有除以 a.\n对照解题过程第 2 行.",
               2},
        Marked{"general_form_is_not_finished", kParabola, kFunction, kShownFirst, "y=2x^2-4x-3",
               "不完整：还没有化成顶点式 y=a(x−h)²+k.", 0},
        Marked{"crossings", kLine, kFunction, kShownFirst, "(1/2, 0), (0, -1)",
               "正确：直线与两条坐标轴的交点都写对了.", 0},
        Marked{"area", kLine, kFunction, kShownFirst, "S=1/2", "不正确：三角形的面积不是 1/2.", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Question, SaysWhatEachPageAsks) {
    const Exercise parabola = exercise_of(kParabola);
    const Exercise line = exercise_of(kLine);
    const Exercise through_origin = exercise_of({"0", "0", "1", "2"});
    EXPECT_EQ(question(parabola, kSolve), "写出方程的解（没有实数根时写“无实数根”）");
    EXPECT_EQ(question(parabola, kFunction), "写出顶点式或顶点坐标");
    EXPECT_EQ(question(line, kSolve), "写出一次函数的解析式");
    EXPECT_EQ(question(line, kFunction), "写出直线与坐标轴的交点或三角形的面积");
    EXPECT_EQ(question(through_origin, kFunction), "写出直线与坐标轴的交点");
    EXPECT_EQ(question(Exercise{}, kSolve), "这道题没有可以检查的答案");
}

TEST(CheckAnswer, CopiesOfAnExerciseShareItsNumbers) {
    const Exercise original = exercise_of(kGolden);
    const Exercise copy = original; // as the windows keep it
    EXPECT_EQ(copy.numbers, original.numbers);
    EXPECT_EQ(check_answer(copy, kSolve, kShownFirst, "x=(3±√5)/2").mark, Mark::Correct);
}

TEST(CheckAnswer, LongEntryRefusedAtOnce) {
    const Verdict verdict =
        check_answer(exercise_of(kGolden), kSolve, kShownFirst, std::string(10'000, '1'));
    EXPECT_EQ(verdict.mark, Mark::Unreadable);
    EXPECT_EQ(verdict.lines.front(), "看不懂：答案太长了（超过 200 个字），只写出答案就可以.");
}

} // namespace
