#include "calc.hpp"

#include <gtest/gtest.h>

#include <string>

using vornix::calc::ArithmeticFault;
using vornix::calc::solve_line;

namespace {

constexpr const char* kRefused = "ERROR! 无法求解，请检查输入的坐标。";

struct LineCase {
    const char* name;
    const char* x1;
    const char* y1;
    const char* x2;
    const char* y2;
    const char* answer;
};

std::ostream& operator<<(std::ostream& out, const LineCase& c) {
    return out << c.name;
}

class SolveLine : public testing::TestWithParam<LineCase> {};

TEST_P(SolveLine, AnswersCharacterForCharacter) {
    const LineCase& c = GetParam();
    EXPECT_EQ(solve_line(c.x1, c.y1, c.x2, c.y2), c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    TextbookExamples, SolveLine,
    testing::Values(LineCase{"positive_intercept", "0", "1", "1", "3", "Y= 2 X  + 1"},
                    LineCase{"negative_intercept_after_plus", "1", "1", "2", "3", "Y= 2 X  +-1"},
                    LineCase{"zero_intercept", "2", "4", "4", "8", "Y= 2 X  + 0"},
                    LineCase{"negative_slope", "3", "1", "1", "5", "Y=-2 X  + 7"},
                    LineCase{"same_height_refused", "1", "2", "3", "2", kRefused},
                    LineCase{"same_x_refused", "1", "2", "1", "5", kRefused},
                    LineCase{"all_empty_refused", "", "", "", "", kRefused}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ExactForTheNumbersAsTyped, SolveLine,
    testing::Values(
        LineCase{"decimal_points_zero_intercept", "0.1", "0.3", "0.7", "2.1", "Y= 3 X  + 0"},
        LineCase{"decimal_points_decimal_intercept", "-2.4", "-16.9", "3.8", "26.5",
                 "Y= 7 X  +-0.1"},
        LineCase{"repeating_slope", "-1.8", "-3.5", "1.3", "4.7",
                 "Y= 2.64516129032258 X  + 1.26129032258065"},
        LineCase{"fullwidth_points", "０", "１", "１", "３", "Y= 2 X  + 1"},
        LineCase{"slope_at_the_end_of_the_range", "0", "0", "1", "1.79769313486232E+308",
                 "Y= 1.79769313486232E+308 X  + 0"},
        LineCase{"tiny_slope_shown_as_it_is", "0", "0", "1E300", "1E-300", "Y= 1E-600 X  + 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveLineFaults, ResultsBeyondTheDoubleRangeAreFaults) {
    EXPECT_THROW(solve_line("0", "-1E300", "1E-300", "1E300"), ArithmeticFault) << "slope";
    EXPECT_THROW(solve_line("1", "-1E308", "2", "0.5E308"), ArithmeticFault) << "intercept";
    EXPECT_THROW(solve_line("1E999", "0", "1", "1"), ArithmeticFault) << "typed number";
}

TEST(SolveLineFaults, TypedNumberFaultComesBeforeTheRefusal) {
    EXPECT_THROW(solve_line("1", "1", "1", "1E999"), ArithmeticFault);
}

} // namespace
