// Vornix calculation core: entry text -> exact number -> solver -> answer text.
//
// Entry texts are read by one rule (read_number) into exact decimals; the two
// solvers compute with those exact values and round once, when a result is
// written by the display rule (show_number). Nothing here touches a window,
// a file or the clock, so every function can be called from any thread.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vornix::calc {

// The one error a calculation raises: division by zero, 0/0, or a typed
// number or result whose magnitude lies beyond the double range. It carries
// no data; the solver that raised it has written no answer.
class ArithmeticFault : public std::runtime_error {
  public:
    ArithmeticFault() : std::runtime_error("arithmetic fault") {}
};

// Reads the number at the start of an entry text (UTF-8, any bytes).
// - Blanks, tabs, line feeds and the ideographic blank are ignored wherever they stand.
// - Full-width digits, "．" and "。" (decimal point), "＋", "－" and "−" (signs),
//   "Ｅ" and "ｅ" (exponent letter) read like their ASCII twins.
// - Optional sign, digits, optional "." and digits, optional E/e exponent with
//   optional sign and at least one digit; reading stops at the first character
//   that cannot continue the number. "&H"/"&O" (any case) read hexadecimal or
//   octal digits as a non-negative integer of any size.
// - Text that does not begin with a number reads as 0; nothing is ever rejected.
// - At most 34 significant decimal digits are kept (half away from zero); a
//   magnitude below the smallest subnormal double reads as the nearest double:
//   0 below half of it, else the smallest subnormal (ties away from zero).
// Returns the nearest double. Throws ArithmeticFault when the magnitude is
// beyond the double range, which ends where the display of the largest double,
// 1.79769313486232E+308, ends: magnitudes from the largest double up to
// 1.797693134862325E+308 read as the largest double. Never returns an infinity
// or a NaN.
// Cost: linear in the length of the text.
double read_number(std::string_view text);

// Whether the whole text is one number as read_number reads it, blanks
// allowed before and after it but not inside: " -2.5 ", "１２", "1。5", "2E3",
// "&H1F" are; "", "abc", "1 2", "-3O", "1,5", "2E" are not. For where a
// typing slip must not pass as a number (the command line), while the entry
// boxes keep their own rule. Never raises, whatever the magnitude.
bool is_whole_number(std::string_view text);

// Writes a finite double as answer text: a blank (non-negative, including -0)
// or "-", then its exact value rounded half away from zero to 15 significant
// digits with trailing zeros dropped. Plain form for decimal exponents -4..14
// ("0.0001", "459.001", "123456789012345"); otherwise mantissa, "E", sign and
// at least two exponent digits ("1E+15", "-1.5E-07"). The decimal point is
// always ".". Throws ArithmeticFault for an infinity or a NaN.
std::string show_number(double value);

// Solves a*X^2 + b*X + c = 0 for the three entry texts, read in the order a, b, c.
// Returns "X1=<x1>    X2=<x2>" (x1 takes the minus sign before the root, x2 the
// plus sign; unsorted), "X=<x>" when a is 0, or "△小于0，无解！" when the
// discriminant is negative. Results are computed exactly from the numbers as
// typed and rounded once, as show_number rounds.
// Throws ArithmeticFault when a = b = 0, or when a typed number, the
// discriminant or a root lies beyond the double range.
std::string solve_quadratic(std::string_view a, std::string_view b, std::string_view c);

// Finds Y = kX + b through (x1, y1) and (x2, y2), read in that order.
// Returns "Y=<k> X  +<b>", or "ERROR! 无法求解，请检查输入的坐标。" when the two
// points share their x or their y. Exact, rounded once like solve_quadratic.
// Throws ArithmeticFault when a typed number, k or b lies beyond the double range.
std::string solve_line(std::string_view x1, std::string_view y1, std::string_view x2,
                       std::string_view y2);

// A root as a teacher writes it: (m + n*√r) / d with integers in decimal
// digits, r square-free (r = 1 and n = 0 for a rational root), d > 0 and
// gcd(m, n, d) = 1; `text` is "(3-√5)/2", "1-√2", "-1/3" or "2". When the
// root cannot be simplified, `text` is its rounded decimal after "≈" and the
// parts are empty.
struct RootForm {
    std::string m;
    std::string n;
    std::string r;
    std::string d;
    std::string text;
};

// The exact form of a quadratic exercise, from the same exact numbers as its
// answer. Numbers are reduced fractions ("-5/4"); one that would run past 20
// digits is written as its rounded decimal after "≈".
struct ExactQuadratic {
    enum class Kind { Linear, Roots, NoRealRoots };
    Kind kind = Kind::Roots;
    // False when a root would need factoring a large integer, or would run
    // past 20 digits: then both roots are decimals ("无法化简").
    bool simplified = true;
    RootForm x1; // the minus root, as in the answer; the only root when Linear
    RootForm x2;
    std::string delta; // b^2 - 4ac; the rest is empty when Linear
    std::string vertex_x;
    std::string vertex_y;
    bool opens_up = true;
    // In Chinese, lines joined by "\n":
    // "精确解：X1=(3-√5)/2，X2=(3+√5)/2", "△=5", "顶点 (3/2, -5/4)，对称轴 X=3/2，开口向上".
    std::string text;
};

// The exact form for the three entry texts, or nothing where solve_quadratic
// raises ArithmeticFault. Never raises. Square-free parts are proven by trial
// division up to 10^6; beyond that the roots are given as decimals.
std::optional<ExactQuadratic> exact_quadratic(std::string_view a, std::string_view b,
                                              std::string_view c);

// The exact form of a line exercise: Y = kX + b with reduced fractions and its
// crossings with the axes, (0, b) and (-b/k, 0).
struct ExactLine {
    std::string slope;
    std::string intercept;
    std::string x_crossing;
    // "精确解：Y=1/3 X+5/3", "与 Y 轴交于 (0, 5/3)，与 X 轴交于 (-5, 0)" (or
    // "过原点 (0, 0)"), joined by "\n".
    std::string text;
};

// The exact form for the four entry texts, or nothing where solve_line answers
// the refusal or raises ArithmeticFault. Never raises.
std::optional<ExactLine> exact_line(std::string_view x1, std::string_view y1, std::string_view x2,
                                    std::string_view y2);

} // namespace vornix::calc
