#include "calc.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

using vornix::calc::ArithmeticFault;
using vornix::calc::read_number;

namespace {

struct EntryCase {
    const char* name;
    std::string text;
    double expected;
};

std::ostream& operator<<(std::ostream& out, const EntryCase& c) {
    return out << c.name;
}

class ReadNumber : public testing::TestWithParam<EntryCase> {};

TEST_P(ReadNumber, ReadsTheLeadingNumber) {
    const EntryCase& c = GetParam();
    const double value = read_number(c.text);
    EXPECT_EQ(value, c.expected) << "text: " << c.text;
    EXPECT_FALSE(std::signbit(value) && value == 0) << "zero reads without a sign";
}

const double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(
    Rules, ReadNumber,
    testing::Values(
        EntryCase{"empty", "", 0}, EntryCase{"letters", "abc", 0},
        EntryCase{"blanks_sign_and_trailing_letters", "  -2.5xyz", -2.5},
        EntryCase{"comma_ends_the_number", "1,5", 1}, EntryCase{"hex_prefix", "&H10", 16},
        EntryCase{"blank_inside_digits", "1 2", 12},
        EntryCase{"tab_and_line_feed_ignored", "\t1\n2", 12},
        EntryCase{"carriage_return_ends_the_number", "1\r2", 1}, EntryCase{"plus_sign", "+7", 7},
        EntryCase{"blank_after_sign", "- 3", -3}, EntryCase{"two_signs_read_nothing", "+-5", 0},
        EntryCase{"lone_sign", "-", 0}, EntryCase{"lone_point", ".", 0},
        EntryCase{"leading_point", ".5", 0.5}, EntryCase{"trailing_point", "3.", 3},
        EntryCase{"second_point_ends_the_number", "1.2.3", 1.2},
        EntryCase{"leading_zeros", "000012.50", 12.5}, EntryCase{"exponent_upper", "1E5", 1e5},
        EntryCase{"exponent_lower", "2.5e-3", 2.5e-3}, EntryCase{"exponent_plus", "1E+2", 100},
        EntryCase{"exponent_with_blanks", "1 E - 2", 0.01},
        EntryCase{"lone_exponent_letter_ends", "1E", 1},
        EntryCase{"exponent_sign_without_digits_ends", "1E+", 1},
        EntryCase{"exponent_then_letter_ends", "1Ex", 1},
        EntryCase{"other_exponent_letter_ends", "1D5", 1},
        EntryCase{"exponent_without_mantissa", "E5", 0},
        EntryCase{"negative_zero_reads_zero", "-0", 0},
        EntryCase{"zero_with_huge_exponent", "0E999999999999999", 0},
        EntryCase{"hex_lower_prefix", "&hff", 255}, EntryCase{"hex_no_wrap", "&HFFFF", 65535},
        EntryCase{"hex_beyond_32_bits", "&H100000000", 4294967296.0},
        EntryCase{"hex_stops_at_non_digit", "&H1FG", 31}, EntryCase{"hex_without_digits", "&H", 0},
        EntryCase{"octal_prefix", "&O17", 15}, EntryCase{"octal_lower_prefix", "&o777", 511},
        EntryCase{"octal_stops_at_eight", "&O78", 7}, EntryCase{"ampersand_alone", "&12", 0},
        EntryCase{"sign_before_prefix", "-&H10", 0}, EntryCase{"fullwidth_digits", "１２３", 123},
        EntryCase{"fullwidth_point", "１．５", 1.5},
        EntryCase{"ideographic_full_stop_as_point", "２。５", 2.5},
        EntryCase{"fullwidth_minus", "－４", -4}, EntryCase{"minus_sign_character", "−４", -4},
        EntryCase{"fullwidth_plus", "＋４", 4}, EntryCase{"fullwidth_exponent", "１Ｅ３", 1000},
        EntryCase{"fullwidth_exponent_lower", "１ｅ－３", 0.001},
        EntryCase{"ideographic_blank", "1\u30002", 12},
        EntryCase{"fullwidth_comma_ends", "1，5", 1},
        EntryCase{"fullwidth_hex_digits", "&H１０", 16},
        EntryCase{"invalid_utf8_ends",
                  std::string("12\xff"
                              "3"),
                  12},
        EntryCase{"truncated_utf8_ends", std::string("4\xef\xbc"), 4},
        EntryCase{"nul_byte_ends",
                  std::string("5\0"
                              "6",
                              3),
                  5},
        EntryCase{"chinese_text_reads_zero", "二", 0},
        EntryCase{"largest_double", "1.7976931348623157E308", 1.7976931348623157e308},
        EntryCase{"largest_double_as_shown_reads_back", "1.79769313486232E+308", DBL_MAX},
        EntryCase{"just_below_the_range_end", "-1.7976931348623249E+308", -DBL_MAX},
        EntryCase{"smallest_subnormal", "4.94065645841247E-324", kSmallestSubnormal},
        EntryCase{"just_below_smallest_subnormal_rounds_to_it", "4.9406564584124654E-324",
                  kSmallestSubnormal},
        EntryCase{"above_half_the_smallest_subnormal_rounds_to_it", "-2.5E-324",
                  -kSmallestSubnormal},
        EntryCase{"below_half_the_smallest_subnormal_reads_zero", "2.4703282292062327E-324", 0},
        EntryCase{"below_smallest_double_reads_zero", "1E-330", 0},
        EntryCase{"far_below_reads_zero", "1E-99999999999999", 0},
        EntryCase{"subnormal", "1E-310", 1e-310},
        EntryCase{"thirty_four_digits_kept_and_rounded", "1.0000000000000000000000000000000005",
                  1.0},
        EntryCase{"long_fraction", "0.1000000000000000000000000000000000000000001", 0.1},
        EntryCase{"many_integer_digits",
                  "123456789012345678901234567890123456789012345678901234567890",
                  1.2345678901234568e59}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadNumberRange, MagnitudeBeyondTheDoubleRangeIsAFault) {
    for (const char* text : {"1E309", "-1E309", "1.8E308", "1E999999999999999999",
                             "1.797693134862325E+308", "-1.797693134862325E+308"}) {
        EXPECT_THROW(read_number(text), ArithmeticFault) << text;
    }
}

TEST(ReadNumberRange, HugeDigitRunsStillFault) {
    EXPECT_THROW(read_number(std::string(400, '9')), ArithmeticFault);
    EXPECT_THROW(read_number("&H2" + std::string(256, '0')), ArithmeticFault);
    EXPECT_EQ(read_number("&H1" + std::string(256, '0')), DBL_MAX) << "2^1024 shows as DBL_MAX";
    EXPECT_EQ(read_number("&H1" + std::string(255, '0')), std::ldexp(1.0, 1020));
    EXPECT_THROW(read_number("&H" + std::string(5000, 'F')), ArithmeticFault);
    EXPECT_THROW(read_number("&O" + std::string(5000, '7')), ArithmeticFault);
}

TEST(ReadNumberRange, LongTextsOfZerosAndBlanksReadQuickly) {
    const std::string zeros = "0." + std::string(1 << 20, '0') + "1";
    EXPECT_EQ(read_number(zeros), 0.0);
    EXPECT_EQ(read_number(std::string(1 << 20, ' ') + "7"), 7.0);
    EXPECT_EQ(read_number(std::string(1 << 20, '0') + "8"), 8.0);
}

} // namespace

namespace {

// The command line's strict reading: the whole argument a number, as the
// entry boxes read numbers, or no number at all.
TEST(IsWholeNumber, OnlyTextThatIsWhollyOneNumber) {
    struct Row {
        const char* name;
        std::string text;
        bool whole;
    };
    for (const Row& row : {
             Row{"integer", "3", true},
             Row{"blanks_around", " \t-2.5 ", true},
             Row{"ideographic_blanks_around", "\u3000１２\u3000", true},
             Row{"full_width_sign_and_point", "－１．５", true},
             Row{"chinese_full_stop", "1。5", true},
             Row{"e_notation", "2E3", true},
             Row{"signed_exponent", "-1.5e-07", true},
             Row{"full_width_e", "２Ｅ３", true},
             Row{"point_first", ".5", true},
             Row{"point_last", "5.", true},
             Row{"hexadecimal", "&H1F", true},
             Row{"octal", "&o17", true},
             Row{"beyond_the_double_range", "1E400", true},
             Row{"empty", "", false},
             Row{"only_blanks", "  ", false},
             Row{"letters", "abc", false},
             Row{"letter_o_for_zero", "-3O", false},
             Row{"blank_inside", "1 2", false},
             Row{"comma", "1,5", false},
             Row{"exponent_without_digits", "2E", false},
             Row{"sign_alone", "-", false},
             Row{"point_alone", ".", false},
             Row{"two_points", "1.2.3", false},
             Row{"prefix_without_digits", "&H", false},
             Row{"octal_digit_out_of_range", "&O8", false},
             Row{"unknown_prefix", "&X1", false},
             Row{"trailing_text", "12abc", false},
             Row{"invalid_utf8", "1\xff", false},
         }) {
        EXPECT_EQ(vornix::calc::is_whole_number(row.text), row.whole) << row.name;
    }
}

} // namespace
