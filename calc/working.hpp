// The textbook's working, the function's properties and the graph for one
// exercise, from the numbers read for it.
#pragma once

#include "exact.hpp"
#include "plot_label.hpp"

#include <vector>

namespace vornix::calc::detail {

// The workings of a solved quadratic, one for each method that applies in
// the order of Method; `chosen` is set to the one a teacher picks first.
std::vector<Working> quadratic_workings(const QuadraticNumbers& numbers,
                                        const ExactQuadratic& exact, std::size_t& chosen);

// The working of a = 0, bx + c = 0, with the numbers as typed.
Working linear_working(const QuadraticNumbers& numbers);
// 公式法 with the numbers as typed and its results rounded, where they run
// past the exact limit.
Working rounded_formula_working(const QuadraticNumbers& numbers);
// (−b±√(b²−4ac))/(2a), in letters.
Formula quadratic_formula();

// The working of a solved line, by undetermined coefficients.
Working line_working(const LineNumbers& numbers);

// The exercise as a textbook states it.
Formula quadratic_statement(const QuadraticNumbers& numbers);
Formula line_statement(const LineNumbers& numbers);

// The graph of a solved quadratic (its line when a = 0).
Plot quadratic_plot(const QuadraticNumbers& numbers);
// The vertex's label names the extremum too: "顶点 (1, −5)，最小值 −5".
void name_extremum(Plot& plot, const QuadraticNumbers& numbers);
// The two points and, when they give one, the line through them.
Plot line_plot(const LineNumbers& numbers);
PlotMark mark(const Exact& x, const Exact& y, std::string label);
// A point labelled with its coordinates: "(0.5, 1)", "≈(1.23, 2)"; nothing
// shorter still says which point it is, so it has no shorter forms.
PlotMark point_mark(const LabelNumber& x, const LabelNumber& y);

// The line a solved line exercise found, as its working answers it: "y=1.5x+0.25".
Formula solved_line(const LineNumbers& numbers);

// 函数的性质 of the quadratic window's y = ax² + bx + c: a solved exercise
// with its exact form and its graph, which the page adds to; or a = b = 0,
// the constant function y = c.
FunctionPage quadratic_function(const QuadraticNumbers& numbers, const ExactQuadratic& exact,
                                Plot plot);
FunctionPage constant_function(const QuadraticNumbers& numbers);
// 函数的性质 of the line a solved line exercise found, with its graph.
FunctionPage line_function(const LineNumbers& numbers, Plot plot);
// The properties of y = kx + b, k ≠ 0: `function` names it in the
// statement ("y=2x−1", "y=0.5x+1"; a first line turns its decimals into
// fractions), `plot` its graph, which the page adds to.
FunctionPage straight_line_function(const Exact& k, const Exact& b, const Formula& function,
                                    Plot plot);

} // namespace vornix::calc::detail
