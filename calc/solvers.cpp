#include "calc.hpp"
#include "exact.hpp"

namespace vornix::calc {
namespace {

using detail::check_range;
using detail::Exact;
using detail::show_exact;

constexpr std::string_view kNoRealRoot = "△小于0，无解！";
constexpr std::string_view kNoLine = "ERROR! 无法求解，请检查输入的坐标。";

using detail::read_exact;

std::string solve_linear(const Exact& b, const Exact& c) {
    if (b == 0) {
        throw ArithmeticFault();
    }
    const Exact x = -c / b;
    check_range(x);
    return "X=" + show_exact(x);
}

} // namespace

std::string solve_quadratic(std::string_view a_text, std::string_view b_text,
                            std::string_view c_text) {
    const Exact a = read_exact(a_text);
    const Exact b = read_exact(b_text);
    const Exact c = read_exact(c_text);
    if (a == 0) {
        return solve_linear(b, c);
    }
    const Exact delta = b * b - 4 * a * c;
    check_range(delta);
    if (delta < 0) {
        return std::string(kNoRealRoot);
    }
    const detail::Roots roots = detail::quadratic_roots(a, b, c, delta);
    check_range(roots.x1);
    check_range(roots.x2);
    return "X1=" + show_exact(roots.x1) + "    X2=" + show_exact(roots.x2);
}

std::string solve_line(std::string_view x1_text, std::string_view y1_text, std::string_view x2_text,
                       std::string_view y2_text) {
    const Exact x1 = read_exact(x1_text);
    const Exact y1 = read_exact(y1_text);
    const Exact x2 = read_exact(x2_text);
    const Exact y2 = read_exact(y2_text);
    if (x1 == x2 || y2 == y1) {
        return std::string(kNoLine);
    }
    const Exact k = (y2 - y1) / (x2 - x1);
    check_range(k);
    const Exact b = y1 - k * x1;
    check_range(b);
    return "Y=" + show_exact(k) + " X  +" + show_exact(b);
}

} // namespace vornix::calc

namespace vornix::calc::detail {

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

} // namespace vornix::calc::detail
