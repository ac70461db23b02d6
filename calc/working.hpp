// The textbook's working for one exercise, from the numbers read for it.
#pragma once

#include "exact.hpp"

#include <vector>

namespace vornix::calc::detail {

// The workings of a solved quadratic, one for each method that applies in
// the order of Method; `chosen` is set to the one a teacher picks first.
std::vector<Working> quadratic_workings(const QuadraticNumbers& numbers,
                                        const ExactQuadratic& exact, std::size_t& chosen);

// The working of a solved line, by undetermined coefficients.
Working line_working(const LineNumbers& numbers);

// The exercise as a textbook states it.
Formula quadratic_statement(const QuadraticNumbers& numbers);
Formula line_statement(const LineNumbers& numbers);

} // namespace vornix::calc::detail
