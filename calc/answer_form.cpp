#include "answer_form.hpp"

#include <boost/multiprecision/integer.hpp>

#include <algorithm>

namespace vornix::calc::detail {
namespace {

using K = Node::Kind;

bool is_constant(const Node& node) {
    return !node.value.empty() &&
           std::all_of(node.value.begin(), node.value.end(),
                       [](const Poly& branch) { return branch.degree() == 0; });
}

const Surd& first_value(const Node& node) {
    return node.value.front().c[0];
}

bool is_whole(const Exact& value) {
    return denominator(value) == 1;
}

bool is_chain(const Node& node) {
    return node.kind == K::Sum || node.kind == K::Difference || node.kind == K::PlusMinus;
}

// The greatest common divisor of a polynomial's coefficients, each p and q
// of p + q√r; nothing when one of them is not whole.
std::optional<Integer> common_factor(const Branches& branches) {
    Integer common = 0;
    for (const Poly& branch : branches) {
        for (const Surd& c : branch.c) {
            if (!is_whole(c.p) || !is_whole(c.q)) {
                return std::nullopt;
            }
            common = gcd(common, gcd(abs(numerator(c.p)), abs(numerator(c.q))));
        }
    }
    return common;
}

// 6/4, 4/2, x/1, 1/√2, 1/(1/2), (1/2)/3: a quotient left unfinished.
bool unreduced_quotient(const Node& node) {
    const Node& bottom = node.parts[1];
    if (!is_constant(bottom) || bottom.value.size() != 1 || !is_rational(first_value(bottom))) {
        return true;
    }
    const Exact& d = first_value(bottom).p;
    if (!is_whole(d) || sign_of(d) <= 0 || equals_whole(d, 1)) {
        return true;
    }
    const auto common = common_factor(node.parts[0].value);
    return !common || gcd(*common, numerator(d)) > 1;
}

// √8, √4, √(1/2): a square factor, a square, or a fraction under the root.
bool unfinished_root(const Node& node) {
    const Exact& radicand = first_value(node.parts[0]).p;
    if (!is_whole(radicand)) {
        return true;
    }
    const Integer whole = numerator(radicand);
    const Integer root = sqrt(whole);
    if (root * root == whole) {
        return true;
    }
    // Beyond a size no textbook uses, a square factor cannot be ruled out
    // cheaply: the root is given the benefit of the doubt.
    const auto parts = boost::multiprecision::msb(whole) < 64 ? square_free(whole) : std::nullopt;
    return parts && parts->square > 1;
}

bool is_one(const Node& node) {
    return is_constant(node) && node.value.size() == 1 && is_rational(first_value(node)) &&
           equals_whole(first_value(node).p, 1);
}

// 2×3, √2·√3, 2(1/2), 1x: only a number before a root, or a factor before
// x, may stand in a product; and no factor 1.
bool unfinished_product(const Node& node) {
    const Node& left = node.parts[0];
    const Node& right = node.parts[1];
    if (is_one(left) || is_one(right)) {
        return true;
    }
    if (!is_constant(left) || !is_constant(right)) {
        return false;
    }
    const bool number_before_root = is_rational(first_value(left)) && left.value.size() == 1 &&
                                    right.kind == K::Root && !right.bracketed;
    return !number_before_root;
}

void gather_chain_terms(const Node& node, std::vector<const Node*>& terms) {
    for (const Node& part : node.parts) {
        if (is_chain(part) && !part.bracketed) {
            gather_chain_terms(part, terms);
        } else {
            terms.push_back(&part);
        }
    }
}

// 1+2, √2+√2, 2x+x, 1+0: terms of one kind not collected. A term is
// rational, a multiple of a root, or of x or x², and counts once.
bool uncollected_terms(const Node& chain) {
    std::vector<const Node*> terms;
    gather_chain_terms(chain, terms);
    std::vector<int> kinds;
    for (const Node* term : terms) {
        const Poly& value = term->value.front();
        const Surd& c = value.c[0];
        int kind = 10 + value.degree();
        if (value.degree() == 0) {
            if (is_zero(c) || (sign_of(c.p) != 0 && sign_of(c.q) != 0)) {
                return true; // a zero, or a sum already: 1+(2+√3)
            }
            kind = is_rational(c) ? 0 : 1;
        }
        if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end()) {
            return true;
        }
        kinds.push_back(kind);
    }
    return false;
}

bool unfinished_here(const Node& node, bool top_of_chain, bool decimals_simplest) {
    switch (node.kind) {
    case K::Number:
        return node.decimals >= 0 && !decimals_simplest;
    case K::Quotient:
        return unreduced_quotient(node);
    case K::Root:
        return unfinished_root(node);
    case K::Square:
        return is_constant(node);
    case K::Product:
        return unfinished_product(node);
    case K::Negation:
        return node.parts[0].kind == K::Negation;
    case K::Sum:
    case K::Difference:
    case K::PlusMinus:
        return top_of_chain && uncollected_terms(node);
    default:
        return false;
    }
}

std::string simplest_text(const Node& node) {
    const Branches& value = node.value;
    if (value.size() == 2 && is_constant(node)) {
        const Surd& minus = value[0].c[0];
        const Surd& plus = value[1].c[0];
        if (is_rational(minus) && is_rational(plus)) {
            return surd_text(minus) + " 和 " + surd_text(plus);
        }
        return plus_minus_text(plus);
    }
    const Poly& poly = value.front();
    if (poly.degree() == 0) {
        return surd_text(poly.c[0]);
    }
    const bool rational_terms = std::all_of(poly.c.begin(), poly.c.end(), is_rational);
    return rational_terms ? polynomial_text(poly.c[2].p, poly.c[1].p, poly.c[0].p) : "最简形式";
}

// Whether the tree under `node` has an unfinished part; the notes name the
// outermost constant parts that do, else the parts with x themselves.
struct Scan {
    std::string_view entry;
    bool decimals_simplest;
    const std::vector<const Node*>& approximated;
};

bool scan(const Node& node, bool in_chain, const Scan& s, std::vector<FormNote>& notes) {
    if (std::find(s.approximated.begin(), s.approximated.end(), &node) != s.approximated.end()) {
        return false;
    }
    const std::string_view entry = s.entry;
    const bool decimals_simplest = s.decimals_simplest;
    std::vector<FormNote> inner;
    bool unfinished = unfinished_here(node, is_chain(node) && !in_chain, decimals_simplest);
    const bool own = unfinished;
    for (const Node& part : node.parts) {
        const bool chained = is_chain(node) && is_chain(part) && !part.bracketed;
        unfinished = scan(part, chained, s, inner) || unfinished;
    }
    if (unfinished && is_constant(node)) {
        notes.push_back({written_text(node, entry), simplest_text(node)});
        return true;
    }
    if (own && !node.value.empty()) {
        notes.push_back({written_text(node, entry), simplest_text(node)});
        return true;
    }
    notes.insert(notes.end(), inner.begin(), inner.end());
    return unfinished;
}

void gather_terms(const Node& node, bool negative, std::vector<Term>& terms) {
    if (node.kind == K::Sum || node.kind == K::Difference) {
        gather_terms(node.parts[0], negative, terms);
        gather_terms(node.parts[1], negative != (node.kind == K::Difference), terms);
    } else if (node.kind == K::Negation) {
        gather_terms(node.parts[0], !negative, terms);
    } else {
        terms.push_back({&node, negative});
    }
}

bool holds_x(const Node& node) {
    return !node.value.empty() && node.value.front().degree() > 0;
}

// The square of x − h or of x, reached through constant factors and signs.
const Node* square_of_x(const Node& node) {
    switch (node.kind) {
    case K::Negation:
        return square_of_x(node.parts[0]);
    case K::Product:
        if (is_constant(node.parts[0])) {
            return square_of_x(node.parts[1]);
        }
        return is_constant(node.parts[1]) ? square_of_x(node.parts[0]) : nullptr;
    case K::Quotient:
        return square_of_x(node.parts[0]);
    case K::Square:
        return &node;
    default:
        return nullptr;
    }
}

} // namespace

