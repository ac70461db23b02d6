// What a page of the working shows for an exercise: its lines (the
// statement first) and its graph. The working window and the command line's
// export both show pages this way.
#pragma once

#include "exercise.hpp"

#include <optional>
#include <string>
#include <vector>

namespace vornix::draw {

// The working window's two pages: the one that solves the exercise, and 函数的性质.
using Page = calc::Page;

// The working of the method the student chose where it applies, else the
// teacher's pick; nullptr where there is none.
const calc::Working* chosen_working(const calc::Exercise& exercise,
                                    std::optional<calc::Method> preferred);

// The statement and the lines of the page; where there are none, why.
std::vector<calc::Formula> page_lines(const calc::Exercise& exercise, Page page,
                                      std::optional<calc::Method> preferred);

const calc::Plot& page_plot(const calc::Exercise& exercise, Page page);

// A line of words.
calc::Formula words(std::string text);

} // namespace vornix::draw
