// The working as a teacher marks it: each row a line a teacher would have
// marked and the line that stands in its place, exactly; and, over random
// long decimals, no working that goes on from a rounded number as if exact.
#include "exercise.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using vornix::calc::Exercise;
using vornix::calc::Method;
using vornix::calc::Working;
constexpr auto npos = std::string::npos;

Exercise evaluate(const std::vector<std::string>& e) {
    return e.size() == 3 ? vornix::calc::evaluate_quadratic(e[0], e[1], e[2])
                         : vornix::calc::evaluate_line(e[0], e[1], e[2], e[3]);
}

const std::string kRounded = "数字的位数太多，这里不能给出精确形式，以上是近似值.";
const std::string kStopped = "再往下的数字位数太多，不能写出精确值；方程的精确解见公式法.";

TEST(WorkingWording, EachMarkedLineGivesWayToTheTeachersOwn) {
    struct Row {
        const char* name;
        std::vector<std::string> entries;
        Method method;
        std::string before; // lines that are gone
        std::string after;  // whole lines in their place
    };
    for (const Row& row : {
             Row{"decimals_cleared_by_ten_not_five",
                 {"-2.4", "1.2", "-2.8"},
                 Method::Formula,
                 "解：方程两边同乘以 5，得 −12x²+6x−14=0.",
                 "解：方程两边同乘以 10，得 −24x²+12x−28=0.\n"
                 "方程两边同除以 −4，得 6x²−3x+7=0."},
             Row{"decimals_cleared_by_a_hundred_not_twenty_five",
                 {"0.04", "-0.4", "1"},
                 Method::Factoring,
                 "解：方程两边同乘以 25，得 x²−10x+25=0.",
                 "解：方程两边同乘以 100，得 4x²−40x+100=0.\n"
                 "方程两边同除以 4，得 x²−10x+25=0."},
             Row{"quarters_cleared_by_four",
                 {"0.25", "1", "1"},
                 Method::Factoring,
                 "同乘以 100",
                 "解：方程两边同乘以 4，得 x²+4x+4=0."},
             Row{"plus_minus_minus_branch_first_whatever_the_typed_sign",
                 {"-1.6", "0", "3.3"},
                 Method::Formula,
                 "即 x₁=√33/4，x₂=−√33/4.",
                 "即 x₁=−√33/4，x₂=√33/4."},
             Row{"first_factor_written_gives_x1",
                 {"-2", "1", "0"},
                 Method::Factoring,
                 "x₁=1/2，x₂=0.",
                 "于是得 x=0 或 2x−1=0，\nx₁=0，x₂=1/2."},
             Row{"substitution_shows_the_equation_in_k",
                 {"0", "-6", "-3", "4.3"},
                 Method::Undetermined,
                 "把 b=−6 代入 −3k+b=4.3，得 k=−103/30.",
                 "把 b=−6 代入 −3k+b=4.3，得 −3k=10.3，k=−103/30."},
             Row{"decimal_k_stays_a_decimal_to_the_answer",
                 {"0.5", "1", "1.5", "2.5"},
                 Method::Undetermined,
                 "把 k=3/2 代入 0.5k+b=1，得 b=1/4.",
                 "两式相减，得 k=1.5.\n把 k=1.5 代入 0.5k+b=1，得 b=0.25.\n"
                 "所以这个一次函数的解析式为 y=1.5x+0.25."},
             Row{"typed_b_stays_a_decimal_to_the_answer",
                 {"0", "1.5", "1", "3"},
                 Method::Undetermined,
                 "所以这个一次函数的解析式为 y=(3/2)x+3/2.",
                 "把 b=1.5 代入 k+b=3，得 k=1.5.\n所以这个一次函数的解析式为 y=1.5x+1.5."},
             Row{"long_typed_decimal_kept_as_typed",
                 {"0", "1.23456789012345678", "1.23456789012345678", "3"},
                 Method::Undetermined,
                 "⎩ (61728394506172839/50000000000000000)k+b=3.",
                 "⎩ 1.23456789012345678k+b=3.\n"
                 "把 b=1.23456789012345678 代入 1.23456789012345678k+b=3，得 "
                 "1.23456789012345678k=88271605493827161/50000000000000000，"
                 "k=29423868497942387/20576131502057613."},
             Row{"linear_root_of_decimals_a_decimal",
                 {"0", "0.5", "0.25"},
                 Method::Linear,
                 "系数化为1，得 x=−1/2.",
                 "解：移项，得 0.5x=−0.25，\n系数化为1，得 x=−0.5."},
             Row{"completing_the_square_stops_at_the_exact_limit",
                 {"1.23456789123", "-7.1", "1"},
                 Method::CompletingSquare,
                 "(x−355000000000/123456789123)²=≈7.4585003774469.",
                 kStopped},
             Row{"linear_past_the_exact_limit_rounded_throughout",
                 {"0", "3", "1E-25"},
                 Method::Linear,
                 "解：移项，得 3x=−≈1E-25，",
                 "解：移项，得 3x=−1E-25，\n系数化为1，得 x≈−3.33333333333333E-26.\n" + kRounded},
             Row{"line_past_the_exact_limit_rounded_throughout",
                 {"1", "2", "3E-300", "4E300"},
                 Method::Undetermined,
                 "两式相减，得 ≈1k=−≈4E+300，k=−≈4E+300.",
                 "⎩ 3E-300k+b=4E+300.\n解这个方程组，得 k≈−4E+300，b≈4E+300.\n"
                 "所以这个一次函数的解析式为 y≈−4E+300x+4E+300.\n" +
                     kRounded},
         }) {
        const Exercise exercise = evaluate(row.entries);
        const auto working = std::ranges::find(exercise.workings, row.method, &Working::method);
        ASSERT_NE(working, exercise.workings.end()) << row.name;
        const std::string text = "\n" + linear_text(*working) + "\n";
        EXPECT_TRUE(row.before.empty() || text.find(row.before) == npos) << row.name << text;
        EXPECT_NE(text.find("\n" + row.after + "\n"), npos) << row.name << text;
    }
}

