#include "calc.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

using vornix::calc::ArithmeticFault;
using vornix::calc::show_number;

namespace {

struct DisplayCase {
    const char* name;
    double value;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const DisplayCase& c) {
    return out << c.name;
}

class ShowNumber : public testing::TestWithParam<DisplayCase> {};

TEST_P(ShowNumber, WritesTheDisplayForm) {
    EXPECT_EQ(show_number(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ShowNumber,
    testing::Values(
        DisplayCase{"positive_keeps_a_sign_blank", 2, " 2"}, DisplayCase{"negative", -2, "-2"},
        DisplayCase{"zero", 0, " 0"}, DisplayCase{"negative_zero", -0.0, " 0"},
        DisplayCase{"whole", 459, " 459"}, DisplayCase{"negative_fraction", -459.65, "-459.65"},
        DisplayCase{"fraction", 459.001, " 459.001"},
        DisplayCase{"sum_rounds_away_binary_noise", 0.1 + 0.2, " 0.3"},
        DisplayCase{"third", 1.0 / 3, " 0.333333333333333"},
        DisplayCase{"two_thirds_rounds_up", 2.0 / 3, " 0.666666666666667"},
        DisplayCase{"half", 0.5, " 0.5"}, DisplayCase{"negative_quarter", -0.25, "-0.25"},
        DisplayCase{"smallest_plain", 0.0001, " 0.0001"},
        DisplayCase{"below_plain_range", 0.00001, " 1E-05"},
        DisplayCase{"negative_small_exponent", -1.5e-7, "-1.5E-07"},
        DisplayCase{"fifteen_digit_whole", 123456789012345.0, " 123456789012345"},
        DisplayCase{"largest_plain", 999999999999999.0, " 999999999999999"},
        DisplayCase{"rounds_into_exponent_form", 9999999999999999.0, " 1E+16"},
        DisplayCase{"first_exponent_form", 1e15, " 1E+15"},
        DisplayCase{"three_digit_exponent", 1e100, " 1E+100"},
        DisplayCase{"mantissa_with_fraction", 1.25e20, " 1.25E+20"},
        DisplayCase{"sixteen_digits_rounded", 1234567890123456.0, " 1.23456789012346E+15"},
        DisplayCase{"exact_half_rounds_away_from_zero", 1000000000000005.0,
                    " 1.00000000000001E+15"},
        DisplayCase{"negative_exact_half_rounds_away", -1000000000000005.0,
                    "-1.00000000000001E+15"},
        DisplayCase{"largest_double", std::numeric_limits<double>::max(), " 1.79769313486232E+308"},
        DisplayCase{"smallest_normal", std::numeric_limits<double>::min(), " 2.2250738585072E-308"},
        DisplayCase{"smallest_subnormal", std::numeric_limits<double>::denorm_min(),
                    " 4.94065645841247E-324"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShowNumberReadsBack, ExtremeDoublesReadBackAsThemselves) {
    for (const double value : {DBL_MAX, -DBL_MAX, DBL_MIN,
                               std::numeric_limits<double>::denorm_min(), 1e15, 0.1, -1.0 / 3}) {
        EXPECT_NEAR(vornix::calc::read_number(show_number(value)), value,
                    std::fabs(value) * 5.2e-15)
            << show_number(value);
    }
}

TEST(ShowNumberFaults, InfinityAndNanAreFaults) {
    EXPECT_THROW(show_number(std::numeric_limits<double>::infinity()), ArithmeticFault);
    EXPECT_THROW(show_number(-std::numeric_limits<double>::infinity()), ArithmeticFault);
    EXPECT_THROW(show_number(std::nan("")), ArithmeticFault);
}

} // namespace
