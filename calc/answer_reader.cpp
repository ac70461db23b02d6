// Reading as on paper: √ takes the number or the bracket right after it
// (√5/2 is (√5)/2), × and / go left to right (1/2x is ½x), ± and the signs
// come last (3±√5/2 is 3 ± (√5)/2). Between answers a comma, "或" or a blank
// (1 2, 1 −2) stands; inside brackets blanks mean nothing.
#include "answer_reader.hpp"
#include "answer_tokens.hpp"

namespace vornix::calc::detail {
namespace {

using Kind = Token::Kind;

// Deeper brackets than any answer needs are refused, so that no entry can
// take the reader's stack.
constexpr int kDeepestBrackets = 32;

// Thrown at the token where reading cannot go on; caught in read_answer.
struct Stuck {
    std::size_t at; // byte offset in the entry
};

class Parser {
  public:
    Parser(std::string_view entry, std::vector<Token> tokens)
        : entry_(entry), tokens_(std::move(tokens)) {}

    ReadAnswer answer() {
        ReadAnswer read;
        skip_separators();
        while (peek().kind != Kind::End) {
            if (peek().kind == Kind::NoRealRoots) {
                read.no_real_roots = true;
                ++next_;
            } else {
                read.items.push_back(item());
            }
            const bool at_end = peek().kind == Kind::End;
            if (!at_end && !skip_separators() && !starts_item(peek())) {
                stuck();
            }
        }
        return read;
    }

  private:
    const Token& peek(std::size_t ahead = 0) const {
        return tokens_[std::min(next_ + ahead, tokens_.size() - 1)];
    }
    [[noreturn]] void stuck() const { throw Stuck{peek().begin}; }
    const Token& take(Kind kind) {
        if (peek().kind != kind) {
            stuck();
        }
        return tokens_[next_++];
    }

    bool skip_separators() {
        bool any = false;
        while (peek().kind == Kind::Comma || peek().kind == Kind::Separator) {
            ++next_;
            any = true;
        }
        return any;
    }

    // After a blank, an answer may start without a separator: "1 2", "x=1 x=2".
    static bool starts_item(const Token& t) {
        return t.blank_before &&
               (t.kind == Kind::Number || t.kind == Kind::Root || t.kind == Kind::Open ||
                t.kind == Kind::Minus || t.kind == Kind::Label || t.kind == Kind::X);
    }

    bool label_ahead() const {
        const Kind after = peek(1).kind;
        return (peek().kind == Kind::Label || peek().kind == Kind::X) &&
               (after == Kind::Equals || after == Kind::Approximately);
    }

    Item item() {
        Item read;
        while (label_ahead()) {
            read.labels.push_back(peek().kind == Kind::X ? Label::X : peek().label);
            read.approximately = read.approximately || peek(1).kind == Kind::Approximately;
            next_ += 2;
        }
        // Between roots a blank separates; in y = 2 x + 1 it does not.
        splitting_ = read.labels.empty() || read.labels.front() == Label::X ||
                     read.labels.front() == Label::X1 || read.labels.front() == Label::X2;
        read.expression = expression();
        return read;
    }

    Node made(Node::Kind kind, std::vector<Node> parts) const {
        Node node;
        node.kind = kind;
        node.begin = parts.front().begin;
        node.end = parts.back().end;
        node.parts = std::move(parts);
        return node;
    }
    Node joined(Node::Kind kind, Node left, Node right) const {
        std::vector<Node> parts;
        parts.push_back(std::move(left));
        parts.push_back(std::move(right));
        return made(kind, std::move(parts));
    }
    static Node prefixed(Node::Kind kind, const Token& sign, Node operand) {
        Node node;
        node.kind = kind;
        node.begin = sign.begin;
        node.end = operand.end;
        node.parts.push_back(std::move(operand));
        return node;
    }

    // A blank ahead of a sign glued to its number starts the next answer: "1 -2".
    bool next_answer_starts() const {
        return splitting_ && depth_ == 0 && peek().blank_before && !peek(1).blank_before &&
               peek(1).kind != Kind::End;
    }

    Node expression() {
        Node node = signed_term();
        for (;;) {
            const Kind op = peek().kind;
            if ((op != Kind::Plus && op != Kind::Minus && op != Kind::PlusMinus) ||
                (op != Kind::PlusMinus && next_answer_starts())) {
                return node;
            }
            ++next_;
            Node right = term();
            const Node::Kind kind = op == Kind::Plus    ? Node::Kind::Sum
                                    : op == Kind::Minus ? Node::Kind::Difference
                                                        : Node::Kind::PlusMinus;
            node = joined(kind, std::move(node), std::move(right));
        }
    }

    Node signed_term() {
        const Token& sign = peek();
        if (sign.kind == Kind::Plus) {
            ++next_;
            return term();
        }
        if (sign.kind == Kind::Minus || sign.kind == Kind::PlusMinus) {
            ++next_;
            return prefixed(sign.kind == Kind::Minus ? Node::Kind::Negation : Node::Kind::PlusMinus,
                            sign, term());
        }
        return term();
    }

    bool implicit_factor_ahead() const {
        const Token& t = peek();
        const bool factor = t.kind == Kind::Number || t.kind == Kind::X || t.kind == Kind::Root ||
                            t.kind == Kind::Open;
        const bool new_answer =
            (splitting_ && depth_ == 0 && t.blank_before) || label_ahead() || t.kind == Kind::Label;
        return factor && !new_answer;
    }

