#include "answer_value.hpp"
#include "writing.hpp"

#include <boost/multiprecision/integer.hpp>

namespace vornix::calc::detail {
namespace {

using boost::multiprecision::msb;

bool small_enough(const Integer& value) {
    return value == 0 || msb(abs(value)) < kLargestBits;
}
bool small_enough(const Exact& value) {
    return small_enough(numerator(value)) && small_enough(denominator(value));
}
std::optional<Surd> checked(Surd value) {
    if (!small_enough(value.p) || !small_enough(value.q) || !small_enough(value.r)) {
        return std::nullopt;
    }
    if (sign_of(value.q) == 0) {
        value.r = 1;
    }
    return value;
}

// The two coefficients of √ over one radicand, where the values share a field.
struct Aligned {
    Exact qa;
    Exact qb;
    Integer r;
};
std::optional<Aligned> align(const Surd& a, const Surd& b) {
    if (sign_of(b.q) == 0 || a.r == b.r) {
        return Aligned{a.q, b.q, a.r};
    }
    if (sign_of(a.q) == 0) {
        return Aligned{a.q, b.q, b.r};
    }
    // √rb = (t / ra)·√ra where t² = ra·rb.
    const Integer product = a.r * b.r;
    const Integer t = sqrt(product);
    if (t * t != product) {
        return std::nullopt;
    }
    return Aligned{a.q, b.q * Exact(t, a.r), a.r};
}

} // namespace

Surd rational(const Exact& value) {
    return {value, 0, 1};
}

Surd square_root_of(const Exact& value) {
    const Integer& top = numerator(value);
    const Integer& bottom = denominator(value);
    const Integer product = top * bottom; // √(u/v) = √(uv)/v
    const Integer root = sqrt(product);
    if (root * root == product) {
        return rational(Exact(root, bottom));
    }
    return {0, Exact(Integer(1), bottom), product};
}

bool is_rational(const Surd& value) {
    return sign_of(value.q) == 0;
}
bool is_zero(const Surd& value) {
    return sign_of(value.p) == 0 && sign_of(value.q) == 0;
}

std::optional<Surd> add(const Surd& a, const Surd& b) {
    const auto aligned = align(a, b);
    if (!aligned) {
        return std::nullopt;
    }
    return checked({a.p + b.p, aligned->qa + aligned->qb, aligned->r});
}

std::optional<Surd> subtract(const Surd& a, const Surd& b) {
    return add(a, negate(b));
}

std::optional<Surd> multiply(const Surd& a, const Surd& b) {
    const auto aligned = align(a, b);
    if (!aligned) {
        // √2·√3 = √6: two pure roots multiply into a field of their own.
        if (sign_of(a.p) != 0 || sign_of(b.p) != 0) {
            return std::nullopt;
        }
        const Surd root = square_root_of(Exact(a.r * b.r));
        return checked({root.p * a.q * b.q, root.q * a.q * b.q, root.r});
    }
    const Exact& qa = aligned->qa;
    const Exact& qb = aligned->qb;
    return checked({a.p * b.p + qa * qb * Exact(aligned->r), a.p * qb + b.p * qa, aligned->r});
}

std::optional<Surd> divide(const Surd& a, const Surd& b) {
    // a / (p + q√r) = a·(p − q√r) / (p² − q²r)
    const Exact norm = b.p * b.p - b.q * b.q * Exact(b.r);
    if (sign_of(norm) == 0) {
        return std::nullopt;
    }
    const auto product = multiply(a, Surd{b.p, -b.q, b.r});
    if (!product) {
        return std::nullopt;
    }
    return checked({product->p / norm, product->q / norm, product->r});
}

Surd negate(Surd value) {
    value.p = -value.p;
    value.q = -value.q;
    return value;
}

int sign(const Surd& value) {
    const int sp = sign_of(value.p);
    const int sq = sign_of(value.q);
    if (sq == 0 || sp == sq) {
        return sp == 0 ? sq : sp;
    }
    if (sp == 0) {
        return sq;
    }
    // Opposite signs: the larger square wins; they are never equal, r not being a square.
    return value.p * value.p > value.q * value.q * Exact(value.r) ? sp : sq;
}

bool same(const Surd& a, const Surd& b) {
    const auto aligned = align(a, b);
    return aligned && same_value(a.p, b.p) && same_value(aligned->qa, aligned->qb);
}

bool within(const Surd& value, const Exact& centre, const Exact& radius) {
    const auto above = subtract(value, rational(centre + radius));
    const auto below = subtract(value, rational(centre - radius));
    return above && below && sign(*above) <= 0 && sign(*below) >= 0;
}

int Poly::degree() const {
    for (int power = 2; power > 0; --power) {
        if (!is_zero(c[static_cast<std::size_t>(power)])) {
            return power;
        }
    }
    return 0;
}

Poly constant(const Surd& value) {
    return {{value, rational(0), rational(0)}};
}

Poly variable_x() {
    return {{rational(0), rational(1), rational(0)}};
}

std::optional<Poly> add(const Poly& a, const Poly& b) {
    Poly sum;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto term = add(a.c[i], b.c[i]);
        if (!term) {
            return std::nullopt;
        }
        sum.c[i] = *term;
    }
    return sum;
}

std::optional<Poly> subtract(const Poly& a, const Poly& b) {
    return add(a, negate(b));
}

