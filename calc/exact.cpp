#include "exact.hpp"
#include "calc.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace vornix::calc::detail {
namespace {

using boost::multiprecision::msb;

// Powers of ten are asked for again and again (every number read and shown
// scales by one): those up to a double's range and its digits are made once.
// A constant table, not a per-thread cache: 32-bit MinGW runs thread_local
// destructors with the wrong calling convention (GCC bug 83562).
Integer power_of_ten(long long exponent) {
    constexpr long long kTabled = 400;
    static const std::vector<Integer> powers = [] {
        std::vector<Integer> made{Integer(1)};
        while (static_cast<long long>(made.size()) <= kTabled) {
            made.push_back(made.back() * 10);
        }
        return made;
    }();
    if (exponent <= kTabled) {
        return powers[static_cast<std::size_t>(exponent)];
    }
    return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
}

// Whether num/den >= 10^exponent, in whole numbers.
bool at_least_power(const Integer& num, const Integer& den, long long exponent) {
    return exponent >= 0 ? num >= den * power_of_ten(exponent)
                         : num * power_of_ten(-exponent) >= den;
}

} // namespace

long long decimal_exponent(const Exact& value) {
    const Integer& num = numerator(value);
    const Integer& den = denominator(value);
    const long long bits = static_cast<long long>(msb(num)) - static_cast<long long>(msb(den));
    auto estimate = static_cast<long long>(std::floor(static_cast<double>(bits) * 0.30102999566));
    while (at_least_power(num, den, estimate + 1)) {
        ++estimate;
    }
    while (!at_least_power(num, den, estimate)) {
        --estimate;
    }
    return estimate;
}

namespace {

// num/den * 10^exponent rounded half away from zero, for positive num and den.
// Whole numbers only: a scaled fraction would be reduced first, at the cost of
// a greatest common divisor of numbers with hundreds of digits.
Integer round_half_away(const Integer& num, const Integer& den, long long exponent) {
    const Integer top = exponent >= 0 ? num * power_of_ten(exponent) : num;
    const Integer bottom = exponent >= 0 ? den : den * power_of_ten(-exponent);
    Integer quotient;
    Integer remainder;
    divide_qr(top, bottom, quotient, remainder);
    if (remainder * 2 >= bottom) {
        ++quotient;
    }
    return quotient;
}

std::string exponent_form(const std::string& digits, long long exponent) {
    std::string text(1, digits[0]);
    if (digits.size() > 1) {
        text.push_back('.');
        text.append(digits, 1);
    }
    const std::string magnitude = std::to_string(std::llabs(exponent));
    text.push_back('E');
    text.push_back(exponent < 0 ? '-' : '+');
    if (magnitude.size() < 2) {
        text.push_back('0');
    }
    text.append(magnitude);
    return text;
}

std::string plain_form(const std::string& digits, long long exponent) {
    if (exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= whole) {
        return digits + std::string(whole - digits.size(), '0');
    }
    return digits.substr(0, whole) + "." + digits.substr(whole);
}

} // namespace

std::string digits_of(const Integer& value) {
    // Most numbers in a working fit a machine word; one copy of the
    // magnitude serves the test and the conversion.
    const Integer magnitude = abs(value);
    if (magnitude <= std::numeric_limits<std::uint64_t>::max()) {
        std::array<char, 24> buffer{};
        char* end = buffer.data();
        if (value.sign() < 0) {
            *end++ = '-';
        }
        end =
            std::to_chars(end, buffer.data() + buffer.size(), magnitude.convert_to<std::uint64_t>())
                .ptr;
        return {buffer.data(), end};
    }
    // Eighteen digits at a time, from the right.
    constexpr std::uint64_t kChunk = 1'000'000'000'000'000'000ULL;
    Integer rest = magnitude;
    std::string digits;
    while (rest != 0) {
        Integer quotient;
        Integer remainder;
        divide_qr(rest, Integer(kChunk), quotient, remainder);
        auto part = remainder.convert_to<std::uint64_t>();
        for (int place = 0; place < 18 && (quotient != 0 || part != 0); ++place) {
            digits.push_back(static_cast<char>('0' + part % 10));
            part /= 10;
        }
        rest = std::move(quotient);
    }
    if (value < 0) {
        digits.push_back('-');
    }
    return {digits.rbegin(), digits.rend()};
}

