// Exact numbers shared by the entry rule, the display rule and the solvers.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>

#include <string>
#include <string_view>

namespace vornix::calc::detail {

// Expression templates off: plain values are easier to reason about and fast enough here.
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;
using Exact = boost::multiprecision::number<
    boost::multiprecision::rational_adaptor<boost::multiprecision::cpp_int_backend<>>,
    boost::multiprecision::et_off>;

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
double to_double(const Decimal& number);
Exact to_exact(double finite_value);

// Throws ArithmeticFault beyond the double range: from 1.797693134862325E+308
// on, where even the display would round above the largest double.
void check_range(const Exact& value);

// Rounds half away from zero to 15 significant digits and writes the display form.
std::string show_exact(const Exact& value);

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

} // namespace vornix::calc::detail
