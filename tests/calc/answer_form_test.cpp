// Which written forms a teacher sends back as 未化简, and what she says
// they simplify to; and the shapes y = kx + b and y = a(x − h)² + k.
#include "answer_form.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace vornix::calc::detail;

// "√8 → 2√2; 4/6 → 2/3", empty when every part is finished.
std::string notes_of(std::string_view entry, bool decimals_simplest) {
    const ReadAnswer read = read_answer(entry);
    if (read.problem) {
        return "unreadable";
    }
    std::string text;
    for (const Item& item : read.items) {
        for (const FormNote& note : unsimplified_parts(item.expression, entry, decimals_simplest)) {
            text += (text.empty() ? "" : "; ") + note.written + " → " + note.simplest;
        }
    }
    return text;
}

struct FormRow {
    const char* name;
    const char* entry;
    bool decimals_simplest;
    const char* notes;
};

void PrintTo(const FormRow& row, std::ostream* out) {
    *out << row.name;
}

class Simplest : public testing::TestWithParam<FormRow> {};

TEST_P(Simplest, NamesTheOutermostUnfinishedPart) {
    EXPECT_EQ(notes_of(GetParam().entry, GetParam().decimals_simplest), GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(Finished, Simplest,
                         testing::Values(FormRow{"radical_over_denominator", "x=(3±√5)/2", false,
                                                 ""},
                                         FormRow{"split_fractions", "3/2±√5/2", false, ""},
                                         FormRow{"negative_fraction", "−3/2", false, ""},
                                         FormRow{"integer_root_times_surd", "1−2√2", false, ""},
                                         FormRow{"surd_over_integer", "√5/2", false, ""},
                                         FormRow{"decimal_in_a_decimal_exercise", "0.5", true, ""},
                                         FormRow{"line", "y=−x+3", false, ""},
                                         FormRow{"line_half_x", "y=x/2+1", false, ""},
                                         FormRow{"line_bracketed_half", "y=(1/2)x+1", false, ""},
                                         FormRow{"vertex_form", "y=2(x−1)²−5", false, ""},
                                         FormRow{"point", "(1/2, −5)", false, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Unfinished, Simplest,
    testing::Values(FormRow{"square_factor_under_root", "√8", false, "√8 → 2√2"},
                    FormRow{"fraction_not_reduced", "4/6", false, "4/6 → 2/3"},
                    FormRow{"whole_part_named_once", "(4±√40)/4", false, "(4±√40)/4 → (2±√10)/2"},
                    FormRow{"common_factor_of_surd", "(4±2√10)/4", false, "(4±2√10)/4 → (2±√10)/2"},
                    FormRow{"root_in_denominator", "1/√2", false, "1/√2 → √2/2"},
                    FormRow{"fraction_under_root", "√(1/2)", false, "√(1/2) → √2/2"},
                    FormRow{"perfect_square_under_root", "√4", false, "√4 → 2"},
                    FormRow{"integer_as_fraction", "4/2", false, "4/2 → 2"},
                    FormRow{"over_one", "3/1", false, "3/1 → 3"},
                    FormRow{"negative_denominator", "3/(-2)", false, "3/(-2) → −3/2"},
                    FormRow{"fraction_over_integer", "(1/2)/3", false, "(1/2)/3 → 1/6"},
                    FormRow{"product_of_numbers", "2×3", false, "2×3 → 6"},
                    FormRow{"product_of_roots", "√2√3", false, "√2√3 → √6"},
                    FormRow{"square_of_number", "(√2)²", false, "(√2)² → 2"},
                    FormRow{"like_numbers", "1+2", false, "1+2 → 3"},
                    FormRow{"like_roots", "√2+√2", false, "√2+√2 → 2√2"},
                    FormRow{"double_sign", "−−3", false, "−−3 → 3"},
                    FormRow{"surd_divided_by_its_factor", "2√3/2", false, "2√3/2 → √3"},
                    FormRow{"plus_minus_of_numbers", "(3±1)/2", false, "(3±1)/2 → 1 和 2"},
                    FormRow{"decimal_elsewhere", "0.5", false, "0.5 → 1/2"},
                    FormRow{"coefficient_not_reduced", "y=4/2x−1", false, "4/2 → 2"},
                    FormRow{"like_terms_in_x", "y=2x+x−1", false, "2x+x−1 → 3x−1"},
                    FormRow{"factor_one", "y=1x", false, "1x → x"},
                    FormRow{"each_root_of_a_list", "√8, 4/6", false, "√8 → 2√2; 4/6 → 2/3"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShapeRow {
    const char* name;
    const char* entry;
    const char* vertex; // "a h k", or "none"
};

void PrintTo(const ShapeRow& row, std::ostream* out) {
    *out << row.name;
}

class VertexShapes : public testing::TestWithParam<ShapeRow> {};

TEST_P(VertexShapes, ReadsAHAndKOnlyFromAVertexForm) {
    const ReadAnswer read = read_answer(GetParam().entry);
    ASSERT_FALSE(read.problem);
    const auto shape = vertex_shape(read.items.front().expression);
    const std::string found =
        shape ? surd_text(shape->a) + " " + surd_text(shape->h) + " " + surd_text(shape->k)
              : "none";
    EXPECT_EQ(found, GetParam().vertex);
}

INSTANTIATE_TEST_SUITE_P(Shapes, VertexShapes,
                         testing::Values(ShapeRow{"factor_before_square", "y=2(x−1)²−5", "2 1 −5"},
                                         ShapeRow{"constant_first", "y=−5+2(x+1)^2", "2 −1 −5"},
                                         ShapeRow{"negative_square", "y=−(x−3)²", "−1 3 0"},
                                         ShapeRow{"square_over_number", "y=(x−1)²/2+1", "1/2 1 1"},
                                         ShapeRow{"x_squared_alone", "y=3x²−4", "3 0 −4"},
                                         ShapeRow{"general_form", "y=2x²−4x−3", "none"},
                                         ShapeRow{"square_of_2x", "y=(2x−2)²", "none"},
                                         ShapeRow{"two_squares", "y=(x−1)²+(x+1)²", "none"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
