#include "graph_scale.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vornix::draw::detail {
namespace {

constexpr Real kMarginShare = 0.12L;

std::string with_minus_sign(std::string text) {
    if (!text.empty() && text[0] == '-') {
        text.replace(0, 1, "−");
    }
    return text;
}

// "1.50" as "1.5", "1.0" as "1".
std::string without_trailing_zeros(std::string number) {
    if (number.find('.') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.') {
            number.pop_back();
        }
    }
    return number;
}

} // namespace

Range range_of(const std::vector<Real>& values, std::string& note) {
    if (values.empty()) {
        return {-5, 5};
    }
    Real lo = *std::ranges::min_element(values);
    Real hi = *std::ranges::max_element(values);
    const Real spread = hi - lo;
    if (spread == 0 || std::max(hi, Real(0)) - std::min(lo, Real(0)) <= 8 * spread) {
        lo = std::min(lo, Real(0));
        hi = std::max(hi, Real(0));
    }
    if (hi == lo) {
        const Real half = lo == 0 ? 1 : std::fabs(lo) / 2;
        lo -= half;
        hi += half;
    }
    const Real resolution = std::max(std::fabs(lo), std::fabs(hi)) * 1e-12L;
    if (hi - lo < resolution) {
        const Real middle = lo / 2 + hi / 2;
        lo = middle - resolution / 2;
        hi = middle + resolution / 2;
        note = "各点相距太近，在同一幅图上分不开.";
    }
    const Real margin = (hi - lo) * kMarginShare;
    return {lo - margin, hi + margin};
}

Real nice_step(Real raw) {
    const Real power = std::pow(Real(10), std::floor(std::log10(raw)));
    const Real mantissa = raw / power;
    return (mantissa < 1.5L ? 1 : mantissa < 3 ? 2 : mantissa < 7 ? 5 : 10) * power;
}

Real next_step(Real step) {
    const Real power = std::pow(Real(10), std::floor(std::log10(step) + 1e-9L));
    const Real mantissa = std::round(step / power);
    return (mantissa < 1.5L ? 2 : mantissa < 3.5L ? 5 : 10) * power;
}

std::vector<Real> ticks(const Range& range, Real step) {
    std::vector<Real> values;
    const Real first = std::ceil(range.lo / step);
    const Real last = std::floor(range.hi / step);
    for (Real k = first; k <= last && values.size() < 200; ++k) {
        const Real value = k * step;
        if (std::isfinite(static_cast<double>(value))) {
            values.push_back(value);
        }
    }
    return values;
}

std::string tick_text(Real value, Real step) {
    if (std::fabs(value) < step * 1e-6L) {
        return "0";
    }
    char text[64];
    const Real largest = std::fabs(value);
    if (step >= 1e-4L && largest < 1e7L) {
        const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9L));
        std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
        return with_minus_sign(without_trailing_zeros(text));
    }
    const int digits = std::max(0, static_cast<int>(std::floor(std::log10(largest)) -
                                                    std::floor(std::log10(step) + 1e-9L)));
    std::snprintf(text, sizeof text, "%.*E", std::min(digits, 6), static_cast<double>(value));
    const std::string written = text;
    const std::size_t e = written.find('E');
    return with_minus_sign(without_trailing_zeros(written.substr(0, e)) + written.substr(e));
}

} // namespace vornix::draw::detail
