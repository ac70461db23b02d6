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
    return alone(fraction(alone(text(digits_of(numerator(magnitude)))),
                          alone(text(digits_of(denominator(magnitude))))));
}

bool unit(const Exact& value) {
    return equals_whole(value, 1) || equals_whole(value, -1);
}

Formula signed_formula(bool negative, Formula magnitude) {
    if (negative && magnitude.front().kind == Math::Kind::Text) {
        magnitude.front().text.insert(0, kMinus); // "−3" in one run, no new piece
    } else if (negative) {
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

// The parts are moved in one by one: a braced list would copy them.
Math fraction(Formula top, Formula bottom) {
    Math piece{Math::Kind::Fraction, {}, {}};
    piece.parts.reserve(2);
    piece.parts.push_back(std::move(top));
    piece.parts.push_back(std::move(bottom));
    return piece;
}

Math root(Formula radicand) {
    Math piece{Math::Kind::Root, {}, {}};
    piece.parts.push_back(std::move(radicand));
    return piece;
}

Formula alone(Math piece) {
    Formula formula;
    formula.push_back(std::move(piece));
    return formula;
}

Math system(std::vector<Formula> equations) {
    return {Math::Kind::System, {}, std::move(equations)};
}

Line& Line::operator<<(std::string_view run) & {
    if (!formula_.empty() && formula_.back().kind == Math::Kind::Text) {
        std::string& words = formula_.back().text;
        // A run grows piece by piece to a sentence: room for one at the
        // first growth spares the reallocations on the way.
        constexpr std::size_t kSentence = 128;
        if (words.size() + run.size() > words.capacity()) {
            words.reserve(std::max({kSentence, 2 * words.capacity(), words.size() + run.size()}));
        }
        words += run;
    } else {
        add(text(std::string(run)));
    }
    return *this;
}

Line& Line::operator<<(Math piece) & {
    if (piece.kind == Math::Kind::Text && !formula_.empty() &&
        formula_.back().kind == Math::Kind::Text) {
        return *this << std::string_view(piece.text);
    }
    add(std::move(piece));
    return *this;
}

Line& Line::operator<<(Formula formula) & {
    if (formula_.empty()) {
        formula_ = std::move(formula); // its runs are joined already
        return *this;
    }
    for (Math& piece : formula) {
        *this << std::move(piece);
    }
    return *this;
}

void Line::add(Math piece) {
    // Room for a line's usual pieces at once, not one reallocation each.
    constexpr std::size_t kPieces = 6;
    if (formula_.capacity() == 0) {
        formula_.reserve(kPieces);
    }
    formula_.push_back(std::move(piece));
}

std::string integer_text(const Integer& value) {
    return value < 0 ? std::string(kMinus) + digits_of(Integer(-value)) : digits_of(value);
}

Line& Line::operator<<(const Exact& result) & {
    Integer top = numerator(result);
    if (top.sign() < 0) {
        *this << kMinus;
        top = -top;
    }
    if (!short_fraction(result)) {
        // The display form starts with the sign, written already.
        return *this << "≈" << std::string_view(show_exact(result)).substr(1);
    }
    if (denominator(result) == 1) {
        return *this << digits_of(top);
    }
    return *this << fraction(alone(text(digits_of(top))),
                             alone(text(digits_of(denominator(result)))));
}

Line& Line::operator<<(const Result& result) & {
    if (!result.rounded.empty()) {
        return *this << "≈" << result.rounded;
    }
    if (result.relation) {
        *this << "=";
    }
    return *this << result.value;
}

Formula number(const Exact& value) {
    return Line() << value;
}

Formula data(const Exact& value) {
    const int places = decimal_places(value);
    if (places <= 0) {
        return number(value);
    }
    return signed_formula(sign_of(value) < 0, {text(decimal_digits(abs(value), places))});
}

bool short_decimal(const Exact& value) {
    const int places = decimal_places(value);
    return places > 0 || (places == 0 && short_fraction(value));
}

bool holds_rounded(const Formula& formula) {
    return std::ranges::any_of(formula, [](const Math& piece) {
        return piece.text.find("≈") != std::string::npos ||
               std::ranges::any_of(piece.parts,
                                   [](const Formula& part) { return holds_rounded(part); });
    });
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
    return {sign_of(value) == 0, sign_of(value) < 0, unit(value), magnitude_of(abs(value))};
}

Coefficient data_coefficient(const Exact& value) {
    Formula magnitude = data(abs(value));
    return {sign_of(value) == 0, sign_of(value) < 0, unit(value), std::move(magnitude)};
}

Coefficient typed_coefficient(const Decimal& value) {
    const bool zero = value.mantissa == 0;
    Decimal magnitude = value;
    magnitude.negative = false;
    std::string written = decimal_text(magnitude);
    const bool one = written == "1"; // however it was typed: "1.0", "0.1E1"
    return {zero, value.negative && !zero, one, alone(text(std::move(written)))};
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
        line << (d == 1 ? std::move(magnitude)
                        : alone(fraction(std::move(magnitude), alone(text(digits_of(d))))));
        return line;
    }
    Line top;
    top << integer_text(m) << (n < 0 ? kMinus : "+") << surd(abs(n), r);
    return d == 1 ? Formula(std::move(top))
                  : alone(fraction(std::move(top), alone(text(digits_of(d)))));
}

Formula shifted(const Exact& h) {
    Line line;
    line << "x";
    if (sign_of(h) != 0) {
        line << (sign_of(h) > 0 ? "+" : kMinus) << number(abs(h));
    }
    return line;
}

std::string rounded_decimal(const Exact& value) {
    std::string shown = show_exact(value);
    return shown[0] == '-' ? std::string(kMinus) + shown.substr(1) : shown.substr(1);
}

Result Results::value(const Exact& v) {
    if (short_fraction(v)) {
        return {v, {}, false};
    }
    auto known = std::ranges::find_if(rounded_,
                                      [&v](const auto& done) { return same_value(done.first, v); });
    if (known == rounded_.end()) {
        rounded_.emplace_back(v, rounded_decimal(v));
        known = rounded_.end() - 1;
    }
    return {v, known->second, false};
}

std::string_view relation(const Formula& value) {
    const bool rounded = !value.empty() && value.front().kind == Math::Kind::Text &&
                         value.front().text.starts_with("≈");
    return rounded ? "" : "=";
}

Result Results::equals(const Exact& v) {
    Result written = value(v);
    written.relation = true;
    return written;
}

Coefficient Results::coefficient(const Exact& v) {
    if (short_fraction(v)) {
        return coefficient_of(v);
    }
    return {false, sign_of(v) < 0, false, alone(text(value(abs(v)).rounded))};
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

Formula line_equation(Results& results, const Exact& k, const Exact& b) {
    const bool exact = short_fraction(k) && short_fraction(b);
    return Line() << "y" << (exact ? "=" : "≈")
                  << polynomial(kNoTerm, results.coefficient(k), results.coefficient(b));
}

std::array<std::string, 3> record(const Exact& a, const Exact& b, const Exact& c) {
    const auto exact = [](const Exact& value) {
        const std::string top = digits_of(numerator(value));
        return denominator(value) == 1 ? top : top + "/" + digits_of(denominator(value));
    };
    return {exact(a), exact(b), exact(c)};
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
