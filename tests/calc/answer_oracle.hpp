// The test's own arithmetic for the answer checker's property tests: the
// answers of right solutions and of each slip, found from the textbook's
// definitions with Boost's rationals, and written as a student writes them.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace answer_oracle {

using Rational = boost::multiprecision::cpp_rational;
using Integer = boost::multiprecision::cpp_int;

inline std::string text(const Rational& v) {
    return v.str();
}
// A rational where it may follow an operator: "(-3/2)".
inline std::string bracketed(const Rational& v) {
    return v < 0 || denominator(v) != 1 ? "(" + v.str() + ")" : v.str();
}

// A rational with a finite decimal expansion written as one: "0.25", "-1.5".
inline std::optional<std::string> decimal(const Rational& v) {
    Integer scale = 1;
    int places = 0;
    while (places < 12 && (scale % denominator(v)) != 0) {
        scale *= 10;
        ++places;
    }
    if (scale % denominator(v) != 0) {
        return std::nullopt;
    }
    std::string digits = Integer(abs(numerator(Rational(v * scale)))).str();
    digits.insert(
        0, static_cast<std::size_t>(std::max(0, places + 1 - static_cast<int>(digits.size()))),
        '0');
    if (places > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
    }
    return (v < 0 ? "-" : "") + digits;
}

// A set of at most two real roots with a rational sum and product, the
// way every slip's answer is: none, one (rational), or two distinct.
struct RootSet {
    int count = 0;
    Rational one;     // count 1
    Rational sum;     // count 2
    Rational product; // count 2
    bool operator==(const RootSet&) const = default;
};

inline std::optional<Rational> rational_root(const Rational& v) {
    if (v < 0) {
        return std::nullopt;
    }
    const Integer top = sqrt(numerator(v));
    const Integer bottom = sqrt(denominator(v));
    if (top * top != numerator(v) || bottom * bottom != denominator(v)) {
        return std::nullopt;
    }
    return Rational(top, bottom);
}

// The roots of a·x² + b·x + c = 0, a ≠ 0.
inline RootSet roots_of(const Rational& a, const Rational& b, const Rational& c) {
    const Rational delta = b * b - 4 * a * c;
    if (delta < 0) {
        return {};
    }
    if (delta == 0) {
        return {1, -b / (2 * a), 0, 0};
    }
    return {2, 0, -b / a, c / a};
}

// The set {r1, r2} of two rationals.
inline RootSet pair(const Rational& r1, const Rational& r2) {
    if (r1 == r2) {
        return {1, r1, 0, 0};
    }
    return {2, 0, r1 + r2, r1 * r2};
}

// The set as a student writes it: "1, -2", "((3)±√(5))/2", "无实数根".
inline std::string written(const RootSet& set) {
    if (set.count == 0) {
        return "无实数根";
    }
    if (set.count == 1) {
        return "x=" + text(set.one);
    }
    const Rational discriminant = set.sum * set.sum - 4 * set.product;
    if (const auto root = rational_root(discriminant)) {
        return "x1=" + text((set.sum - *root) / 2) + "，x2=" + text((set.sum + *root) / 2);
    }
    return "x=(" + bracketed(set.sum) + "±√(" + text(discriminant) + "))/2";
}

// The line's slips written as a student writes a line: "y=(1/3)x+(-5/2)".
inline std::string line_text(const Rational& k, const Rational& b) {
    return "y=" + bracketed(k) + "x+" + bracketed(b);
}

// (m ± n√s)/d in lowest terms, s square-free and above 1, d > 0.
struct Surd {
    Integer m;
    Integer n;
    Integer s;
    Integer d;
};

inline Surd simplest(Integer m, Integer n, Integer radicand, Integer d) {
    Integer s = 1;
    for (Integer p = 2; p * p <= radicand; ++p) {
        while (radicand % (p * p) == 0) {
            radicand /= p * p;
            n *= p;
        }
    }
    s = radicand;
    if (d < 0) {
        m = -m;
        d = -d;
    }
    const Integer g = gcd(gcd(abs(m), abs(n)), d);
    return {m / g, n / g, s, d / g};
}

// "√5", "3√2": n√s with n > 0.
inline std::string root_part(const Integer& n, const Integer& s) {
    return (n == 1 ? std::string() : n.str()) + "√" + s.str();
}

inline std::string over(const std::string& top, const Integer& d, bool sum) {
    if (d == 1) {
        return top;
    }
    return (sum ? "(" + top + ")" : top) + "/" + d.str();
}

// One root, the sign before √ given: "(3-√5)/2", "-√2".
inline std::string branch(const Surd& r, bool plus) {
    const std::string root = root_part(r.n, r.s);
    if (r.m == 0) {
        return over((plus ? "" : "-") + root, r.d, false);
    }
    return over(r.m.str() + (plus ? "+" : "-") + root, r.d, true);
}

inline std::string both_branches(const Surd& r) {
    if (r.m == 0) {
        return "±" + over(root_part(r.n, r.s), r.d, false);
    }
    return over(r.m.str() + "±" + root_part(r.n, r.s), r.d, true);
}

// m/d ± (n/d)√s, each part reduced on its own: "3/2±√5/2".
inline std::string split_branches(const Surd& r) {
    const Rational whole(r.m, r.d);
    const Rational times(r.n, r.d);
    return text(whole) + "±" + root_part(numerator(times), r.s) +
           (denominator(times) == 1 ? "" : "/" + denominator(times).str());
}

inline long double value(const Surd& r, bool plus) {
    const long double root = std::sqrt(static_cast<long double>(r.s.convert_to<double>()));
    const long double n = r.n.convert_to<double>();
    return (r.m.convert_to<double>() + (plus ? n : -n) * root) / r.d.convert_to<double>();
}

// "1.618": three places, rounded.
inline std::string three_places(long double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3Lf", v);
    return buffer;
}

} // namespace answer_oracle
