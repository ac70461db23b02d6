// The numbers a student's answer can hold and the checker compares: p + q√r
// with rational p and q, and polynomials in x of degree at most 2 over them.
#pragma once

#include "exact.hpp"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vornix::calc::detail {

// p + q√r. When q ≠ 0, r > 1 is an integer that is not a perfect square (not
// necessarily square-free: √8 stays √8 until it is written out); when q = 0,
// r = 1. Two values share a field when the product of their radicands is a
// square, and only then can they be added or compared directly.
struct Surd {
    Exact p;
    Exact q;
    Integer r = 1;
};

Surd rational(const Exact& value);
// √value for a non-negative rational value: rational when it is a square.
Surd square_root_of(const Exact& value);
bool is_rational(const Surd& value);
bool is_zero(const Surd& value);

// Arithmetic; nothing where the operands lie in different fields (√2 + √3),
// on division by zero, or where a result would pass kLargestBits bits, so
// that no entry can make the arithmetic slow.
constexpr unsigned kLargestBits = 2048;
std::optional<Surd> add(const Surd& a, const Surd& b);
std::optional<Surd> subtract(const Surd& a, const Surd& b);
std::optional<Surd> multiply(const Surd& a, const Surd& b);
std::optional<Surd> divide(const Surd& a, const Surd& b);
Surd negate(Surd value);

// -1, 0 or 1, exactly.
int sign(const Surd& value);
// Whether the two are the same real number (false across fields).
bool same(const Surd& a, const Surd& b);
// Whether |value - centre| <= radius, exactly.
bool within(const Surd& value, const Exact& centre, const Exact& radius);

// c[0] + c[1]·x + c[2]·x².
struct Poly {
    std::array<Surd, 3> c;
    int degree() const;
};
Poly constant(const Surd& value);
Poly variable_x();
std::optional<Poly> add(const Poly& a, const Poly& b);
std::optional<Poly> subtract(const Poly& a, const Poly& b);
// Nothing also where the product would pass x².
std::optional<Poly> multiply(const Poly& a, const Poly& b);
// Division by a non-zero constant only.
std::optional<Poly> divide(const Poly& a, const Poly& b);
Poly negate(const Poly& value);
bool same(const Poly& a, const Poly& b);

// The real roots of a·x² + b·x + c = 0 (a ≠ 0), the minus root first; one
// for a double root, none for a negative discriminant.
std::vector<Surd> roots_of(const Exact& a, const Exact& b, const Exact& c);

// Textbook writing, with "−" for minus: a fraction "−3/2", a root in
// simplest form "(3−√5)/2", "2√2", "√2/2"; the pair p ± q√r as "(2±√10)/2".
std::string fraction_words(const Exact& value);
std::string surd_text(const Surd& value);
std::string plus_minus_text(const Surd& plus_root);
// "x²+3x+2", "2x−1", "−x²+5": a polynomial in x, no terms for zeros; its
// numbers as fractions, or as short decimals where `decimals` and they are.
std::string polynomial_text(const Exact& a, const Exact& b, const Exact& c, bool decimals = false);
// A rational as a short decimal where it is one ("0.5"), else a fraction.
std::string decimal_or_fraction(const Exact& value);

} // namespace vornix::calc::detail
