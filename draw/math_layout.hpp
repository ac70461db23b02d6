// Mathematics set as a textbook prints it, from boxes (TeX's boxes and
// glue): each piece is measured on the canvas, a fraction stacks its parts
// over a rule, a root puts its bar over the radicand, a system stands in one
// brace, "²" is raised and "₁" lowered. The result is only text runs and
// lines, which any toolkit draws.
#pragma once

#include "canvas.hpp"
#include "exercise.hpp"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace vornix::draw {

struct TextRun {
    Point baseline_left;
    std::string text;
    double points;
};

struct Stroke {
    std::vector<Point> points;
    double width;
};

// One line as set: where it starts and ends, top to bottom, so that a page
// can end between two lines and never cut through one.
struct SetLine {
    double top;
    double bottom;
    std::size_t formula; // which of the lines given it sets, from 0
};

struct Typeset {
    std::vector<TextRun> runs;
    std::vector<Stroke> strokes;
    std::vector<SetLine> lines;
    double width = 0;
    double height = 0;
};

// Sets the lines one below the other at `points`, starting at the top left.
// A line wider than `width` breaks where a textbook would break it (after a
// comma, before an equals sign, between Chinese characters, never inside a
// fraction or a root) and goes on indented. As Chinese text is set, no line
// starts with a closing sign (，。、：；！？ and closing brackets) and none
// ends with an opening bracket.
Typeset typeset(std::span<const calc::Formula> lines, double points, double width, Canvas& canvas);

// Draws what typeset() set, moved by `offset`; only the lines whose top lies
// in [from, to), when given.
void draw(const Typeset& set, Canvas& canvas, Point offset, Ink ink = Ink::Text);
void draw_lines(const Typeset& set, Canvas& canvas, Point offset, double from, double to,
                Ink ink = Ink::Text);
// Marks the lines set for formula `formula` (all of them, where it wrapped)
// across `width`: a light band behind them and a bar at their left, for a
// line the reader is sent to. Drawn before the text, which stays on top.
void mark_formula(const Typeset& set, std::size_t formula, Canvas& canvas, Point offset,
                  double width);

} // namespace vornix::draw
