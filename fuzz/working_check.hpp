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

// The exercise's working and plot as the working window receives them: every
// method's working has lines, which read as linear text, and the plot's
// numbers are no NaN (the layout and graph targets take it from there).
inline void check(const calc::Exercise& exercise) {
    for (const calc::Working& working : exercise.workings) {
        if (working.lines.empty() || calc::linear_text(working).empty()) {
            std::abort();
        }
    }
    calc::linear_text(exercise.statement);
    const calc::Plot& plot = exercise.plot;
    if (!std::isfinite(plot.a) || !std::isfinite(plot.b) || !std::isfinite(plot.c)) {
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
