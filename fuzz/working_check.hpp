// What the working targets check of an exercise, and the entries they take.
#pragma once

#include "calc.hpp"
#include "exercise.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>
#include <string_view>

namespace vornix::fuzzing {

inline bool finite(const calc::PlotPoint& point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// A plot's numbers are no NaN, and those of its curves and arrows are finite
// (the layout and graph targets take it from there).
inline void check(const calc::Plot& plot) {
    if (!std::isfinite(plot.a) || !std::isfinite(plot.b) || !std::isfinite(plot.c) ||
        !std::isfinite(plot.base_a) || !std::isfinite(plot.base_b)) {
        std::abort();
    }
    for (const calc::PlotMark& mark : plot.marks) {
        if (std::isnan(mark.x) || std::isnan(mark.y)) {
            std::abort();
        }
    }
    for (const calc::PlotGuide& guide : plot.guides) {
        if (std::isnan(guide.at)) {
            std::abort();
        }
    }
    for (const auto& arrow : plot.arrows) {
        if (!finite(arrow[0]) || !finite(arrow[1])) {
            std::abort();
        }
    }
    if (!std::ranges::all_of(plot.region, [](const calc::PlotPoint& p) { return finite(p); })) {
        std::abort();
    }
}

// The exercise as the working window receives it: every method's working
// has lines, which read as linear text; the function's page has lines or
// says why it has none, never both; and both plots pass the check above.
inline void check(const calc::Exercise& exercise) {
    for (const calc::Working& working : exercise.workings) {
        if (working.lines.empty() || calc::linear_text(working).empty()) {
            std::abort();
        }
    }
    calc::linear_text(exercise.statement);
    check(exercise.plot);
    const calc::FunctionPage& page = exercise.function;
    if (page.lines.empty() == page.explanation.empty()) {
        std::abort();
    }
    for (const calc::Formula& line : page.lines) {
        if (calc::linear_text(line).empty()) {
            std::abort();
        }
    }
    calc::linear_text(page.statement);
    check(page.plot);
}

// Entries a class would type: at most ten characters, from 1E-4 to 1E+6 in
// size, or beyond the double range. Past them the time goes into proving
// radicands of forty digits square-free, which the exact_forms target does
// for entries of any size; the working of extreme entries is checked by the
// tests, their layout and graph by the layout and graph targets.
inline bool classroom_sized(std::string_view text) {
    if (text.size() > 10) {
        return false;
    }
    try {
        const double value = std::fabs(calc::read_number(text));
        return value == 0 || (value >= 1e-4 && value <= 1e6);
    } catch (const calc::ArithmeticFault&) {
        return true; // the fault is part of what is checked
    }
}

inline bool classroom_sized(std::span<const std::string_view> texts) {
    return std::ranges::all_of(texts, [](std::string_view text) { return classroom_sized(text); });
}

} // namespace vornix::fuzzing
