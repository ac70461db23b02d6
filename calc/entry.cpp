#include "calc.hpp"
#include "exact.hpp"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace vornix::calc::detail {
namespace {

// Stands for any character that cannot continue a number.
constexpr char kOther = '\x7f';
constexpr char kEnd = '\0';
constexpr std::size_t kKeptDigits = 34;

struct Alias {
    std::array<unsigned char, 3> utf8;
    char plain;
};

// What Chinese input methods type in place of the plain characters.
constexpr std::array<Alias, 8> kAliases{{
    {{0xE3, 0x80, 0x80}, ' '}, // ideographic blank
    {{0xE3, 0x80, 0x82}, '.'}, // 。
    {{0xE2, 0x88, 0x92}, '-'}, // − minus sign
    {{0xEF, 0xBC, 0x8B}, '+'}, // ＋
    {{0xEF, 0xBC, 0x8D}, '-'}, // －
    {{0xEF, 0xBC, 0x8E}, '.'}, // ．
    {{0xEF, 0xBC, 0xA5}, 'E'}, // Ｅ
    {{0xEF, 0xBD, 0x85}, 'e'}, // ｅ
}};

struct Mapped {
    char plain;
    std::size_t length;
};

// Any byte that starts no known sequence stands alone, so invalid UTF-8
// simply ends the number.
Mapped map_at(std::string_view text, std::size_t pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80) {
        return {byte == 0 ? kOther : static_cast<char>(byte), 1};
    }
    if (pos + 3 > text.size()) {
        return {kOther, 1};
    }
    const auto b1 = static_cast<unsigned char>(text[pos + 1]);
    const auto b2 = static_cast<unsigned char>(text[pos + 2]);
    if (byte == 0xEF && b1 == 0xBC && b2 >= 0x90 && b2 <= 0x99) {
        return {static_cast<char>('0' + (b2 - 0x90)), 3};
    }
    for (const Alias& alias : kAliases) {
        if (alias.utf8 == std::array<unsigned char, 3>{byte, b1, b2}) {
            return {alias.plain, 3};
        }
    }
    return {kOther, 1};
}

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text one meaningful character at a time, blanks skipped.
// Copyable, so a look-ahead can be undone by restoring a copy.
class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    char peek() {
        while (pos_ < text_.size()) {
            const Mapped m = map_at(text_, pos_);
            if (!is_blank(m.plain)) {
                return m.plain;
            }
            pos_ += m.length;
        }
        return kEnd;
    }

    void advance() {
        if (peek() != kEnd) {
            pos_ += map_at(text_, pos_).length;
        }
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Keeps the first 34 significant digits and what the rest do to the scale.
class DigitCollector {
  public:
    void add(char digit, bool after_point) {
        seen_any_ = true;
        if (kept_.empty() && digit == '0') {
            exponent_ -= after_point ? 1 : 0;
            return;
        }
        if (kept_.size() < kKeptDigits) {
            kept_.push_back(digit);
            exponent_ -= after_point ? 1 : 0;
            return;
        }
        if (dropped_first_ == 0) {
            dropped_first_ = digit;
        }
        exponent_ += after_point ? 0 : 1;
    }

    bool seen_any() const { return seen_any_; }
    bool is_zero() const { return kept_.empty(); }
    long long exponent() const { return exponent_; }
    long long leading_position() const {
        return exponent_ + static_cast<long long>(kept_.size()) - 1;
    }

    Integer mantissa() const {
        Integer m(kept_);
        if (dropped_first_ >= '5') {
            ++m;
        }
        return m;
    }

  private:
    std::string kept_;
    char dropped_first_ = 0;
    long long exponent_ = 0;
    bool seen_any_ = false;
};

long long read_exponent(Scanner& scan) {
    Scanner start = scan;
    const char letter = scan.peek();
    if (letter != 'E' && letter != 'e') {
        return 0;
    }
    scan.advance();
    bool negative = false;
    if (scan.peek() == '+' || scan.peek() == '-') {
        negative = scan.peek() == '-';
        scan.advance();
    }
    if (!is_digit(scan.peek())) {
        scan = start;
        return 0;
    }
    // Saturates far beyond any exponent that could still give a double.
    constexpr long long kCeiling = 1'000'000'000'000LL;
    long long value = 0;
    while (is_digit(scan.peek())) {
        value = std::min(kCeiling, value * 10 + (scan.peek() - '0'));
        scan.advance();
    }
    return negative ? -value : value;
}

int digit_value(char c) {
    if (is_digit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

Decimal read_radix_integer(Scanner& scan, int radix, std::size_t max_digits) {
    Decimal number;
    std::size_t significant = 0;
    for (int d = digit_value(scan.peek()); d < radix; d = digit_value(scan.peek())) {
        scan.advance();
        if (d == 0 && significant == 0) {
            continue;
        }
        if (++significant > max_digits) {
            throw ArithmeticFault();
        }
        number.mantissa = number.mantissa * radix + d;
    }
    check_range(number.mantissa);
    return number;
}

// Digits that certainly exceed the double range: 16^257 and 8^343 are beyond 2^1024.
constexpr std::size_t kMaxHexDigits = 257;
constexpr std::size_t kMaxOctalDigits = 343;

Decimal read_prefixed(Scanner& scan) {
    scan.advance(); // the '&'
    const char kind = scan.peek();
    if (kind == 'H' || kind == 'h') {
        scan.advance();
        return read_radix_integer(scan, 16, kMaxHexDigits);
    }
    if (kind == 'O' || kind == 'o') {
        scan.advance();
        return read_radix_integer(scan, 8, kMaxOctalDigits);
    }
    return {};
}

Decimal finish_decimal(bool negative, const DigitCollector& digits, long long exponent) {
    if (digits.is_zero()) {
        return {};
    }
    const long long leading = digits.leading_position() + exponent;
    if (leading > 309) {
        throw ArithmeticFault();
    }
    if (leading < -325) {
        return {};
    }
    Decimal number{negative, digits.mantissa(), digits.exponent() + exponent};
    // Between 1E-323 and 1E+308 a number is a double of its own: only the
    // ends of the range need the exact value.
    if (leading >= -323 && leading < 308) {
        return number;
    }
    const Exact exact = to_exact(number);
    check_range(exact);
    static const Exact smallest_subnormal(Integer(1), Integer(1) << 1074);
    const Exact magnitude = abs(exact);
    if (magnitude < smallest_subnormal) {
        // The nearest double: zero below half the smallest one, else the smallest
        // one itself (ties away from zero), which is exactly 5^1074 * 10^-1074.
        if (magnitude * 2 < smallest_subnormal) {
            return {};
        }
        return {negative, boost::multiprecision::pow(Integer(5), 1074), -1074};
    }
    return number;
}

} // namespace

Decimal read_decimal(std::string_view text) {
    Scanner scan(text);
    if (scan.peek() == '&') {
        return read_prefixed(scan);
    }
    bool negative = false;
    if (scan.peek() == '+' || scan.peek() == '-') {
        negative = scan.peek() == '-';
        scan.advance();
    }
    DigitCollector digits;
    while (is_digit(scan.peek())) {
        digits.add(scan.peek(), false);
        scan.advance();
    }
    if (scan.peek() == '.') {
        scan.advance();
        while (is_digit(scan.peek())) {
            digits.add(scan.peek(), true);
            scan.advance();
        }
    }
    if (!digits.seen_any()) {
        return {};
    }
    return finish_decimal(negative, digits, read_exponent(scan));
}

Exact to_exact(const Decimal& number) {
    const Exact value = scaled(Exact(number.mantissa), number.exponent);
    return number.negative ? -value : value;
}

double to_double(const Decimal& number) {
    if (number.mantissa == 0) {
        return 0.0;
    }
    // No decimal point in the text, so the C locale's choice of point cannot matter;
    // strtod rounds correctly, subnormals included (from_chars gives up on those).
    const std::string text = digits_of(number.mantissa) + "e" + std::to_string(number.exponent);
    // Numbers just above the largest double that still show as it read as it.
    const double value = std::min(std::strtod(text.c_str(), nullptr), DBL_MAX);
    return number.negative ? -value : value;
}

// Whether the scanner stands on at least one digit of `radix`, and moves past them.
bool skip_digits(Scanner& scan, int radix) {
    bool any = false;
    while (digit_value(scan.peek()) < radix) {
        scan.advance();
        any = true;
    }
    return any;
}

// The number's own characters, without the blanks around it; nothing when a
// blank stands inside.
std::optional<std::string_view> unpadded(std::string_view text) {
    std::size_t first = text.size();
    std::size_t end = 0;
    bool blank_inside = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const Mapped m = map_at(text, pos);
        if (!is_blank(m.plain)) {
            blank_inside = blank_inside || (end != 0 && end < pos);
            first = std::min(first, pos);
            end = pos + m.length;
        }
        pos += m.length;
    }
    if (blank_inside) {
        return std::nullopt;
    }
    return first < end ? text.substr(first, end - first) : std::string_view();
}

} // namespace vornix::calc::detail

namespace vornix::calc {

double read_number(std::string_view text) {
    return detail::to_double(detail::read_decimal(text));
}

bool is_whole_number(std::string_view text) {
    using namespace detail;
    const std::optional<std::string_view> number = unpadded(text);
    if (!number || number->empty()) {
        return false;
    }
    Scanner scan(*number);
    if (scan.peek() == '&') {
        scan.advance();
        const char kind = scan.peek();
        const int radix = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
        scan.advance();
        return radix != 0 && skip_digits(scan, radix) && scan.peek() == kEnd;
    }
    if (scan.peek() == '+' || scan.peek() == '-') {
        scan.advance();
    }
    bool digits = skip_digits(scan, 10);
    if (scan.peek() == '.') {
        scan.advance();
        digits = skip_digits(scan, 10) || digits;
    }
    if (digits && (scan.peek() == 'E' || scan.peek() == 'e')) {
        scan.advance();
        if (scan.peek() == '+' || scan.peek() == '-') {
            scan.advance();
        }
        digits = skip_digits(scan, 10);
    }
    return digits && scan.peek() == kEnd;
}

} // namespace vornix::calc
