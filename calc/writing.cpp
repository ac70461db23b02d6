#include "writing.hpp"

#include <algorithm>
#include <cctype>

namespace vornix::calc::detail {
namespace {

// A short decimal's digits after the point: at most this many.
constexpr int kDataDecimals = 12;

// The terminating decimal of a value whose denominator divides 10^places.
std::string decimal_digits(const Exact& magnitude, int places) {
    const Integer scale = boost::multiprecision::pow(Integer(10), static_cast<unsigned>(places));
    std::string digits = digits_of(numerator(magnitude) * (scale / denominator(magnitude)));
    if (digits.size() <= static_cast<std::size_t>(places)) {
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.') {
        digits.pop_back();
    }
    return digits;
}

// The places a terminating decimal needs, or -1 for more than kDataDecimals:
// the fewest places whose power of ten the denominator divides.
int decimal_places(const Exact& value) {
    static const Integer most = boost::multiprecision::pow(Integer(10), kDataDecimals);
    const Integer& den = denominator(value);
    if (den > most || most % den != 0) {
        return -1;
    }
    Integer scale = 1;
    int places = 0;
    while (scale % den != 0) {
        scale *= 10;
        ++places;
    }
    return places;
}

Formula magnitude_of(const Exact& magnitude) {
    if (!short_fraction(magnitude)) {
        std::string rounded = show_exact(magnitude);
        return {text("≈" + rounded.substr(1))};
    }
    if (denominator(magnitude) == 1) {
        return {text(digits_of(numerator(magnitude)))};
    }
    return {fraction({text(digits_of(numerator(magnitude)))},
                     {text(digits_of(denominator(magnitude)))})};
}

Formula signed_formula(bool negative, Formula magnitude) {
    if (negative) {
        magnitude.insert(magnitude.begin(), text(std::string(kMinus)));
    }
    return magnitude;
}

// Whether a part of a fraction or a radicand must be bracketed in a line:
// anything but a number, a letter or a root of a number.
bool needs_brackets(std::string_view part) {
    // n√r reads as one term: its digits, then the root of a number.
    const std::size_t radical = part.find("√");
    if (radical != std::string_view::npos &&
        std::ranges::all_of(part.substr(0, radical), [](char c) { return c >= '0' && c <= '9'; })) {
        part.remove_prefix(radical + std::string_view("√").size());
    }
    const bool number = !part.empty() && std::ranges::all_of(part, [](char c) {
        return (c >= '0' && c <= '9') || c == '.';
    });
    const bool letter = part.size() == 1 && std::isalpha(static_cast<unsigned char>(part[0]));
    const bool greek = part == "Δ";
    return !(number || letter || greek);
}

std::string in_brackets_if_needed(const std::string& part) {
    return needs_brackets(part) ? "(" + part + ")" : part;
}

} // namespace

Math text(std::string run) {
    return {Math::Kind::Text, std::move(run), {}};
}

Math fraction(Formula top, Formula bottom) {
    return {Math::Kind::Fraction, {}, {std::move(top), std::move(bottom)}};
}

Math root(Formula radicand) {
    return {Math::Kind::Root, {}, {std::move(radicand)}};
}

Math system(std::vector<Formula> equations) {
    return {Math::Kind::System, {}, std::move(equations)};
}

Line& Line::operator<<(std::string_view run) & {
    if (!formula_.empty() && formula_.back().kind == Math::Kind::Text) {
        formula_.back().text += run;
    } else {
        formula_.push_back(text(std::string(run)));
    }
    return *this;
}

Line& Line::operator<<(Math piece) & {
    if (piece.kind == Math::Kind::Text) {
        return *this << std::string_view(piece.text);
    }
    formula_.push_back(std::move(piece));
    return *this;
}

Line& Line::operator<<(Formula formula) & {
    for (Math& piece : formula) {
        *this << std::move(piece);
    }
    return *this;
}

std::string integer_text(const Integer& value) {
    return value < 0 ? std::string(kMinus) + digits_of(Integer(-value)) : digits_of(value);
}

Formula number(const Exact& value) {
    return signed_formula(value < 0, magnitude_of(abs(value)));
}

Formula data(const Exact& value) {
    const int places = decimal_places(value);
    if (places <= 0) {
        return number(value);
    }
    return signed_formula(value < 0, {text(decimal_digits(abs(value), places))});
}

Formula bracketed(const Formula& signed_number, bool negative) {
    if (!negative) {
        return signed_number;
    }
    Line line;
    line << "(" << signed_number << ")";
    return line;
}

Coefficient coefficient_of(const Exact& value) {
    return {value == 0, value < 0, abs(value) == 1, magnitude_of(abs(value))};
}

Coefficient data_coefficient(const Exact& value) {
    Formula magnitude = data(abs(value));
    return {value == 0, value < 0, abs(value) == 1, std::move(magnitude)};
}

Coefficient typed_coefficient(const Decimal& value) {
    const bool zero = value.mantissa == 0;
    Decimal magnitude = value;
    magnitude.negative = false;
    const bool one = !zero && to_exact(magnitude) == 1;
    return {zero, value.negative && !zero, one, {text(decimal_text(magnitude))}};
}

Formula surd(const Integer& n, const Integer& r) {
    Line line;
    if (n != 1) {
        line << digits_of(n);
    }
    line << root({text(digits_of(r))});
    return line;
}

Formula root_value(const RootForm& form) {
    const Integer m(form.m);
    const Integer n(form.n);
    const Integer r(form.r);
    const Integer d(form.d);
    if (n == 0 || r == 1) {
        return number(Exact(m) / Exact(d));
    }
    if (m == 0) {
        Formula magnitude = surd(abs(n), r);
        Line line;
        if (n < 0) {
            line << kMinus;
        }
        line << (d == 1 ? magnitude : Formula{fraction(magnitude, {text(digits_of(d))})});
        return line;
    }
    Line top;
    top << integer_text(m) << (n < 0 ? kMinus : "+") << surd(abs(n), r);
    return d == 1 ? Formula(top) : Formula{fraction(top, {text(digits_of(d))})};
}

Formula shifted(const Exact& h) {
    Line line;
    line << "x";
    if (h != 0) {
        line << (h > 0 ? "+" : kMinus) << number(abs(h));
    }
    return line;
}

std::string rounded_decimal(const Exact& value) {
    std::string shown = show_exact(value);
    return shown[0] == '-' ? std::string(kMinus) + shown.substr(1) : shown.substr(1);
}

Formula Results::value(const Exact& v) {
    if (short_fraction(v)) {
        return number(v);
    }
    rounded_ = true;
    return {text("≈" + rounded_decimal(v))};
}

Formula is(Formula value) {
    const bool rounded = !value.empty() && value.front().kind == Math::Kind::Text &&
                         value.front().text.starts_with("≈");
    Line line;
    if (!rounded) {
        line << "=";
    }
    return std::move(line) << std::move(value);
}

Formula Results::equals(const Exact& v) {
    return is(value(v));
}

Coefficient Results::coefficient(const Exact& v) {
    if (short_fraction(v)) {
        return coefficient_of(v);
    }
    rounded_ = true;
    return {v == 0, v < 0, false, {text(rounded_decimal(abs(v)))}};
}

Formula polynomial(const Coefficient& square, const Coefficient& linear,
                   const Coefficient& constant, std::string_view letter) {
    Line line;
    bool first = true;
    const auto term = [&](const Coefficient& c, std::string_view power) {
        if (c.zero) {
            return;
        }
        if (c.negative || !first) {
            line << (c.negative ? kMinus : "+");
        }
        if (!c.one || power.empty()) {
            line << c.magnitude;
        }
        line << power;
        first = false;
    };
    term(square, std::string(letter) + "²");
    term(linear, letter);
    term(constant, "");
    if (first) {
        line << "0";
    }
    return line;
}

std::array<std::string, 3> record(const Exact& a, const Exact& b, const Exact& c) {
    const auto exact = [](const Exact& value) {
        const std::string top = digits_of(numerator(value));
        return denominator(value) == 1 ? top : top + "/" + digits_of(denominator(value));
    };
    return {exact(a), exact(b), exact(c)};
}

std::string short_number(const Exact& value) {
    std::string text = fraction_text(value);
    if (text.size() > 9 || too_long(text)) {
        text = show_exact(value, 4);
        text = text[0] == ' ' ? text.substr(1) : text;
    }
    if (text.starts_with("-")) {
        text.replace(0, 1, kMinus);
    }
    return text;
}

} // namespace vornix::calc::detail

