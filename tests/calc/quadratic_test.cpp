#include "calc.hpp"

#include <gtest/gtest.h>

#include <string>

using vornix::calc::ArithmeticFault;
using vornix::calc::solve_quadratic;

namespace {

struct QuadraticCase {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    const char* answer;
};

std::ostream& operator<<(std::ostream& out, const QuadraticCase& c) {
    return out << c.name;
}

class SolveQuadratic : public testing::TestWithParam<QuadraticCase> {};

TEST_P(SolveQuadratic, AnswersCharacterForCharacter) {
    const QuadraticCase& c = GetParam();
    EXPECT_EQ(solve_quadratic(c.a, c.b, c.c), c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    TextbookExamples, SolveQuadratic,
    testing::Values(QuadraticCase{"two_positive_roots", "1", "-3", "2", "X1= 1    X2= 2"},
                    QuadraticCase{"two_negative_roots", "1", "5", "6", "X1=-3    X2=-2"},
                    QuadraticCase{"double_root_shown_twice", "1", "2", "1", "X1=-1    X2=-1"},
                    QuadraticCase{"negative_a_keeps_x1_larger", "-1", "0", "4", "X1= 2    X2=-2"},
                    QuadraticCase{"zero_root_without_sign", "2", "4", "0", "X1=-2    X2= 0"},
                    QuadraticCase{"no_real_root", "1", "0", "1", "△小于0，无解！"},
                    QuadraticCase{"linear_fallback", "0", "2", "-4", "X= 2"},
                    QuadraticCase{"linear_zero_root", "0", "2", "0", "X= 0"},
                    QuadraticCase{"both_roots_zero", "1", "0", "0", "X1= 0    X2= 0"},
                    QuadraticCase{"negative_zero_a_is_linear", "-0", "4", "2", "X=-0.5"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ExactForTheNumbersAsTyped, SolveQuadratic,
    testing::Values(
        QuadraticCase{"decimal_double_root", "1", "-1.4", "0.49", "X1= 0.7    X2= 0.7"},
        QuadraticCase{"small_decimal_double_root", "1", "0.2", "0.01", "X1=-0.1    X2=-0.1"},
        QuadraticCase{"cancelling_root_from_product", "1", "100000000", "1",
                      "X1=-100000000    X2=-1E-08"},
        QuadraticCase{"cancelling_root_negative_b", "1", "-100000000", "1",
                      "X1= 1E-08    X2= 100000000"},
        QuadraticCase{"extreme_scales", "1E-200", "1", "1E-200", "X1=-1E+200    X2=-1E-200"},
        QuadraticCase{"irrational_roots", "1", "0", "-2",
                      "X1=-1.4142135623731    X2= 1.4142135623731"},
        QuadraticCase{"irrational_golden_ratio", "1", "-1", "-1",
                      "X1=-0.618033988749895    X2= 1.61803398874989"},
        QuadraticCase{"fullwidth_entries", "１", "－３", "２", "X1= 1    X2= 2"},
        QuadraticCase{"hex_entries", "&H1", "&H0", "-&H1", "X1= 0    X2= 0"},
        QuadraticCase{"linear_irrational_quotient", "0", "3", "-1", "X= 0.333333333333333"},
        QuadraticCase{"discriminant_beyond_squares", "1E200", "1E200", "0.25E200",
                      "X1=-0.5    X2=-0.5"},
        QuadraticCase{"tiny_result_shown_as_it_is", "0", "1E300", "-1E-300", "X= 1E-600"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FaultCase {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c) {
    return out << c.name;
}

class QuadraticFault : public testing::TestWithParam<FaultCase> {};

TEST_P(QuadraticFault, RaisesTheArithmeticFault) {
    const FaultCase& c = GetParam();
    EXPECT_THROW(solve_quadratic(c.a, c.b, c.c), ArithmeticFault);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, QuadraticFault,
    testing::Values(FaultCase{"all_empty_is_zero_over_zero", "", "", ""},
                    FaultCase{"linear_division_by_zero", "0", "0", "5"},
                    FaultCase{"typed_number_beyond_range", "1E400", "1", "1"},
                    FaultCase{"discriminant_beyond_range", "1", "1E200", "1"},
                    FaultCase{"negative_discriminant_beyond_range", "1E200", "0", "1E200"},
                    FaultCase{"linear_root_beyond_range", "0", "1E-300", "1E300"},
                    FaultCase{"root_beyond_range", "1E-300", "1E10", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
