// The workings that take the numbers as typed: the linear equation of a = 0,
// and the formula where the numbers run past the exact limit.
#include "working.hpp"
#include "writing.hpp"

namespace vornix::calc::detail {

Formula quadratic_formula() {
    return {fraction(Line() << kMinus << "b±" << root(Line() << "b²" << kMinus << "4ac"),
                     {text("2a")})};
}

// Coefficients too long for an exact form: the formula with the numbers as
// typed, and what it gives, rounded past the exact limit; two roots in the
// order of its ± with the typed a, each rounded (their roots are taken to
// thirty-odd digits, not exactly).
Working rounded_formula_working(const QuadraticNumbers& n) {
    Working w{Method::Formula, {}, {}};
    w.lines.push_back(Line() << "a=" << decimal_text(n.typed_a) << "，b=" << decimal_text(n.typed_b)
                             << "，c=" << decimal_text(n.typed_c) << ".");
    Results results;
    Line delta_line;
    delta_line << "Δ=b²" << kMinus << "4ac" << results.equals(n.delta);
    const int sign = sign_of(n.delta);
    w.lines.push_back(std::move(delta_line) << (sign < 0 ? "<0，" : sign > 0 ? ">0，" : "，"));
    if (sign < 0) {
        w.lines.push_back(Line() << "方程没有实数根.");
    } else if (sign == 0) {
        w.lines.push_back(Line() << "方程有两个相等的实数根，");
        w.lines.push_back(Line() << "x₁=x₂=" << kMinus << fraction({text("b")}, {text("2a")})
                                 << results.equals(n.roots->x1) << ".");
    } else {
        w.lines.push_back(Line() << "方程有两个不等的实数根，");
        w.lines.push_back(Line() << "x=" << quadratic_formula() << "，");
        w.lines.push_back(Line() << "即 x₁≈" << rounded_decimal(n.roots->x1) << "，x₂≈"
                                 << rounded_decimal(n.roots->x2) << ".");
    }
    if (sign > 0 || results.rounded()) {
        w.lines.push_back(Line() << kRoundedNote);
    }
    return w;
}

// bx + c = 0 with the numbers as typed; x a decimal where b or c has one and
// x ends within a decimal's places, else a fraction, or rounded past the
// exact limit.
Working linear_working(const QuadraticNumbers& n) {
    Working w{Method::Linear, {}, {}};
    if (n.c != 0) {
        Decimal moved = n.typed_c;
        moved.negative = !moved.negative;
        w.lines.push_back(Line() << "移项，得 "
                                 << polynomial(kNoTerm, typed_coefficient(n.typed_b), kNoTerm)
                                 << "=" << decimal_text(moved) << "，");
        w.equations.push_back(record(0, n.b, n.c));
    }
    const Exact x = -n.c / n.b;
    const bool decimals = denominator(n.b) != 1 || denominator(n.c) != 1;
    Results results;
    Line solved;
    solved << "系数化为1，得 x";
    if (decimals && short_decimal(x)) {
        solved << "=" << data(x);
    } else {
        solved << results.equals(x);
    }
    w.lines.push_back(std::move(solved) << ".");
    w.equations.push_back(record(0, 1, -x));
    if (results.rounded()) {
        w.lines.push_back(Line() << kRoundedNote);
    }
    return w;
}

} // namespace vornix::calc::detail
