// What the answer reader makes of each way a student writes an answer, and
// what it refuses, with the part it names.
#include "answer_reader.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace vornix::calc::detail;

std::string label_text(Label label) {
    switch (label) {
    case Label::X:
        return "x";
    case Label::X1:
        return "x₁";
    case Label::X2:
        return "x₂";
    case Label::Y:
        return "y";
    case Label::K:
        return "k";
    case Label::B:
        return "b";
    case Label::S:
        return "S";
    }
    return "?";
}

std::string branch_text(const Poly& branch) {
    if (branch.degree() == 0) {
        return surd_text(branch.c[0]);
    }
    return polynomial_text(branch.c[2].p, branch.c[1].p, branch.c[0].p);
}

// "x₁=1 | x₂=2", "x=(3−√5)/2 ; (3+√5)/2" (the branches of ±), "(1, −5)".
std::string read_text(std::string_view entry) {
    const ReadAnswer read = read_answer(entry);
    if (read.problem) {
        return "problem " + std::to_string(static_cast<int>(read.problem->kind)) + " “" +
               read.problem->part + "”";
    }
    std::string text = read.no_real_roots ? "无实数根" : "";
    for (const Item& item : read.items) {
        text += text.empty() ? "" : " | ";
        for (const Label label : item.labels) {
            text += label_text(label) + (item.approximately ? "≈" : "=");
        }
        const Node& e = item.expression;
        if (e.kind == Node::Kind::Point) {
            text += "(" + branch_text(e.parts[0].value[0]) + ", " +
                    branch_text(e.parts[1].value[0]) + ")";
            continue;
        }
        for (std::size_t i = 0; i < e.value.size(); ++i) {
            text += (i == 0 ? "" : " ; ") + branch_text(e.value[i]);
        }
    }
    return text;
}

struct Written {
    const char* name;
    std::string entry;
    std::string read;
};

void PrintTo(const Written& row, std::ostream* out) {
    *out << row.name;
}

class WrittenForms : public testing::TestWithParam<Written> {};

