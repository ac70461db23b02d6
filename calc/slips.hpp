// The slips teachers meet again and again, each one wrong step with every
// later step done right from it, and what a student who made it answers,
// recomputed from the exercise's exact numbers.
#pragma once

#include "answer_steps.hpp"
#include "answer_value.hpp"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vornix::calc::detail {

struct Slip {
    // Slips of one kind name one mistake; its variants (which root's sign,
    // which point b was found from) answer differently.
    int kind = 0;
    // The method whose working holds the step; nothing where every working
    // of the exercise shares it, or on the function's page.
    std::optional<Method> method;
    Step step = Step::Formula;
    std::string cause;    // "公式中的 −b 写成了 b"
    std::string evidence; // "你的答案正好是 x²+3x+2=0 的根"; may be empty
    // The slip leaves the answer short instead of wrong (x=2 for x=±2).
    bool incomplete = false;
    // What the student answers, by the page's kind of answer.
    std::vector<Surd> roots;     // empty: no real roots
    std::array<Exact, 2> line;   // k, b
    std::array<Exact, 3> vertex; // a, h, k
};

// The slips of a solved equation (a ≠ 0, or the linear one) with the
// methods its workings use; the decimal slip where the working multiplies
// the equation first (`multiplier`, from the working's first equation).
std::vector<Slip> equation_slips(const QuadraticNumbers& numbers,
                                 const std::vector<Method>& methods,
                                 const std::optional<Exact>& multiplier);

// The slips of 待定系数法 for a solved line.
std::vector<Slip> line_slips(const LineNumbers& numbers);

// The slips of turning y = ax² + bx + c (a ≠ 0) into its vertex form.
std::vector<Slip> vertex_slips(const QuadraticNumbers& numbers);

} // namespace vornix::calc::detail
