#include "calc.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using vornix::calc::exact_line;
using vornix::calc::exact_quadratic;
using vornix::calc::ExactQuadratic;

struct QuadraticCase {
    const char* name;
    const char *a, *b, *c;
    const char* x1; // the minus root; nullptr: none
    const char* x2;
    const char* delta;
    const char* vertex; // "(h, k)"
    bool up;
};

std::ostream& operator<<(std::ostream& out, const QuadraticCase& c) {
    return out << c.name;
}

class ExactQuadraticForm : public testing::TestWithParam<QuadraticCase> {};

TEST_P(ExactQuadraticForm, RootsDeltaVertexAndOpening) {
    const QuadraticCase& c = GetParam();
    const auto form = exact_quadratic(c.a, c.b, c.c);
    ASSERT_TRUE(form.has_value());
    EXPECT_EQ(form->kind, c.x1 ? ExactQuadratic::Kind::Roots : ExactQuadratic::Kind::NoRealRoots);
    if (c.x1 != nullptr) {
        EXPECT_EQ(form->x1.text, c.x1);
        EXPECT_EQ(form->x2.text, c.x2);
    }
    EXPECT_EQ(form->delta, c.delta);
    EXPECT_EQ("(" + form->vertex_x + ", " + form->vertex_y + ")", c.vertex);
    EXPECT_EQ(form->opens_up, c.up);
}

INSTANTIATE_TEST_SUITE_P(
    Textbook, ExactQuadraticForm,
    testing::Values(
        QuadraticCase{"perfect_square", "1", "-3", "2", "1", "2", "1", "(3/2, -1/4)", true},
        QuadraticCase{"fractions", "3", "-2", "-1", "-1/3", "1", "16", "(1/3, -4/3)", true},
        QuadraticCase{"double_root", "1", "2", "1", "-1", "-1", "0", "(-1, 0)", true},
        QuadraticCase{"surd_over_two", "1", "-3", "1", "(3-√5)/2", "(3+√5)/2", "5", "(3/2, -5/4)",
                      true},
        QuadraticCase{"surd_d_one", "1", "-2", "-1", "1-√2", "1+√2", "8", "(1, -2)", true},
        QuadraticCase{"surd_negative_m", "1", "2", "-1", "-1-√2", "-1+√2", "8", "(-1, -2)", true},
        QuadraticCase{"surd_alone", "4", "0", "-5", "-√5/2", "√5/2", "80", "(0, -5)", true},
        QuadraticCase{"surd_with_factor", "1", "-4", "-8", "2-2√3", "2+2√3", "48", "(2, -12)",
                      true},
        QuadraticCase{"a_negative_minus_root_is_larger", "-1", "2", "1", "1+√2", "1-√2", "8",
                      "(1, 2)", false},
        QuadraticCase{"decimal_entries", "1.5", "-2.25", "0.75", "1/2", "1", "9/16", "(3/4, -3/32)",
                      true},
        QuadraticCase{"no_real_root", "1", "0", "1", nullptr, nullptr, "-4", "(0, 1)", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExactQuadraticText, IsTheTipAsShownLineByLine) {
    EXPECT_EQ(exact_quadratic("1", "-3", "1")->text,
              "精确解：X1=(3-√5)/2，X2=(3+√5)/2\n△=5\n顶点 (3/2, -5/4)，对称轴 X=3/2，开口向上");
    EXPECT_EQ(exact_quadratic("-1", "0", "-4")->text, "△=-16\n顶点 (0, -4)，对称轴 X=0，开口向下");
    EXPECT_EQ(exact_quadratic("0", "3", "1")->text, "精确解：X=-1/3");
}

TEST(ExactQuadraticText, RootsThatCannotBeSimplifiedCheaplyComeAsTheAnswersDecimals) {
    // 1000003 * 1000033: no factor up to 10^6, too large to be a proven prime.
    const auto product = exact_quadratic("1", "0", "-1000036000099");
    ASSERT_TRUE(product.has_value());
    EXPECT_FALSE(product->simplified);
    EXPECT_EQ(product->text.substr(0, product->text.find('\n')),
              "精确解：无法化简，X1≈-1000017.9998875，X2≈1000017.9998875");
    const auto huge = exact_quadratic("1", "1", "1E-30");
    EXPECT_FALSE(huge->simplified) << "its numbers run past 20 digits";
    EXPECT_EQ(huge->delta, "≈1");
    // A prime just below 10^12 is proven by trial division.
    EXPECT_EQ(exact_quadratic("1", "0", "-999999999989")->x2.text, "√999999999989");
}

TEST(ExactQuadraticText, RadicandsPastAMachineWordLoseEveryPrimeBelowAMillion) {
    struct Row {
        const char* c;
        const char* x2;
    };
    for (const Row& row : {
             // (11·1009·1000003)²·7: primes among the small and the medium, then a square
             Row{"-862319780895402831463", "11099033297√7"},
             // 3²·997²·2·1009·999979·999983: medium primes left once each
             Row{"-18052505443169585350506", "2991√2017923316720426"},
             // 4099²·1013·1000003·1000033: what is left is no prime below 10^12
             Row{"-17020837142763870216887", "≈130463930428.16"},
         }) {
        const auto form = exact_quadratic("1", "0", row.c);
        ASSERT_TRUE(form.has_value()) << row.c;
        EXPECT_EQ(form->x2.text, row.x2) << row.c;
    }
}

TEST(ExactForms, NoneWhereTheAnswerIsAFaultOrARefusal) {
    EXPECT_FALSE(exact_quadratic("", "", "").has_value());
    EXPECT_FALSE(exact_quadratic("1E308", "1E308", "-1E308").has_value());
    EXPECT_FALSE(exact_line("1", "2", "1", "5").has_value());
    EXPECT_FALSE(exact_line("0", "0", "1E-300", "1E300").has_value());
}

TEST(ExactLineText, FractionsAndTheAxisCrossings) {
    struct Row {
        const char *x1, *y1, *x2, *y2;
        const char* text;
    };
    for (const Row& row : {
             Row{"1", "2", "4", "3",
                 "精确解：Y=1/3 X+5/3\n与 Y 轴交于 (0, 5/3)，与 X 轴交于 (-5, 0)"},
             Row{"0", "-1", "1", "-3",
                 "精确解：Y=-2 X-1\n与 Y 轴交于 (0, -1)，与 X 轴交于 (-1/2, 0)"},
             Row{"0.1", "0.3", "0.7", "2.1", "精确解：Y=3 X\n过原点 (0, 0)"},
             Row{"0", "2", "2", "0", "精确解：Y=-X+2\n与 Y 轴交于 (0, 2)，与 X 轴交于 (2, 0)"},
             Row{"0", "1", "3", "0.1",
                 "精确解：Y=-3/10 X+1\n与 Y 轴交于 (0, 1)，与 X 轴交于 (10/3, 0)"},
         }) {
        EXPECT_EQ(exact_line(row.x1, row.y1, row.x2, row.y2)->text, row.text);
    }
}

} // namespace
