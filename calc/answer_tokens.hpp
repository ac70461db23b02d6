// The pieces of a typed answer, each spelling a Chinese keyboard may give
// (half- or full-width, "√", "sqrt" or "根号") read as one kind.
#pragma once

#include "answer_reader.hpp"

#include <string_view>
#include <vector>

namespace vornix::calc::detail {

struct Token {
    enum class Kind {
        Number,
        X,     // the unknown, or a label where "=" follows
        Label, // y, k, b, S, x₁, x₂
        Plus,
        Minus,
        PlusMinus,
        Times,
        Divide,
        Caret,
        Squared, // "²"
        Root,
        Open,
        Close,
        Comma,     // between coordinates, or between answers
        Separator, // between answers only: "、", "；", "或", "和", a full stop
        Equals,
        Approximately,
        NoRealRoots,
        End,
        Unknown, // the first character that is none of the above
    };
    Kind kind = Kind::End;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool blank_before = false;
    Exact number;      // Number
    int decimals = -1; // Number: digits after its point, -1 without one
    Label label = Label::X;
};

// The tokens of an entry, up to and including End or the first Unknown.
// Words that only introduce an answer ("解：", "顶点坐标为", "所以") are left out.
std::vector<Token> tokens_of(std::string_view entry);

} // namespace vornix::calc::detail
