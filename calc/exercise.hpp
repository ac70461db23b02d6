// One GO, evaluated once: the entry texts are read into exact numbers a
// single time, and the answer text, the exact form, the textbook working and
// the graph's key points all come from those numbers, so that they cannot
// disagree.
#pragma once

#include "calc.hpp"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::calc {

// A piece of mathematics as a textbook sets it: a run of text (which may hold
// "²", "₁" and "₂"), a fraction (numerator over denominator), a square root
// (its radicand under the bar), a system of equations in one brace, or a
// phantom: the room its formula would take, left blank, so that the lines
// of a chain "y=… / =… / =…" stand with their "=" one under the other.
struct Math {
    enum class Kind { Text, Fraction, Root, System, Phantom };
    Kind kind = Kind::Text;
    std::string text;                     // Text only
    std::vector<std::vector<Math>> parts; // Fraction: {numerator, denominator};
                                          // Root: {radicand}; System: its equations;
                                          // Phantom: {the formula whose room it takes}
};
using Formula = std::vector<Math>;

// The formula on one line, as it is copied and read aloud: "x=(3±√5)/2".
// A system's equations stand on lines of their own, after "⎧ " and "⎩ ".
// A phantom reads as nothing.
std::string linear_text(const Formula& formula);

enum class Method {
    Formula,          // 公式法
    CompletingSquare, // 配方法
    Factoring,        // 因式分解法
    Linear,           // the linear equation: 移项, 系数化为1
    Undetermined,     // 待定系数法, for the line
};

// "公式法", "配方法", "因式分解法", "一元一次方程", "待定系数法".
std::string_view method_name(Method method);

struct Working {
    Method method;
    std::vector<Formula> lines;
    // Every equation in x the working writes, as the coefficients (reduced
    // fractions, "-5/4") of a·x² + b·x + c = 0 with the same solutions; a
    // line "x+1=0 或 x−2=0" counts as their product.
    std::vector<std::array<std::string, 3>> equations;
};

// The lines joined by "\n".
std::string linear_text(const Working& working);

// A point the graph marks, with its label; x or y may be infinite where
// the number lies beyond the double range.
struct PlotMark {
    double x;
    double y;
    std::string label;
    // Other forms of the label, each shorter than the one before, for a
    // graph where the full one has no room.
    std::vector<std::string> shorter = {};
};

// A dashed line, parallel to an axis, with its equation ("x=3/2").
struct PlotGuide {
    bool vertical;
    double at;
    std::string label;
};

struct PlotPoint {
    double x;
    double y;
};

// What the graph shows: y = a·x² + b·x + c (a line when a is 0, nothing when
// `curve` is false), its marked points and guides, and its equation.
struct Plot {
    bool curve = false;
    double a = 0;
    double b = 0;
    double c = 0;
    std::vector<PlotMark> marks;
    std::vector<PlotGuide> guides;
    std::string equation; // "y=x²−3x+1"
    std::string note;     // one line, when something cannot be drawn

    // What the function's properties add; empty elsewhere. The curve this one
    // is translated from, y = base_a·x² + base_b·x through the origin (y = 2x²,
    // or y = 2x with base_a = 0), drawn faint and dashed when `base` is set;
    // the translation as arrows, each from its first point to its second; and
    // a region lightly filled (the triangle a line cuts off with the axes).
    bool base = false;
    double base_a = 0;
    double base_b = 0;
    std::string base_equation; // "y=2x²"
    std::vector<std::array<PlotPoint, 2>> arrows;
    std::vector<PlotPoint> region;

    // Points the view keeps in sight without drawing them: where the marks a
    // student is still to find lie, so that hiding them moves nothing.
    std::vector<PlotPoint> kept_in_view;
};

// 函数的性质: the exercise's function studied as a function (the quadratic
// window's y = ax² + bx + c, the line window's y = kx + b): what is asked,
// the lines that answer it, and the graph with what they talk about.
struct FunctionPage {
    Formula statement; // empty where there is no function to study
    std::vector<Formula> lines;
    // Why there are no lines, in words, where there are none.
    std::string explanation;
    Plot plot;
};

// The two pages of the working window: the exercise solved (解方程, 求解析式)
// and its function studied (函数的性质).
enum class Page { Solve, Function };

namespace detail {
// The exact numbers of one GO, read once; defined in exact.hpp.
struct ExerciseNumbers;
} // namespace detail

// What a GO of one exercise came to.
enum class Outcome {
    Solved,     // an answer (which may be the quadratic's "no real root")
    NoEquation, // a = b = 0: there is no x to solve for (the arithmetic fault)
    OutOfRange, // a number beyond the double range (the arithmetic fault)
    SameX,      // the line's refusal: the two points share their x
    SameY,      // the line's refusal: the two points share their y
};

struct Exercise {
    Outcome outcome = Outcome::OutOfRange;
    std::string answer; // the answer label's text; empty after a fault
    std::string exact;  // the exact form's text; empty where there is none
    // What was asked, as a textbook states it: "x²−3x+1=0", or the two points.
    Formula statement;
    // One working for each method that applies, in the order of Method; the
    // one a teacher picks first is `workings[default_working]`.
    std::vector<Working> workings;
    std::size_t default_working = 0;
    // Why there is no working, in words, where there is none.
    std::string explanation;
    Plot plot;
    // The other page of the working window, from the same numbers.
    FunctionPage function;
    // The numbers everything above was computed from, shared by the copies
    // of this exercise, for the answer checker; null in a default Exercise.
    std::shared_ptr<const detail::ExerciseNumbers> numbers;
};

// The quadratic exercise for the entry texts of a, b and c. Never raises.
Exercise evaluate_quadratic(std::string_view a, std::string_view b, std::string_view c);

// The line through two points for the entry texts of x1, y1, x2, y2. Never raises.
Exercise evaluate_line(std::string_view x1, std::string_view y1, std::string_view x2,
                       std::string_view y2);

} // namespace vornix::calc