namespace vornix::calc {

std::string linear_text(const Formula& formula) {
    std::string line;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const Math& piece = formula[i];
        switch (piece.kind) {
        case Math::Kind::Text:
            line += piece.text;
            break;
        case Math::Kind::Fraction: {
            const std::string written = detail::in_brackets_if_needed(linear_text(piece.parts[0])) +
                                        "/" +
                                        detail::in_brackets_if_needed(linear_text(piece.parts[1]));
            // A fraction before a letter or a bracket is its coefficient:
            // "(2/3)x", "(1/2)(x−6)²", not "2/3x".
            const bool coefficient =
                i + 1 < formula.size() && formula[i + 1].kind == Math::Kind::Text &&
                (std::isalpha(static_cast<unsigned char>(formula[i + 1].text[0])) ||
                 formula[i + 1].text.starts_with("("));
            line += coefficient ? "(" + written + ")" : written;
            break;
        }
        case Math::Kind::Root:
            line += "√" + detail::in_brackets_if_needed(linear_text(piece.parts[0]));
            break;
        case Math::Kind::System:
            for (std::size_t i = 0; i < piece.parts.size(); ++i) {
                const bool last = i + 1 == piece.parts.size();
                line += (i == 0 ? "⎧ "
                         : last ? "⎩ "
                                : "⎪ ") +
                        linear_text(piece.parts[i]) + (last ? "" : "\n");
            }
            break;
        case Math::Kind::Phantom:
            break;
        }
    }
    return line;
}

std::string linear_text(const Working& working) {
    std::string text;
    for (const Formula& line : working.lines) {
        if (!text.empty()) {
            text += '\n';
        }
        text += linear_text(line);
    }
    return text;
}

std::string_view method_name(Method method) {
    switch (method) {
    case Method::Formula:
        return "公式法";
    case Method::CompletingSquare:
        return "配方法";
    case Method::Factoring:
        return "因式分解法";
    case Method::Linear:
        return "一元一次方程";
    case Method::Undetermined:
        return "待定系数法";
    }
    return {};
}

} // namespace vornix::calc