    Node term() {
        Node node = unary();
        for (;;) {
            const Kind op = peek().kind;
            if (op == Kind::Times || op == Kind::Divide) {
                ++next_;
                node = joined(op == Kind::Times ? Node::Kind::Product : Node::Kind::Quotient,
                              std::move(node), unary());
            } else if (implicit_factor_ahead()) {
                node = joined(Node::Kind::Product, std::move(node), power());
                node.implicit = true;
            } else {
                return node;
            }
        }
    }

    Node unary() {
        const Token& sign = peek();
        if (sign.kind == Kind::Minus) {
            ++next_;
            return prefixed(Node::Kind::Negation, sign, unary());
        }
        if (sign.kind == Kind::Plus) {
            ++next_;
            return unary();
        }
        return power();
    }

    Node power() {
        Node node = primary();
        for (;;) {
            if (peek().kind == Kind::Squared) {
                node = prefixed(Node::Kind::Square, peek(), std::move(node));
                node.begin = node.parts.front().begin;
                node.end = tokens_[next_++].end;
            } else if (peek().kind == Kind::Caret) {
                ++next_;
                const std::size_t first = next_;
                const bool bracket = peek().kind == Kind::Open;
                next_ += bracket ? 1 : 0;
                const Token& two = take(Kind::Number);
                if (two.decimals >= 0 || !equals_whole(two.number, 2)) {
                    next_ = first;
                    stuck(); // only squares are read
                }
                const std::size_t end = bracket ? take(Kind::Close).end : two.end;
                node = prefixed(Node::Kind::Square, peek(), std::move(node));
                node.begin = node.parts.front().begin;
                node.end = end;
            } else {
                return node;
            }
        }
    }

    Node primary() {
        const Token& t = peek();
        Node node;
        node.begin = t.begin;
        node.end = t.end;
        switch (t.kind) {
        case Kind::Number:
            node.number = t.number;
            node.decimals = t.decimals;
            ++next_;
            return node;
        case Kind::X:
            node.kind = Node::Kind::X;
            ++next_;
            return node;
        case Kind::Root: {
            ++next_;
            const Token& operand = peek();
            if (operand.kind == Kind::Minus) {
                // √−5: read, to be refused as no real number.
                ++next_;
                return prefixed(Node::Kind::Root, t,
                                prefixed(Node::Kind::Negation, operand, primary()));
            }
            if (operand.kind != Kind::Number && operand.kind != Kind::Open &&
                operand.kind != Kind::Root && operand.kind != Kind::X) {
                stuck();
            }
            return prefixed(Node::Kind::Root, t, primary());
        }
        case Kind::Open:
            return bracket();
        default:
            stuck();
        }
    }

    // ( expression ) or the point ( expression , expression ).
    Node bracket() {
        const Token& open = tokens_[next_++];
        if (++depth_ > kDeepestBrackets) {
            stuck();
        }
        Node inside = expression();
        Node node;
        if (peek().kind == Kind::Comma) {
            ++next_;
            node = joined(Node::Kind::Point, std::move(inside), expression());
        } else {
            node = std::move(inside);
            node.bracketed = true;
        }
        node.begin = open.begin;
        node.end = take(Kind::Close).end;
        --depth_;
        return node;
    }

    std::string_view entry_;
    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    int depth_ = 0;
    bool splitting_ = true;
};

// Whether the entry has more than `most` characters, counting no further.
bool longer_than(std::string_view entry, std::size_t most) {
    std::size_t characters = 0;
    for (const char byte : entry) {
        // Every byte but a UTF-8 continuation starts a character.
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80 && ++characters > most) {
            return true;
        }
    }
    return false;
}

std::optional<ReadProblem> evaluate_items(std::vector<Item>& items, std::string_view entry) {
    for (Item& item : items) {
        if (auto problem = evaluate(item.expression, entry)) {
            return problem;
        }
    }
    return std::nullopt;
}

} // namespace

std::string shortened(std::string_view part) {
    constexpr std::size_t kShownCharacters = 12;
    std::string shown;
    std::size_t characters = 0;
    std::size_t at = 0;
    while (at < part.size() && characters < kShownCharacters) {
        const auto lead = static_cast<unsigned char>(part[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        bool whole = lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4 && at + length <= part.size());
        for (std::size_t i = 1; whole && i < length; ++i) {
            whole = (static_cast<unsigned char>(part[at + i]) & 0xC0) == 0x80;
        }
        shown += whole ? std::string(part.substr(at, length)) : std::string("?");
        at += whole ? length : 1;
        ++characters;
    }
    return at < part.size() ? shown + "…" : shown;
}

std::string written_text(const Node& node, std::string_view entry) {
    std::string_view text = entry.substr(node.begin, node.end - node.begin);
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

ReadAnswer read_answer(std::string_view entry) {
    ReadAnswer read;
    if (longer_than(entry, kLongestAnswer)) {
        read.problem = ReadProblem{ReadProblem::Kind::TooLong, {}};
        return read;
    }
    try {
        read = Parser(entry, tokens_of(entry)).answer();
    } catch (const Stuck& stuck) {
        read = ReadAnswer{};
        read.problem =
            ReadProblem{ReadProblem::Kind::Unreadable, shortened(entry.substr(stuck.at))};
        return read;
    }
    read.problem = evaluate_items(read.items, entry);
    return read;
}

} // namespace vornix::calc::detail