std::vector<FormNote> unsimplified_parts(const Node& node, std::string_view entry,
                                         bool decimals_simplest,
                                         const std::vector<const Node*>& approximated) {
    std::vector<FormNote> notes;
    scan(node, false, {entry, decimals_simplest, approximated}, notes);
    return notes;
}

std::optional<int> decimal_places(const Node& node) {
    if (node.kind == K::Negation) {
        return decimal_places(node.parts[0]);
    }
    if (node.kind == K::Number && node.decimals >= 0) {
        return node.decimals;
    }
    return std::nullopt;
}

std::vector<Term> terms_of(const Node& node) {
    std::vector<Term> terms;
    gather_terms(node, false, terms);
    return terms;
}

std::optional<const Node*> coefficient_part(const Node& term) {
    if (term.kind == K::X) {
        return nullptr;
    }
    if (term.kind == K::Product && term.parts[1].kind == K::X && is_constant(term.parts[0])) {
        return &term.parts[0];
    }
    if (term.kind == K::Product && term.parts[0].kind == K::X && is_constant(term.parts[1])) {
        return &term.parts[1];
    }
    return std::nullopt;
}

std::optional<VertexShape> vertex_shape(const Node& node) {
    if (node.value.size() != 1) {
        return std::nullopt;
    }
    const std::vector<Term> terms = terms_of(node);
    const auto with_x =
        std::count_if(terms.begin(), terms.end(), [](const Term& t) { return holds_x(*t.node); });
    const auto x_term =
        std::find_if(terms.begin(), terms.end(), [](const Term& t) { return holds_x(*t.node); });
    if (with_x != 1) {
        return std::nullopt;
    }
    const Node* square = square_of_x(*x_term->node);
    if (square == nullptr || square->parts[0].value.size() != 1) {
        return std::nullopt;
    }
    const Poly& base = square->parts[0].value.front();
    const Poly& whole = node.value.front();
    if (base.degree() != 1 || !is_rational(base.c[1]) || !equals_whole(base.c[1].p, 1) ||
        whole.degree() != 2) {
        return std::nullopt;
    }
    VertexShape shape{whole.c[2], negate(base.c[0]), {}};
    const auto h_squared = multiply(shape.h, shape.h);
    const auto a_h_squared = h_squared ? multiply(shape.a, *h_squared) : std::nullopt;
    const auto k = a_h_squared ? subtract(whole.c[0], *a_h_squared) : std::nullopt;
    if (!k) {
        return std::nullopt;
    }
    shape.k = *k;
    return shape;
}

} // namespace vornix::calc::detail
