// Exact forms: the roots in simplest radical form, fractions for the rest.
#include "calc.hpp"
#include "exact.hpp"

#include <boost/multiprecision/integer.hpp>

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <type_traits>
#include <vector>

namespace vornix::calc::detail {
namespace {

constexpr std::size_t kMostDigits = 20;
constexpr std::uint32_t kTrialDivisionBound = 1'000'000;

bool short_enough(const Integer& value) {
    static const Integer limit = boost::multiprecision::pow(Integer(10), kMostDigits);
    return abs(value) < limit;
}

std::string plain(const Exact& value) {
    std::string text = show_exact(value);
    return text[0] == ' ' ? text.substr(1) : text;
}

std::string fraction(const Exact& value) {
    return fraction_text(value);
}

bool approximate(const std::string& number) {
    return too_long(number);
}

// The primes below 1000, enough for any number below 10^6.
constexpr std::array<std::uint32_t, 168> kPrimesBelow1000 = [] {
    std::array<std::uint32_t, 168> primes{};
    std::size_t count = 0;
    for (std::uint32_t n = 2; count < primes.size(); ++n) {
        bool prime = true;
        for (std::size_t i = 0; i < count && primes[i] * primes[i] <= n; ++i) {
            prime = prime && n % primes[i] != 0;
        }
        if (prime) {
            primes[count++] = n;
        }
    }
    return primes;
}();

// The primes up to 10^6, sieved once, when a number first needs them.
const std::vector<std::uint32_t>& small_primes() {
    static const std::vector<std::uint32_t> primes = [] {
        // Odd numbers only: index i stands for 2i + 1.
        constexpr std::uint32_t half = kTrialDivisionBound / 2;
        std::vector<unsigned char> composite(half + 1, 0);
        std::vector<std::uint32_t> found{2};
        for (std::uint32_t i = 1; i <= half; ++i) {
            if (composite[i] != 0) {
                continue;
            }
            const std::uint32_t p = 2 * i + 1;
            found.push_back(p);
            for (std::uint64_t multiple = std::uint64_t{p} * p / 2; multiple <= half;
                 multiple += p) {
                composite[multiple] = 1;
            }
        }
        return found;
    }();
    return primes;
}

std::uint64_t remainder(const Integer& value, std::uint32_t divisor) {
    return boost::multiprecision::integer_modulus(value, divisor);
}
std::uint64_t remainder(std::uint64_t value, std::uint32_t divisor) {
    return value % divisor;
}

// Whether none of three primes divides a number of several words: one pass
// over its words for the three, where the machine's words are 64 bits.
bool none_divides(const Integer& value, std::span<const std::uint32_t> three) {
    if constexpr (sizeof(boost::multiprecision::limb_type) >= sizeof(std::uint64_t)) {
        const std::uint64_t product = std::uint64_t{three[0]} * three[1] * three[2];
        const auto left =
            static_cast<std::uint64_t>(boost::multiprecision::integer_modulus(value, product));
        return left % three[0] != 0 && left % three[1] != 0 && left % three[2] != 0;
    } else {
        return false; // 32-bit words: each prime on its own
    }
}

bool fits_in_word(const Integer& value) {
    return value <= std::numeric_limits<std::uint64_t>::max();
}
bool fits_in_word(std::uint64_t) {
    return true;
}

// Takes the primes from `next` on out of `rest` into `parts`, until the next
// prime's square exceeds `rest`, or, for a big `rest`, until it fits a
// machine word, where the rest goes faster. Returns where it stopped.
template <typename Number>
std::size_t trial_divide(Number& rest, SquareFree& parts, std::size_t next) {
    const std::span<const std::uint32_t> primes =
        rest < Number(1'000'000) ? std::span<const std::uint32_t>(kPrimesBelow1000)
                                 : std::span<const std::uint32_t>(small_primes());
    for (; next < primes.size(); ++next) {
        const std::uint32_t p = primes[next];
        if (Number(p) * p > rest ||
            (!std::is_same_v<Number, std::uint64_t> && fits_in_word(rest))) {
            break;
        }
        if constexpr (!std::is_same_v<Number, std::uint64_t>) {
            if (next + 2 < primes.size() && none_divides(rest, primes.subspan(next, 3))) {
                next += 2;
                continue;
            }
        }
        int times = 0;
        while (remainder(rest, p) == 0) {
            rest /= p;
            ++times;
        }
        for (int pair = 0; pair < times / 2; ++pair) {
            parts.square *= p;
        }
        if (times % 2 == 1) {
            parts.free *= p;
        }
    }
    return next;
}

} // namespace

// Proven by trial division up to 10^6: what is left then is 1, a prime
// (below 10^12), or a perfect square.
std::optional<SquareFree> square_free(Integer rest) {
    SquareFree parts;
    if (const Integer root = sqrt(rest); root * root == rest) {
        parts.square = root; // no need to know the primes of a square
        return parts;
    }
    const std::size_t next = trial_divide(rest, parts, 0);
    if (fits_in_word(rest)) {
        auto word = rest.convert_to<std::uint64_t>();
        trial_divide(word, parts, next);
        rest = word;
    }
    const Integer root = sqrt(rest);
    if (root * root == rest) {
        parts.square *= root;
    } else if (rest < Integer(kTrialDivisionBound) * kTrialDivisionBound) {
        parts.free *= rest; // no factor up to its square root: a prime
    } else {
        return std::nullopt;
    }
    return parts;
}

namespace {

std::string times_root(const Integer& n, const Integer& r) {
    return (n == 1 ? std::string() : digits_of(n)) + "√" + digits_of(r);
}

// (m + n√r)/d written out, n signed.
std::string radical_text(const Integer& m, const Integer& n, const Integer& r, const Integer& d) {
    std::string top;
    if (m != 0) {
        top = digits_of(m) + (n < 0 ? "-" : "+") + times_root(abs(n), r);
    } else {
        top = (n < 0 ? "-" : "") + times_root(abs(n), r);
    }
    if (d == 1) {
        return top;
    }
    return (m != 0 ? "(" + top + ")" : top) + "/" + digits_of(d);
}

RootForm rational_root(const Exact& value) {
    return {digits_of(numerator(value)), "0", "1", digits_of(denominator(value)), fraction(value)};
}

RootForm radical_root(const Integer& m, const Integer& n, const Integer& r, const Integer& d) {
    return {digits_of(m), digits_of(n), digits_of(r), digits_of(d), radical_text(m, n, r, d)};
}

} // namespace

Primitive primitive(const Exact& a, const Exact& b, const Exact& c) {
    using boost::multiprecision::lcm;
    const Integer scale = lcm(lcm(denominator(a), denominator(b)), denominator(c));
    Primitive p{numerator(a) * (scale / denominator(a)), numerator(b) * (scale / denominator(b)),
                numerator(c) * (scale / denominator(c))};
    const Integer common = gcd(gcd(abs(p.a), abs(p.b)), abs(p.c));
    p.a /= common;
    p.b /= common;
    p.c /= common;
    return p;
}

namespace {

// A root of at most 20 digits has a primitive equation within these bounds
// ((dX - m)^2 = n^2 r for an irrational root, so |a| <= d^2, |b| <= 2|m|d,
// |c| <= m^2 + n^2 r): beyond them no factoring is tried.
bool small_enough_to_simplify(const Primitive& p) {
    using boost::multiprecision::pow;
    static const Integer a_limit = pow(Integer(10), 2 * kMostDigits);
    static const Integer c_limit = 2 * pow(Integer(10), 3 * kMostDigits);
    return abs(p.a) <= a_limit && abs(p.b) <= 2 * a_limit && abs(p.c) <= c_limit;
}

// Both roots in simplest form, the minus root first; nothing when that
// cannot be proven cheaply or runs past 20 digits.
std::optional<std::pair<RootForm, RootForm>> simplest_roots(const Primitive& p) {
    if (!small_enough_to_simplify(p)) {
        return std::nullopt;
    }
    const Integer delta = p.b * p.b - 4 * p.a * p.c;
    const std::optional<SquareFree> parts = square_free(delta);
    if (!parts) {
        return std::nullopt;
    }
    if (parts->free == 1) {
        // Exact(n, d) wants a positive d: divide instead.
        const Exact x1 = Exact(-p.b - parts->square) / Exact(2 * p.a);
        const Exact x2 = Exact(-p.b + parts->square) / Exact(2 * p.a);
        if (approximate(fraction(x1)) || approximate(fraction(x2))) {
            return std::nullopt;
        }
        return std::pair{rational_root(x1), rational_root(x2)};
    }
    // (-b ± s√r) / 2a, the denominator made positive, the common factor taken out.
    Integer m = -p.b;
    Integer n = parts->square;
    Integer d = 2 * p.a;
    if (d < 0) {
        m = -m;
        n = -n;
        d = -d;
    }
    const Integer common = gcd(gcd(abs(m), abs(n)), d);
    m /= common;
    n /= common;
    d /= common;
    if (!short_enough(m) || !short_enough(n) || !short_enough(d) || !short_enough(parts->free)) {
        return std::nullopt;
    }
    return std::pair{radical_root(m, -n, parts->free, d), radical_root(m, n, parts->free, d)};
}

RootForm decimal_root(const Exact& value) {
    return {{}, {}, {}, {}, "≈" + plain(value)};
}

std::string opening(bool up) {
    return up ? "开口向上" : "开口向下";
}

ExactQuadratic quadratic_form(const QuadraticNumbers& n) {
    ExactQuadratic form;
    const Exact& a = n.a;
    form.kind = n.roots ? ExactQuadratic::Kind::Roots : ExactQuadratic::Kind::NoRealRoots;
    form.delta = fraction(n.delta);
    const Exact h = -n.b / (2 * a);
    form.vertex_x = fraction(h);
    form.vertex_y = fraction(-n.delta / (4 * a));
    form.opens_up = a > 0;
    std::string roots_line;
    if (n.roots) {
        if (const auto simplest = simplest_roots(primitive(a, n.b, n.c))) {
            std::tie(form.x1, form.x2) = *simplest;
            roots_line = "精确解：X1=" + form.x1.text + "，X2=" + form.x2.text + "\n";
        } else {
            form.simplified = false;
            form.x1 = decimal_root(n.roots->x1);
            form.x2 = decimal_root(n.roots->x2);
            roots_line = "精确解：无法化简，X1" + form.x1.text + "，X2" + form.x2.text + "\n";
        }
    }
    form.text = roots_line + "△=" + form.delta + "\n顶点 (" + form.vertex_x + ", " + form.vertex_y +
                ")，对称轴 X=" + form.vertex_x + "，" + opening(form.opens_up);
    return form;
}

ExactQuadratic linear_form(const Exact& x) {
    ExactQuadratic form;
    form.kind = ExactQuadratic::Kind::Linear;
    form.x1 = rational_root(x);
    form.simplified = !approximate(form.x1.text);
    form.text =
        form.simplified ? "精确解：X=" + form.x1.text : "精确解：无法化简，X" + form.x1.text;
    return form;
}

// "Y=1/3 X+5/3", "Y=-X-1", "Y=3 X"; in decimals when a number runs too long.
std::string line_equation(const Exact& k, const Exact& b) {
    const bool exact = !approximate(fraction(k)) && !approximate(fraction(b));
    const auto number = [exact](const Exact& value) {
        return exact ? fraction(value) : plain(value);
    };
    std::string text = exact ? "Y=" : "无法化简，Y≈";
    if (k == -1) {
        text += "-";
    } else if (k != 1) {
        text += number(k) + " ";
    }
    text += "X";
    if (b > 0) {
        text += "+" + number(b);
    } else if (b < 0) {
        text += "-" + number(-b);
    }
    return text;
}

} // namespace

bool short_fraction(const Exact& value) {
    return short_enough(numerator(value)) && short_enough(denominator(value));
}

std::string fraction_text(const Exact& value) {
    if (!short_fraction(value)) {
        return "≈" + plain(value);
    }
    const std::string top = digits_of(numerator(value));
    return denominator(value) == 1 ? top : top + "/" + digits_of(denominator(value));
}

bool too_long(const std::string& fraction) {
    return fraction.starts_with("≈");
}

ExactQuadratic exact_quadratic_of(const QuadraticNumbers& numbers) {
    return numbers.a == 0 ? linear_form(numbers.roots->x1) : quadratic_form(numbers);
}

ExactLine exact_line_of(const LineNumbers& n) {
    ExactLine line{fraction(n.k), fraction(n.b), fraction(-n.b / n.k), {}};
    line.text = "精确解：" + line_equation(n.k, n.b) + "\n" +
                (n.b == 0 ? std::string("过原点 (0, 0)")
                          : "与 Y 轴交于 (0, " + line.intercept + ")，与 X 轴交于 (" +
                                line.x_crossing + ", 0)");
    return line;
}

} // namespace vornix::calc::detail

namespace vornix::calc {

std::optional<ExactQuadratic> exact_quadratic(std::string_view a, std::string_view b,
                                              std::string_view c) {
    const detail::QuadraticNumbers numbers = detail::read_quadratic(a, b, c);
    if (numbers.outcome != Outcome::Solved) {
        return std::nullopt;
    }
    return detail::exact_quadratic_of(numbers);
}

std::optional<ExactLine> exact_line(std::string_view x1, std::string_view y1, std::string_view x2,
                                    std::string_view y2) {
    const detail::LineNumbers numbers = detail::read_line(x1, y1, x2, y2);
    if (numbers.outcome != Outcome::Solved) {
        return std::nullopt;
    }
    return detail::exact_line_of(numbers);
}

} // namespace vornix::calc