// A decimal with 6 to 16 significant digits: "-12.3456789".
std::string long_decimal(std::mt19937& random) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(6, 16);
    std::string digits(1, static_cast<char>('1' + digit(random) % 9));
    for (int i = length(random); i > 1; --i) {
        digits += static_cast<char>('0' + digit(random));
    }
    const auto point = std::uniform_int_distribution<std::size_t>(1, digits.size())(random);
    return (digit(random) < 5 ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
}

// Once a working writes a rounded number, no result after it is given as
// exact: it ends saying it rounded, and no root or line follows after "=".
// 配方法 past the exact limit stops before any rounded number.
TEST(WorkingWording, NeverGoesOnFromARoundedNumberAsIfExact) {
    std::mt19937 random(20261210);
    int rounded = 0;
    int stopped = 0;
    for (int round = 0; round < 600; ++round) {
        std::vector<std::string> entries;
        const std::size_t count = round % 3 == 0 ? 4 : 3;
        for (std::size_t i = 0; i < count; ++i) {
            entries.push_back(round % 5 == 1 && i == 0 ? "0" : long_decimal(random));
        }
        for (const Working& working : evaluate(entries).workings) {
            const std::string text = linear_text(working);
            const std::size_t first = text.find("≈");
            EXPECT_EQ(text.find("=≈"), npos) << text;
            if (text.ends_with(kStopped)) {
                EXPECT_EQ(first, npos) << text;
                ++stopped;
            } else if (first != npos) {
                EXPECT_TRUE(text.ends_with(kRounded)) << text;
                const std::string rest = text.substr(first);
                for (const char* exact : {"x₁=", "x₂=", "得 x=", "y="}) {
                    EXPECT_EQ(rest.find(exact), npos) << exact << " in\n" << text;
                }
                ++rounded;
            }
        }
    }
    EXPECT_GT(rounded, 50);
    EXPECT_GT(stopped, 50);
}

} // namespace
