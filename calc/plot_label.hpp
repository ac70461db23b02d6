// How the graph's labels write numbers: each as its page writes it, a typed
// number as it was typed; where one coordinate of a point is too long for a
// label, both rounded alike after "≈". And the shorter forms a label can take
// where the graph has no room for the whole.
#pragma once

#include "exact.hpp"

#include <string>
#include <vector>

namespace vornix::calc::detail {

// A number a label writes: its page's text for it, and its value, to round
// it by when that text is too long.
struct LabelNumber {
    std::string written;
    Exact value;
};

// A typed number as its page writes it, in digits ("0.5", "−1.25"), or as
// the entry was read where that is shorter ("1E-07", "1E-25").
LabelNumber typed_number(const Decimal& typed, const Exact& value);
// A result, as a page writes it exactly: "−87/110", "3".
LabelNumber result_number(const Exact& value);

// A point as a label writes it. Each coordinate is its page's text when both
// are at most seven characters long, the sign not counted; otherwise both are
// rounded to the same decimal place, three significant digits in the larger
// (in E notation beyond a million or below a thousandth), and `rounded` is set.
struct LabelPoint {
    std::string x;
    std::string y;
    bool rounded = false;
    // "(−1/2, 3/4)", "≈(−0.79, −2.54)".
    std::string text() const;
};
LabelPoint label_point(const LabelNumber& x, const LabelNumber& y);

// "x=0.5", or "x≈1.23" where the number is too long, rounded as label_point
// rounds a point whose other coordinate is 0.
std::string label_equation(std::string_view letter, const LabelNumber& number);

// Of `candidates`, in their order, those each narrower than the one kept
// before it, the first narrower than `label`; narrower in characters and in
// the room they take, a Chinese character or a full-width sign counting two.
std::vector<std::string> narrowing(const std::string& label,
                                   const std::vector<std::string>& candidates);

} // namespace vornix::calc::detail
