// The reader of a student's answer: what a Chinese keyboard types, half- or
// full-width, read as on paper into a tree that keeps the written form (for
// 未化简) beside the exact value of every part.
#pragma once

#include "answer_value.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::calc::detail {

// Longer entries are refused before anything is read.
constexpr std::size_t kLongestAnswer = 200;

// What an entry's part stands for: a value, or a pair p ± q for the two
// branches of ±, minus first. Each branch a polynomial in x.
using Branches = std::vector<Poly>;

struct Node {
    enum class Kind {
        Number, // digits, with a decimal point where `decimals` >= 0
        X,      // the unknown
        Sum,    // parts[0] + parts[1]
        Difference,
        PlusMinus, // parts[0] ± parts[1]; ±parts[0] when alone
        Negation,
        Product, // `implicit` when written without a sign: 2√3, 2x
        Quotient,
        Square, // parts[0]² or parts[0]^2
        Root,   // √parts[0]
        Point,  // (parts[0], parts[1])
    };
    Kind kind = Kind::Number;
    std::size_t begin = 0; // the bytes of the entry it was read from
    std::size_t end = 0;
    std::vector<Node> parts;
    Exact number; // Number
    int decimals = -1;
    bool implicit = false;
    bool bracketed = false; // written inside ( )
    Branches value;         // set by evaluate(); empty for a point
};

enum class Label { X, X1, X2, Y, K, B, S };

// One answer of a list: "x₁=(3−√5)/2", "y=2x−1", "(1, −5)", "6".
struct Item {
    std::vector<Label> labels;  // "x₁=x₂=2" has two
    bool approximately = false; // "≈" in place of "="
    Node expression;
};

// Why an entry is 看不懂, or holds a number no answer here can be.
struct ReadProblem {
    enum class Kind {
        TooLong,
        Unreadable,
        DivisionByZero,
        NotReal,   // √ of a negative number
        Unworkable // √2+√3, √x, x³, 1/x, or numbers past kLargestBits
    };
    Kind kind = Kind::Unreadable;
    std::string part; // the text from where reading stopped, shortened
};

struct ReadAnswer {
    bool no_real_roots = false; // "无实数根", "没有实数根", "无解"
    std::vector<Item> items;
    std::optional<ReadProblem> problem; // set when nothing else is
};

// Reads an entry (UTF-8, any bytes) and evaluates every part of it. Never
// raises; an entry over kLongestAnswer characters is refused at once.
ReadAnswer read_answer(std::string_view entry);

// Evaluates a read tree bottom-up, setting every node's value: nothing where
// a part cannot be followed (a point in a sum, a square root of x, ± twice).
std::optional<ReadProblem> evaluate(Node& node, std::string_view entry);

// The entry's text of a node, blanks at its ends left out.
std::string written_text(const Node& node, std::string_view entry);

// "…" ahead of a long part: at most a dozen characters of it, whole UTF-8
// characters only, an invalid byte written as "?".
std::string shortened(std::string_view part);

} // namespace vornix::calc::detail
