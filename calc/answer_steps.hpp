// Where a step stands in the working shown: the one place that looks into
// the working's text, by a marker each step's line carries.
#pragma once

#include "exercise.hpp"

#include <cstddef>
#include <optional>
#include <vector>

namespace vornix::calc::detail {

enum class Step {
    Multiplied,     // 方程两边同乘以 …
    Coefficients,   // a=…，b=…，c=…
    Discriminant,   // Δ=b²−4ac=…
    Formula,        // x=(−b±√(b²−4ac))/(2a)=…, or x₁=x₂=−b/(2a) for a double root
    Transposed,     // 移项，得 …
    Divided,        // 二次项系数化为1，得 …
    Completed,      // 配方，得 …
    SquareRoot,     // 由此可得 x−h=±…, 直接开平方，得 x=±…
    FactorRoots,    // the roots read off the factors, after 于是得 …=0 或 …=0
    MadeUnit,       // 系数化为1，得 x=…
    Slope,          // 两式相减 …，k=…, or 代入 …，得 k=…
    Intercept,      // 代入 …，得 b=…
    System,         // the two points put into y=kx+b
    FactorTakenOut, // the first line of the vertex form's chain: a taken out
    VertexForm,     // the chain's last line: a(x−h)²+k
};

// The index of the step's line in `lines`; nothing where the working has no such line.
std::optional<std::size_t> find_step(const std::vector<Formula>& lines, Step step);

} // namespace vornix::calc::detail