TEST_P(WrittenForms, ReadAsOnPaper) {
    EXPECT_EQ(read_text(GetParam().entry), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Roots, WrittenForms,
    testing::Values(Written{"named_roots", "x1=1, x2=2", "x₁=1 | x₂=2"},
                    Written{"subscripts_fullwidth_comma", "x₁=1，x₂=2", "x₁=1 | x₂=2"},
                    Written{"or_between", "x=1或x=2", "x=1 | x=2"},
                    Written{"comma_list", "1,2", "1 | 2"},
                    Written{"enumeration_comma", "1、−2", "1 | −2"},
                    Written{"blank_between", "1 2", "1 | 2"},
                    Written{"blank_before_glued_sign_starts_a_root", "1 -2", "1 | −2"},
                    Written{"blanks_around_sign_subtract", "1 - 2", "−1"},
                    Written{"plus_minus_over_bracket", "x=(3±√5)/2", "x=(3−√5)/2 ; (3+√5)/2"},
                    Written{"plus_minus_split", "3/2±√5/2", "(3−√5)/2 ; (3+√5)/2"},
                    Written{"plus_minus_before_root_over_two", "3±√5/2", "(6−√5)/2 ; (6+√5)/2"},
                    Written{"plus_minus_alone", "x=±√2", "x=−√2 ; √2"},
                    Written{"double_root_chain", "x1=x2=2", "x₁=x₂=2"},
                    Written{"no_real_roots", "无实数根", "无实数根"},
                    Written{"no_real_roots_other_words", "方程没有实数根", "无实数根"},
                    Written{"no_solution", "无解", "无实数根"},
                    Written{"introduced_and_closed", "解：x₁=1，x₂=2.", "x₁=1 | x₂=2"},
                    Written{"approximately", "x≈0.38", "x≈19/50"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Numbers, WrittenForms,
    testing::Values(
        Written{"root_takes_number_only", "√5/2", "√5/2"},
        Written{"number_before_root", "2√3", "2√3"}, Written{"root_of_bracket", "√(5)", "√5"},
        Written{"sqrt_with_bracket", "sqrt(5)", "√5"},
        Written{"sqrt_without_bracket", "sqrt5", "√5"}, Written{"root_in_words", "根号5", "√5"},
        Written{"square_root_of_a_square", "√9", "3"},
        Written{"root_with_square_factor_keeps_value", "√8", "2√2"},
        Written{"root_of_fraction", "√(1/2)", "√2/2"},
        Written{"root_in_denominator", "1/(1+√2)", "−1+√2"},
        Written{"fullwidth_fraction", "－３／２", "−3/2"}, Written{"unicode_minus", "−3", "−3"},
        Written{"decimal", "0.5", "1/2"}, Written{"fullwidth_point", "０．２５", "1/4"},
        Written{"square_sign", "3²", "9"}, Written{"caret_square", "3^2", "9"},
        Written{"brackets_both_widths", "（1+2）×[3]", "9"},
        Written{"products_of_roots", "√2·√3", "√6"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Functions, WrittenForms,
    testing::Values(Written{"half_x_as_on_paper", "1/2x", "1/2x"},
                    Written{"line", "y=2x-1", "y=2x−1"},
                    Written{"line_x_first_negative", "y=-x+3", "y=−x+3"},
                    Written{"line_constant_first", "y=3-x", "y=−x+3"},
                    Written{"line_bracketed_fraction", "y=(1/2)x+1", "y=1/2x+1"},
                    Written{"line_x_over_two", "y=x/2+1", "y=1/2x+1"},
                    Written{"line_decimal", "y=0.5x+1", "y=1/2x+1"},
                    Written{"line_blank_inside", "y = 2 x - 1", "y=2x−1"},
                    Written{"coefficients", "k=2，b=-1", "k=2 | b=−1"},
                    Written{"vertex_form_caret", "y=2(x-1)^2-5", "y=2x²−4x−3"},
                    Written{"vertex_form_signs", "y=2(x−1)²−5", "y=2x²−4x−3"},
                    Written{"vertex_form_negative_a", "y=-(x+1)²", "y=−x²−2x−1"},
                    Written{"point", "(1,-5)", "(1, −5)"},
                    Written{"point_fullwidth", "（1，−5）", "(1, −5)"},
                    Written{"points", "(0,-1),(1/2,0)", "(0, −1) | (1/2, 0)"},
                    Written{"vertex_words", "顶点坐标为(1,-5)", "(1, −5)"},
                    Written{"area", "S=6", "S=6"}, Written{"area_colon", "S：6", "S=6"}),
    [](const auto& info) { return std::string(info.param.name); });

// Kinds: 0 too long, 1 unreadable, 2 division by zero, 3 not real, 4 unworkable.
INSTANTIATE_TEST_SUITE_P(
    Refusals, WrittenForms,
    testing::Values(
        Written{"over_two_hundred_characters", std::string(200, '1') + "-1", "problem 0 “”"},
        Written{"letters_after_a_number", "x=2abc", "problem 1 “abc”"},
        Written{"unfinished", "x=", "problem 1 “”"},
        Written{"higher_power", "x^3", "problem 1 “3”"},
        Written{"invalid_utf8", "x=1\xff\xfe", "problem 1 “??”"},
        Written{"long_rest_shortened", "x=1@abcdefghijklmnop", "problem 1 “@abcdefghijk…”"},
        Written{"plus_minus_twice", "±1±√2", "problem 1 “±1±√2”"},
        Written{"point_in_a_sum", "(1,2)+1", "problem 1 “(1,2)+1”"},
        Written{"label_inside_expression", "y=kx", "problem 1 “kx”"},
        Written{"division_by_zero", "1/(2-2)", "problem 2 “1/(2-2)”"},
        Written{"negative_under_root", "(1±√-5)/2", "problem 3 “√-5”"},
        Written{"two_fields", "√2+√3", "problem 4 “√2+√3”"},
        Written{"root_of_x", "√x", "problem 4 “√x”"},
        Written{"over_x", "y=1/x", "problem 4 “1/x”"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerLength, CountsCharactersNotBytes) {
    std::string fullwidth_ones;
    for (int i = 0; i < 200; ++i) {
        fullwidth_ones += "１";
    }
    EXPECT_FALSE(read_answer(fullwidth_ones).problem);
    EXPECT_EQ(read_answer(fullwidth_ones + "1").problem->kind, ReadProblem::Kind::TooLong);
}

TEST(AnswerDepth, DeepBracketsRefusedNotRecursedInto) {
    const std::string deep = std::string(40, '(') + "1" + std::string(40, ')');
    const std::string shallow = std::string(30, '(') + "1" + std::string(30, ')');
    EXPECT_EQ(read_answer(deep).problem->kind, ReadProblem::Kind::Unreadable);
    EXPECT_FALSE(read_answer(shallow).problem);
}

} // namespace
