#include "answer_tokens.hpp"

#include <array>
#include <utility>

namespace vornix::calc::detail {
namespace {

using Kind = Token::Kind;

// What a spelling stands for; Blank and Filler make no token.
enum class Reading { Token, Blank, Filler, Colon };

struct Spelling {
    std::string_view text;
    Reading reading;
    Kind kind;
    Label label;
};

constexpr Spelling token(std::string_view text, Kind kind, Label label = Label::X) {
    return {text, Reading::Token, kind, label};
}
constexpr Spelling blank(std::string_view text) {
    return {text, Reading::Blank, Kind::End, Label::X};
}
constexpr Spelling filler(std::string_view text) {
    return {text, Reading::Filler, Kind::End, Label::X};
}
// "=" after a label (S：6), a filler elsewhere (解：x=1).
constexpr Spelling colon(std::string_view text) {
    return {text, Reading::Colon, Kind::Equals, Label::X};
}

// Longer spellings before their beginnings ("或者" before "或"). Words that
// only lead up to an answer are fillers: "方程的解是 x=1", "顶点坐标为 (1, −5)".
constexpr std::array kSpellings{blank(" "),
                                blank("\t"),
                                blank("\n"),
                                blank("\r"),
                                blank("\u3000"),
                                token("+", Kind::Plus),
                                token("＋", Kind::Plus),
                                token("-", Kind::Minus),
                                token("−", Kind::Minus),
                                token("－", Kind::Minus),
                                token("–", Kind::Minus),
                                token("±", Kind::PlusMinus),
                                token("*", Kind::Times),
                                token("×", Kind::Times),
                                token("·", Kind::Times),
                                token("⋅", Kind::Times),
                                token("•", Kind::Times),
                                token("＊", Kind::Times),
                                token("/", Kind::Divide),
                                token("／", Kind::Divide),
                                token("÷", Kind::Divide),
                                token("^", Kind::Caret),
                                token("＾", Kind::Caret),
                                token("²", Kind::Squared),
                                token("√", Kind::Root),
                                token("根号", Kind::Root),
                                token("sqrt", Kind::Root),
                                token("SQRT", Kind::Root),
                                token("Sqrt", Kind::Root),
                                token("(", Kind::Open),
                                token("（", Kind::Open),
                                token("[", Kind::Open),
                                token("［", Kind::Open),
                                token(")", Kind::Close),
                                token("）", Kind::Close),
                                token("]", Kind::Close),
                                token("］", Kind::Close),
                                token(",", Kind::Comma),
                                token("，", Kind::Comma),
                                token("、", Kind::Separator),
                                token(";", Kind::Separator),
                                token("；", Kind::Separator),
                                token("或者", Kind::Separator),
                                token("或", Kind::Separator),
                                token("和", Kind::Separator),
                                token("及", Kind::Separator),
                                token(".", Kind::Separator),
                                token("。", Kind::Separator),
                                token("．", Kind::Separator),
                                token("=", Kind::Equals),
                                token("＝", Kind::Equals),
                                token("≈", Kind::Approximately),
                                token("不存在实数根", Kind::NoRealRoots),
                                token("没有实数根", Kind::NoRealRoots),
                                token("无实数根", Kind::NoRealRoots),
                                token("没有实根", Kind::NoRealRoots),
                                token("无实根", Kind::NoRealRoots),
                                token("没有解", Kind::NoRealRoots),
                                token("无解", Kind::NoRealRoots),
                                token("x", Kind::X),
                                token("X", Kind::X),
                                token("ｘ", Kind::X),
                                token("Ｘ", Kind::X),
                                token("y", Kind::Label, Label::Y),
                                token("Y", Kind::Label, Label::Y),
                                token("ｙ", Kind::Label, Label::Y),
                                token("Ｙ", Kind::Label, Label::Y),
                                token("k", Kind::Label, Label::K),
                                token("ｋ", Kind::Label, Label::K),
                                token("b", Kind::Label, Label::B),
                                token("ｂ", Kind::Label, Label::B),
                                token("S", Kind::Label, Label::S),
                                token("Ｓ", Kind::Label, Label::S),
                                filler("原方程"),
                                filler("方程"),
                                filler("的解"),
                                filler("解析式"),
                                filler("一次函数"),
                                filler("顶点坐标"),
                                filler("顶点"),
                                filler("交点"),
                                filler("坐标"),
                                filler("面积"),
                                filler("解得"),
                                filler("解"),
                                filler("答"),
                                filler("所以"),
                                filler("∴"),
                                filler("即"),
                                filler("为"),
                                filler("是"),
                                filler("得"),
                                colon("："),
                                colon(":")};

const Spelling* spelling_at(std::string_view rest) {
    for (const Spelling& s : kSpellings) {
        if (rest.starts_with(s.text)) {
            return &s;
        }
    }
    return nullptr;
}

// A digit, half- or full-width, and its length in bytes.
int digit_at(std::string_view rest, std::size_t& length) {
    if (!rest.empty() && rest[0] >= '0' && rest[0] <= '9') {
        length = 1;
        return rest[0] - '0';
    }
    if (rest.size() >= 3 && rest.starts_with("\xEF\xBC") &&
        static_cast<unsigned char>(rest[2]) >= 0x90 &&
        static_cast<unsigned char>(rest[2]) <= 0x99) {
        length = 3;
        return static_cast<unsigned char>(rest[2]) - 0x90;
    }
    return -1;
}

std::size_t point_length(std::string_view rest) {
    for (std::string_view point : {".", "．", "。"}) {
        if (rest.starts_with(point)) {
            return point.size();
        }
    }
    return 0;
}

// Digits, and a point with digits after it; `at` moves past them.
Token number_at(std::string_view entry, std::size_t& at) {
    Token t;
    t.kind = Kind::Number;
    t.begin = at;
    Integer digits = 0;
    std::size_t length = 0;
    bool after_point = false;
    for (;;) {
        const std::string_view rest = entry.substr(at);
        if (const int d = digit_at(rest, length); d >= 0) {
            digits = digits * 10 + d;
            at += length;
            t.decimals += after_point ? 1 : 0;
            continue;
        }
        const std::size_t point = point_length(rest);
        std::size_t next = 0;
        if (after_point || point == 0 || digit_at(rest.substr(point), next) < 0) {
            break;
        }
        after_point = true;
        t.decimals = 0;
        at += point;
    }
    Integer scale = 1;
    for (int place = 0; place < t.decimals; ++place) {
        scale *= 10;
    }
    t.number = Exact(digits, scale);
    t.end = at;
    return t;
}

bool starts_number(std::string_view rest) {
    std::size_t length = 0;
    const std::size_t point = point_length(rest);
    return digit_at(rest, length) >= 0 || (point > 0 && digit_at(rest.substr(point), length) >= 0);
}

// x₁, x₂; or x1, x2 where "=" or "≈" follows: the names of the roots.
std::size_t subscript_after_x(std::string_view rest, Label& label) {
    for (auto [spelling, named] :
         {std::pair{"₁", Label::X1}, {"₂", Label::X2}, {"1", Label::X1}, {"2", Label::X2}}) {
        const std::string_view s(spelling);
        if (!rest.starts_with(s)) {
            continue;
        }
        std::string_view after = rest.substr(s.size());
        while (!after.empty() && (after[0] == ' ' || after.starts_with("\u3000"))) {
            after.remove_prefix(after[0] == ' ' ? 1 : 3);
        }
        const bool named_here = s.size() > 1 || after.starts_with("=") || after.starts_with("＝") ||
                                after.starts_with("≈");
        if (named_here) {
            label = named;
            return s.size();
        }
    }
    return 0;
}

} // namespace

std::vector<Token> tokens_of(std::string_view entry) {
    std::vector<Token> tokens;
    std::size_t at = 0;
    bool blank = false;
    while (at < entry.size()) {
        const std::string_view rest = entry.substr(at);
        if (starts_number(rest)) {
            tokens.push_back(number_at(entry, at));
            tokens.back().blank_before = std::exchange(blank, false);
            continue;
        }
        const Spelling* s = spelling_at(rest);
        if (s == nullptr) {
            Token unknown;
            unknown.kind = Kind::Unknown;
            unknown.begin = at;
            unknown.end = entry.size();
            tokens.push_back(unknown);
            return tokens;
        }
        at += s->text.size();
        const bool after_label =
            !tokens.empty() && (tokens.back().kind == Kind::Label || tokens.back().kind == Kind::X);
        if (s->reading == Reading::Blank || (s->reading == Reading::Colon && !after_label) ||
            s->reading == Reading::Filler) {
            blank = blank || s->reading == Reading::Blank;
            continue;
        }
        Token t;
        t.kind = s->kind;
        t.label = s->label;
        t.begin = at - s->text.size();
        if (t.kind == Kind::X) {
            if (const std::size_t length = subscript_after_x(entry.substr(at), t.label)) {
                t.kind = Kind::Label;
                at += length;
            }
        }
        t.end = at;
        t.blank_before = std::exchange(blank, false);
        tokens.push_back(t);
    }
    Token end;
    end.begin = end.end = entry.size();
    end.blank_before = blank;
    tokens.push_back(end);
    return tokens;
}

} // namespace vornix::calc::detail
