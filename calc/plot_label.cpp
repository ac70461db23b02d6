#include "plot_label.hpp"

#include "writing.hpp"

#include <algorithm>
#include <cstddef>

namespace vornix::calc::detail {
namespace {

// A coordinate longer than this, its sign not counted, has its point rounded.
constexpr std::size_t kLabelCharacters = 7;
// Significant digits a rounded point keeps in its larger coordinate.
constexpr long long kRoundedDigits = 3;
// Where the larger coordinate lies outside [10^-3, 10^6), both are written in
// E notation: plain digits would run too long or show nothing.
constexpr long long kPlainBelow = 6;
constexpr long long kPlainFrom = -3;

std::string with_text_minus(std::string text) {
    if (text.starts_with('-')) {
        text.replace(0, 1, kMinus);
    }
    return text;
}

struct Measure {
    std::size_t characters = 0;
    std::size_t room = 0;
};

// Counted over UTF-8: from U+2E80 on (CJK, full-width signs) a character takes
// the room of two; "−" and "≈" lie below and take one.
Measure measure(std::string_view text) {
    Measure m;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        ++m.characters;
        m.room += code >= 0x2E80 ? 2 : 1;
        i += length;
    }
    return m;
}

bool fits(const std::string& written) {
    std::string_view magnitude = written;
    if (magnitude.starts_with(kMinus)) {
        magnitude.remove_prefix(kMinus.size());
    }
    return !magnitude.starts_with("≈") && measure(magnitude).characters <= kLabelCharacters;
}

// The value rounded half away from zero to `places` decimal places, its
// trailing zeros left out: "−0.79", "2.5", "0".
std::string at_places(const Exact& value, long long places) {
    const Exact shifted = scaled(abs(value), places);
    const Integer whole =
        (2 * numerator(shifted) + denominator(shifted)) / (2 * denominator(shifted));
    std::string digits = digits_of(whole);
    if (places > 0) {
        const auto point = static_cast<std::size_t>(places);
        if (digits.size() <= point) {
            digits.insert(0, point + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - point, ".");
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.') {
            digits.pop_back();
        }
    }
    return (whole != 0 && sign_of(value) < 0 ? std::string(kMinus) : "") + digits;
}

std::string in_e_notation(const Exact& value) {
    std::string shown = show_exact(value, static_cast<int>(kRoundedDigits));
    return with_text_minus(shown.starts_with(' ') ? shown.substr(1) : shown);
}

// Both rounded to the decimal place of the larger one's third digit.
std::pair<std::string, std::string> rounded_alike(const Exact& x, const Exact& y) {
    const Exact larger = std::max(abs(x), abs(y));
    const long long exponent = decimal_exponent(larger);
    if (exponent < kPlainFrom || exponent >= kPlainBelow) {
        return {in_e_notation(x), in_e_notation(y)};
    }
    const long long places = std::max(0LL, kRoundedDigits - 1 - exponent);
    return {at_places(x, places), at_places(y, places)};
}

} // namespace

LabelNumber typed_number(const Decimal& typed, const Exact& value) {
    if (short_decimal(value)) {
        std::string digits = linear_text(data(value));
        if (fits(digits)) {
            return {std::move(digits), value};
        }
    }
    return {decimal_text(typed), value};
}

LabelNumber result_number(const Exact& value) {
    return {with_text_minus(fraction_text(value)), value};
}

std::string LabelPoint::text() const {
    return (rounded ? "≈(" : "(") + x + ", " + y + ")";
}

LabelPoint label_point(const LabelNumber& x, const LabelNumber& y) {
    if (fits(x.written) && fits(y.written)) {
        return {x.written, y.written, false};
    }
    auto [rounded_x, rounded_y] = rounded_alike(x.value, y.value);
    return {std::move(rounded_x), std::move(rounded_y), true};
}

std::string label_equation(std::string_view letter, const LabelNumber& number) {
    const LabelPoint alone = label_point(number, {"0", 0});
    return std::string(letter) + (alone.rounded ? "≈" : "=") + alone.x;
}

std::vector<std::string> narrowing(const std::string& label,
                                   const std::vector<std::string>& candidates) {
    std::vector<std::string> kept;
    Measure last = measure(label);
    for (const std::string& candidate : candidates) {
        const Measure m = measure(candidate);
        if (!candidate.empty() && m.characters < last.characters && m.room < last.room) {
            kept.push_back(candidate);
            last = m;
        }
    }
    return kept;
}

} // namespace vornix::calc::detail
