// Exact numbers shared by the entry rule, the display rule and the solvers.
#pragma once

#include "exercise.hpp"

#include <boost/multiprecision/cpp_int.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace vornix::calc::detail {

// Expression templates off: plain values are easier to reason about and fast enough here.
// Numbers up to kInlineBits bits live inside the object: a GO makes thousands
// of intermediate values, and a heap block for each costs more than the
// arithmetic on them.
constexpr unsigned kInlineBits = 1024;
using IntegerBackend = boost::multiprecision::cpp_int_backend<kInlineBits>;
using Integer = boost::multiprecision::number<IntegerBackend, boost::multiprecision::et_off>;
using Exact = boost::multiprecision::number<boost::multiprecision::rational_adaptor<IntegerBackend>,
                                            boost::multiprecision::et_off>;

// A comparison with a literal first makes a rational of 1024 bits of it,
// which costs a hundred times more than reading the answer off the
// numerator and the denominator, as these do.
inline int sign_of(const Exact& value) {
    return numerator(value).sign();
}
// Whether two values are equal: a reduced fraction is its numerator and its
// denominator, where == compares the two by continued fractions.
inline bool same_value(const Exact& a, const Exact& b) {
    return numerator(a) == numerator(b) && denominator(a) == denominator(b);
}
// Whether the value is the whole number n.
inline bool equals_whole(const Exact& value, int n) {
    return denominator(value) == 1 && numerator(value) == n;
}

// An entry text read as mantissa * 10^exponent (exponent 0 for &H and &O).
struct Decimal {
    bool negative = false;
    Integer mantissa;
    long long exponent = 0;
};

// Applies the entry rule; throws ArithmeticFault beyond the double range.
// A magnitude below the smallest subnormal double yields zero.
Decimal read_decimal(std::string_view text);

Exact to_exact(const Decimal& number);
// value * 10^exponent, exactly.
Exact scaled(const Exact& value, long long exponent);
// The whole number in decimal digits, "-" before a negative one. Boost's own
// str() consults the C++ locale, which alone would bring all of the standard
// library's locale code into a static Windows .exe.
std::string digits_of(const Integer& value);
double to_double(const Decimal& number);
Exact to_exact(double finite_value);

// Throws ArithmeticFault beyond the double range: from 1.797693134862325E+308
// on, where even the display would round above the largest double.
void check_range(const Exact& value);

// Rounds half away from zero to `digits` significant digits and writes the
// display form (plain below 10^digits, else in E notation).
std::string show_exact(const Exact& value, int digits = 15);

// The exponent E with 10^E <= value < 10^(E+1), for a positive value.
long long decimal_exponent(const Exact& value);

// Square root of a non-negative value: exact when it is rational, otherwise
// correct to well over 30 significant digits.
Exact square_root(const Exact& value);

// An entry text read by the entry rule, as an exact number.
Exact read_exact(std::string_view text);

// The two roots of a*X^2 + b*X + c = 0 for a non-negative discriminant:
// exact when the discriminant's root is rational, else to well over 30 digits.
// x1 takes the minus sign before the root.
struct Roots {
    Exact x1;
    Exact x2;
};
Roots quadratic_roots(const Exact& a, const Exact& b, const Exact& c, const Exact& delta);

// A typed number written back exactly, as a textbook prints data: "0.5",
// "−3", "1.2E+300" (where plain digits would run past 20 places).
std::string decimal_text(const Decimal& number);

// The numbers of one GO of the quadratic, read once. Outside `Solved`, only
// the numbers read before the fault are set.
struct QuadraticNumbers {
    Outcome outcome = Outcome::OutOfRange;
    Decimal typed_a, typed_b, typed_c;
    Exact a, b, c;
    Exact delta;                // a ≠ 0
    std::optional<Roots> roots; // a ≠ 0 and delta ≥ 0; the one root in x1 when a = 0
};
QuadraticNumbers read_quadratic(std::string_view a, std::string_view b, std::string_view c);
// The answer text of a solved quadratic.
std::string quadratic_answer(const QuadraticNumbers& numbers);

struct LineNumbers {
    Outcome outcome = Outcome::OutOfRange;
    Decimal typed_x1, typed_y1, typed_x2, typed_y2;
    Exact x1, y1, x2, y2;
    Exact k, b; // Solved only
};
LineNumbers read_line(std::string_view x1, std::string_view y1, std::string_view x2,
                      std::string_view y2);
std::string line_answer(const LineNumbers& numbers);

// The exact forms of solved exercises.
ExactQuadratic exact_quadratic_of(const QuadraticNumbers& numbers);
ExactLine exact_line_of(const LineNumbers& numbers);

// What one GO read and found, kept with its Exercise: the quadratic's
// numbers with their exact form (where solved), or the line's.
struct ExerciseNumbers {
    std::optional<QuadraticNumbers> quadratic;
    std::optional<ExactQuadratic> exact; // a solved quadratic
    std::optional<LineNumbers> line;
};

// "-5/4", "3"; a number past 20 digits as its rounded decimal after "≈".
std::string fraction_text(const Exact& value);
// Whether fraction_text writes the value exactly.
bool short_fraction(const Exact& value);
bool too_long(const std::string& fraction);

// value = square² · free with `free` square-free, when that can be proven cheaply.
struct SquareFree {
    Integer square = 1;
    Integer free = 1;
};
std::optional<SquareFree> square_free(Integer value);

// a·X² + b·X + c with integer coefficients without a common factor: the same
// roots, the smallest numbers (the sign of a kept).
struct Primitive {
    Integer a;
    Integer b;
    Integer c;
};
Primitive primitive(const Exact& a, const Exact& b, const Exact& c);

// The nearest double, or an infinity beyond the double range.
double nearest_double(const Exact& value);

} // namespace vornix::calc::detail
