// How an answer is written, beside what it is worth: the parts a teacher
// would send back as 未化简, plain decimals (for 近似值), and the shapes of
// y = kx + b and y = a(x − h)² + k.
#pragma once

#include "answer_reader.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::calc::detail {

// A part not in simplest form and what it simplifies to: "√8", "2√2".
struct FormNote {
    std::string written;
    std::string simplest;
};

// The outermost parts of an evaluated tree that are not in simplest form:
// an integer written otherwise (4/2, 3², 2×3), a fraction not reduced or
// with a denominator that is not a whole number above 1, a square factor
// or a fraction under √, a √ in a denominator, like terms not collected
// (1+2, √2+√2, 2x+x), a factor of 1, a double sign; a decimal unless
// `decimals_simplest` (the exercise was typed with decimals).
// Parts in `approximated` (decimals taken as 近似值) are left out.
std::vector<FormNote> unsimplified_parts(const Node& node, std::string_view entry,
                                         bool decimals_simplest,
                                         const std::vector<const Node*>& approximated = {});

// The digits after the point of a plain decimal, with or without a sign
// ("0.38", "−2.62"); nothing for any other part.
std::optional<int> decimal_places(const Node& node);

// One term of a sum as written, its sign taken out: in 3 − 2x, "2x" negative.
struct Term {
    const Node* node;
    bool negative;
};
// The terms of the sum at the top of the tree (the tree itself when it is
// no sum); ± makes no sum here.
std::vector<Term> terms_of(const Node& node);
// In a term c·x, x·c, x/d or x, the part that gives its coefficient: the
// node c (nothing for a plain x or x/d); nothing either when x stands otherwise.
std::optional<const Node*> coefficient_part(const Node& term);

// y = a(x − h)² + k as written: one term holds x, as a constant times the
// square of (x − h) or of x, the others are constants.
struct VertexShape {
    Surd a;
    Surd h;
    Surd k;
};
std::optional<VertexShape> vertex_shape(const Node& node);

} // namespace vornix::calc::detail
