// How the working writes numbers, terms and polynomials, in the textbook's
// signs ("−", "×", "±") and with fractions stacked.
#pragma once

#include "exact.hpp"
#include "exercise.hpp"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vornix::calc::detail {

inline constexpr std::string_view kMinus = "−";

Math text(std::string run);
Math fraction(Formula top, Formula bottom);
Math root(Formula radicand);
Math system(std::vector<Formula> equations);
// A formula of one piece.
Formula alone(Math piece);

// A result of the function's page (see Results): exactly, or rounded after
// "≈"; with `relation`, after "=", for which the "≈" stands when rounded.
struct Result {
    const Exact& value;
    std::string rounded; // "−1.5E+300"; empty when exact
    bool relation;
};

// Builds a formula from texts, pieces, formulas and results in a row. A
// line built in one expression, `Line() << … << …`, hands its pieces on
// without copies; a result goes in without a formula of its own.
class Line {
  public:
    Line() = default;
    Line& operator<<(std::string_view run) &;
    Line& operator<<(Math piece) &;
    Line& operator<<(Formula formula) &;
    Line& operator<<(const Exact& result) &; // as number() writes it
    Line& operator<<(const Result& result) &;
    template <typename Piece> Line&& operator<<(Piece&& piece) && {
        *this << std::forward<Piece>(piece);
        return std::move(*this);
    }
    operator Formula() const& { return formula_; }
    operator Formula() && { return std::move(formula_); }
    const Formula& formula() const { return formula_; }

  private:
    void add(Math piece);

    Formula formula_;
};

// An integer in the textbook's signs: "−3".
std::string integer_text(const Integer& value);

// A result: an integer, or a reduced fraction stacked, its sign before it;
// "≈" and the rounded decimal where it would run past 20 digits.
Formula number(const Exact& value);
// Data: an integer, or a short decimal as typed ("0.6"), else as number().
Formula data(const Exact& value);
// Whether data() writes the value in digits: an integer of at most twenty
// digits or a decimal of at most twelve places.
bool short_decimal(const Exact& value);
// Whether a number in the formula is rounded ("≈"), anywhere in it.
bool holds_rounded(const Formula& formula);
// A negative number in parentheses, as it is written after an operator: "(−3)".
Formula bracketed(const Formula& signed_number, bool negative);

// n√r, the 1 left out.
Formula surd(const Integer& n, const Integer& r);
// A root of the exact form, (m + n√r)/d, as the textbook sets it.
Formula root_value(const RootForm& form);
// "x−4", "x+3/4": x moved by h.
Formula shifted(const Exact& h);
// The value rounded as the answer rounds it, in the textbook's minus sign.
std::string rounded_decimal(const Exact& value);

inline constexpr std::string_view kRoundedNote =
    "数字的位数太多，这里不能给出精确形式，以上是近似值.";

// One coefficient of a polynomial: its sign and its magnitude as written.
struct Coefficient {
    bool zero = false;
    bool negative = false;
    bool one = false; // a magnitude of 1, left out before a letter
    Formula magnitude;
};
// A term left out.
inline const Coefficient kNoTerm{true, false, false, {}};
Coefficient coefficient_of(const Exact& value);      // results: fractions
Coefficient data_coefficient(const Exact& value);    // data: short decimals as typed
Coefficient typed_coefficient(const Decimal& value); // entries: exactly as typed

// What goes before a value: "=", or nothing where the value starts with "≈".
std::string_view relation(const Formula& value);

// Results written exactly where they are short, else as rounded decimals
// after "≈"; it remembers a rounding, for the note that closes the page.
class Results {
  public:
    Result value(const Exact& v);  // "−5/4", "≈−1.5E+300"
    Result equals(const Exact& v); // "=−5/4", "≈−1.5E+300"
    // As a coefficient: its magnitude exact, or rounded without the "≈",
    // which the caller writes before the whole expression.
    Coefficient coefficient(const Exact& v);
    bool rounded() const { return !rounded_.empty(); }

  private:
    // Each number rounded once, however often the page writes it.
    std::vector<std::pair<Exact, std::string>> rounded_;
};

// c₂·x² + c₁·x + c₀ with `letter` for x, zero terms left out: "x²−3x+1";
// "0" when every one is zero. `power` names the square ("x²").
Formula polynomial(const Coefficient& square, const Coefficient& linear,
                   const Coefficient& constant, std::string_view letter = "x");

// "y=2x−1"; "y≈…" where k or b is rounded.
Formula line_equation(Results& results, const Exact& k, const Exact& b);

// An equation's coefficients a, b, c as reduced fractions, for its record.
std::array<std::string, 3> record(const Exact& a, const Exact& b, const Exact& c);

} // namespace vornix::calc::detail
