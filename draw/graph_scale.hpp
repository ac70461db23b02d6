// The graph's numbers: the range that fits the marked points, tick steps at
// 1, 2 or 5 × 10ⁿ (Heckbert's nice numbers), the ticks in a range and their
// labels. Extended precision, so that a plane spanning ±1E+308 can be
// measured and divided without running out of range.
#pragma once

#include <string>
#include <vector>

namespace vornix::draw::detail {

using Real = long double;

struct Range {
    Real lo;
    Real hi;
};

// The values' range with a margin, the origin in it unless that would
// squeeze the values into a small part of it. Values closer than doubles can
// tell apart are spread to what they can, and `note` says so.
Range range_of(const std::vector<Real>& values, std::string& note);

// The nice step nearest above `raw`.
Real nice_step(Real raw);
// The next nice step: 1 → 2 → 5 → 10.
Real next_step(Real step);

// The multiples of `step` within the range, at most 200 of them.
std::vector<Real> ticks(const Range& range, Real step);

// A tick's label, with as many digits as its step needs, in the textbook's
// minus sign; E notation for the very large and the very small.
std::string tick_text(Real value, Real step);

} // namespace vornix::draw::detail