Exact scaled(const Exact& value, long long exponent) {
    if (exponent >= 0) {
        return value * power_of_ten(exponent);
    }
    return value / power_of_ten(-exponent);
}

Exact to_exact(double finite_value) {
    int binary_exponent = 0;
    const double fraction = std::frexp(finite_value, &binary_exponent);
    const auto mantissa = static_cast<long long>(std::ldexp(fraction, 53));
    const int shift = binary_exponent - 53;
    Exact value(mantissa);
    if (shift >= 0) {
        return value * (Integer(1) << shift);
    }
    return value / (Integer(1) << -shift);
}

void check_range(const Exact& value) {
    // Everything that shows as at most 1.79769313486232E+308, the largest double
    // as the display rule writes it, so that every shown number reads back.
    static const Exact overflow_threshold = scaled(Exact(1797693134862325), 308 - 15);
    // Below 2^1023 by the bit lengths alone: no products of thousand-bit numbers.
    if (value == 0 || static_cast<long long>(msb(abs(numerator(value)))) -
                              static_cast<long long>(msb(denominator(value))) <
                          1022) {
        return;
    }
    if (abs(value) >= overflow_threshold) {
        throw ArithmeticFault();
    }
}

std::string show_exact(const Exact& value, int shown_digits) {
    if (value == 0) {
        return " 0";
    }
    const Exact magnitude = abs(value);
    long long exponent = decimal_exponent(magnitude);
    Integer rounded =
        round_half_away(numerator(magnitude), denominator(magnitude), shown_digits - 1 - exponent);
    if (rounded == power_of_ten(shown_digits)) {
        rounded = power_of_ten(shown_digits - 1);
        ++exponent;
    }
    std::string digits = digits_of(rounded);
    digits.erase(digits.find_last_not_of('0') + 1);
    const bool plain = exponent >= -4 && exponent < shown_digits;
    const std::string sign = value < 0 ? "-" : " ";
    return sign + (plain ? plain_form(digits, exponent) : exponent_form(digits, exponent));
}

Exact square_root(const Exact& value) {
    const Integer& num = numerator(value);
    const Integer& den = denominator(value);
    const Integer root_num = sqrt(num);
    const Integer root_den = sqrt(den);
    if (root_num * root_num == num && root_den * root_den == den) {
        return Exact(root_num, root_den);
    }
    // sqrt(num/den) = sqrt(num*den)/den, with num*den scaled by 4^shift so that
    // its integer root carries more than 50 significant digits.
    const Integer product = num * den;
    const long long wanted_bits = 360;
    const long long shift =
        std::max(0LL, (wanted_bits - static_cast<long long>(msb(product))) / 2 + 1);
    return Exact(sqrt(Integer(product << (2 * shift))), Integer(den << shift));
}

} // namespace vornix::calc::detail

namespace vornix::calc {

std::string show_number(double value) {
    if (!std::isfinite(value)) {
        throw ArithmeticFault();
    }
    return detail::show_exact(detail::to_exact(value));
}

} // namespace vornix::calc

namespace vornix::calc::detail {

double nearest_double(const Exact& value) {
    return value.convert_to<double>();
}

std::string decimal_text(const Decimal& number) {
    if (number.mantissa == 0) {
        return "0";
    }
    std::string digits = digits_of(number.mantissa);
    long long exponent = number.exponent;
    const std::size_t kept = digits.find_last_not_of('0') + 1;
    exponent += static_cast<long long>(digits.size() - kept);
    digits.resize(kept);
    const long long leading = exponent + static_cast<long long>(digits.size()) - 1;
    const std::string sign = number.negative ? "−" : "";
    if (leading < -6 || leading > 20) {
        return sign + exponent_form(digits, leading);
    }
    return sign + plain_form(digits, leading);
}

} // namespace vornix::calc::detail