std::optional<Poly> multiply(const Poly& a, const Poly& b) {
    if (a.degree() + b.degree() > 2) {
        return std::nullopt;
    }
    Poly product{{rational(0), rational(0), rational(0)}};
    for (std::size_t i = 0; i <= static_cast<std::size_t>(a.degree()); ++i) {
        for (std::size_t j = 0; i + j <= 2; ++j) {
            const auto term = multiply(a.c[i], b.c[j]);
            const auto sum = term ? add(product.c[i + j], *term) : std::nullopt;
            if (!sum) {
                return std::nullopt;
            }
            product.c[i + j] = *sum;
        }
    }
    return product;
}

std::optional<Poly> divide(const Poly& a, const Poly& b) {
    if (b.degree() != 0) {
        return std::nullopt;
    }
    Poly quotient;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto term = divide(a.c[i], b.c[0]);
        if (!term) {
            return std::nullopt;
        }
        quotient.c[i] = *term;
    }
    return quotient;
}

Poly negate(const Poly& value) {
    return {{negate(value.c[0]), negate(value.c[1]), negate(value.c[2])}};
}

bool same(const Poly& a, const Poly& b) {
    return same(a.c[0], b.c[0]) && same(a.c[1], b.c[1]) && same(a.c[2], b.c[2]);
}

std::vector<Surd> roots_of(const Exact& a, const Exact& b, const Exact& c) {
    const Exact delta = b * b - 4 * a * c;
    if (sign_of(delta) < 0) {
        return {};
    }
    const Exact two_a = 2 * a;
    if (sign_of(delta) == 0) {
        return {rational(-b / two_a)};
    }
    const Surd root = square_root_of(delta);
    const Surd minus{(-b - root.p) / two_a, -root.q / two_a, root.r};
    const Surd plus{(-b + root.p) / two_a, root.q / two_a, root.r};
    return {minus, plus};
}

namespace {

// (m ± n√f)/d with integers, f square-free where that can be proven.
struct Written {
    Integer m;
    Integer n;
    Integer f;
    Integer d;
};

Written written(const Surd& value) {
    Integer f = value.r;
    Exact n = value.q;
    if (const auto parts = square_free(value.r)) {
        f = parts->free;
        n *= Exact(parts->square);
    }
    using boost::multiprecision::lcm;
    const Integer d = lcm(denominator(value.p), denominator(n));
    return {numerator(value.p * Exact(d)), numerator(n * Exact(d)), f, d};
}

std::string root_part(const Integer& n, const Integer& f) {
    return (n == 1 ? std::string() : digits_of(n)) + "√" + digits_of(f);
}

std::string with_denominator(const std::string& top, bool sum, const Integer& d) {
    if (d == 1) {
        return top;
    }
    return (sum ? "(" + top + ")" : top) + "/" + digits_of(d);
}

} // namespace

std::string fraction_words(const Exact& value) {
    const std::string top = integer_text(numerator(value));
    return denominator(value) == 1 ? top : top + "/" + digits_of(denominator(value));
}

std::string surd_text(const Surd& value) {
    if (is_rational(value)) {
        return fraction_words(value.p);
    }
    const Written w = written(value);
    const std::string root = root_part(abs(w.n), w.f);
    if (w.m == 0) {
        return with_denominator((w.n < 0 ? std::string(kMinus) : "") + root, false, w.d);
    }
    return with_denominator(integer_text(w.m) + (w.n < 0 ? std::string(kMinus) : "+") + root, true,
                            w.d);
}

std::string plus_minus_text(const Surd& plus_root) {
    if (is_rational(plus_root)) {
        return "±" + fraction_words(abs(plus_root.p));
    }
    const Written w = written(plus_root);
    const std::string root = root_part(abs(w.n), w.f);
    if (w.m == 0) {
        return "±" + with_denominator(root, false, w.d);
    }
    return with_denominator(integer_text(w.m) + "±" + root, true, w.d);
}

std::string decimal_or_fraction(const Exact& value) {
    Integer scale = 1;
    int places = 0;
    while (places < 30 && denominator(value) > 1 && scale % denominator(value) != 0) {
        scale *= 10;
        ++places;
    }
    if (denominator(value) == 1 || scale % denominator(value) != 0) {
        return fraction_words(value);
    }
    std::string digits = digits_of(abs(numerator(value * Exact(scale))));
    if (digits.size() <= static_cast<std::size_t>(places)) {
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
    return (sign_of(value) < 0 ? std::string(kMinus) : "") + digits;
}

std::string polynomial_text(const Exact& a, const Exact& b, const Exact& c, bool decimals) {
    std::string text;
    const std::array<std::pair<const Exact*, const char*>, 3> terms{
        {{&a, "x²"}, {&b, "x"}, {&c, ""}}};
    for (const auto& [value, letter] : terms) {
        if (sign_of(*value) == 0) {
            continue;
        }
        if (sign_of(*value) < 0) {
            text += kMinus;
        } else if (!text.empty()) {
            text += "+";
        }
        const Exact magnitude = abs(*value);
        if (!equals_whole(magnitude, 1) || *letter == '\0') {
            text += decimals ? decimal_or_fraction(magnitude) : fraction_words(magnitude);
        }
        text += letter;
    }
    return text.empty() ? "0" : text;
}

} // namespace vornix::calc::detail
