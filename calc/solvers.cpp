#include "calc.hpp"
#include "exact.hpp"

namespace vornix::calc {
namespace {

constexpr std::string_view kNoRealRoot = "△小于0，无解！";
constexpr std::string_view kNoLine = "ERROR! 无法求解，请检查输入的坐标。";

bool in_range(const detail::Exact& value) {
    try {
        detail::check_range(value);
        return true;
    } catch (const ArithmeticFault&) {
        return false;
    }
}

// Reads a typed number, or says it lies beyond the double range.
bool read(std::string_view text, detail::Decimal& typed, detail::Exact& value) {
    try {
        typed = detail::read_decimal(text);
    } catch (const ArithmeticFault&) {
        return false;
    }
    value = detail::to_exact(typed);
    return true;
}

} // namespace

namespace detail {

QuadraticNumbers read_quadratic(std::string_view a_text, std::string_view b_text,
                                std::string_view c_text) {
    QuadraticNumbers n;
    if (!read(a_text, n.typed_a, n.a) || !read(b_text, n.typed_b, n.b) ||
        !read(c_text, n.typed_c, n.c)) {
        return n;
    }
    if (n.a == 0) {
        if (n.b == 0) {
            n.outcome = Outcome::NoEquation;
            return n;
        }
        const Exact x = -n.c / n.b;
        n.roots = Roots{x, x};
        n.outcome = in_range(x) ? Outcome::Solved : Outcome::OutOfRange;
        return n;
    }
    n.delta = n.b * n.b - 4 * n.a * n.c;
    if (!in_range(n.delta)) {
        return n;
    }
    if (n.delta >= 0) {
        n.roots = quadratic_roots(n.a, n.b, n.c, n.delta);
        if (!in_range(n.roots->x1) || !in_range(n.roots->x2)) {
            return n;
        }
    }
    n.outcome = Outcome::Solved;
    return n;
}

std::string quadratic_answer(const QuadraticNumbers& n) {
    if (n.a == 0) {
        return "X=" + show_exact(n.roots->x1);
    }
    if (!n.roots) {
        return std::string(kNoRealRoot);
    }
    return "X1=" + show_exact(n.roots->x1) + "    X2=" + show_exact(n.roots->x2);
}

LineNumbers read_line(std::string_view x1_text, std::string_view y1_text, std::string_view x2_text,
                      std::string_view y2_text) {
    LineNumbers n;
    if (!read(x1_text, n.typed_x1, n.x1) || !read(y1_text, n.typed_y1, n.y1) ||
        !read(x2_text, n.typed_x2, n.x2) || !read(y2_text, n.typed_y2, n.y2)) {
        return n;
    }
    if (n.x1 == n.x2) {
        n.outcome = Outcome::SameX;
        return n;
    }
    if (n.y2 == n.y1) {
        n.outcome = Outcome::SameY;
        return n;
    }
    n.k = (n.y2 - n.y1) / (n.x2 - n.x1);
    if (!in_range(n.k)) {
        return n;
    }
    n.b = n.y1 - n.k * n.x1;
    n.outcome = in_range(n.b) ? Outcome::Solved : Outcome::OutOfRange;
    return n;
}

std::string line_answer(const LineNumbers& n) {
    if (n.outcome != Outcome::Solved) {
        return std::string(kNoLine);
    }
    return "Y=" + show_exact(n.k) + " X  +" + show_exact(n.b);
}

Exact read_exact(std::string_view text) {
    return to_exact(read_decimal(text));
}

// The root where -b and the root of the discriminant add up is taken from the
// formula; the other from x1 * x2 = c / a, so that no digits cancel.
Roots quadratic_roots(const Exact& a, const Exact& b, const Exact& c, const Exact& delta) {
    const Exact s = square_root(delta);
    const Exact two_a = 2 * a;
    if (b > 0) {
        const Exact x1 = (-b - s) / two_a;
        return {x1, c / a / x1};
    }
    if (b < 0) {
        const Exact x2 = (-b + s) / two_a;
        return {c / a / x2, x2};
    }
    return {-s / two_a, s / two_a};
}

} // namespace detail

std::string solve_quadratic(std::string_view a, std::string_view b, std::string_view c) {
    const detail::QuadraticNumbers numbers = detail::read_quadratic(a, b, c);
    if (numbers.outcome != Outcome::Solved) {
        throw ArithmeticFault();
    }
    return detail::quadratic_answer(numbers);
}

std::string solve_line(std::string_view x1, std::string_view y1, std::string_view x2,
                       std::string_view y2) {
    const detail::LineNumbers numbers = detail::read_line(x1, y1, x2, y2);
    if (numbers.outcome == Outcome::OutOfRange) {
        throw ArithmeticFault();
    }
    return detail::line_answer(numbers);
}

} // namespace vornix::calc
