// The line through two points as a grade-8 textbook finds it: by
// undetermined coefficients, the two points put into y = kx + b as a system,
// the system solved by subtracting one equation from the other.
#include "working.hpp"
#include "writing.hpp"

namespace vornix::calc::detail {
namespace {

// "3k+b=5", "k+b=2", "b=5": the point put into y = kx + b, data as typed.
Formula with_b(const Exact& x, const Exact& y) {
    Line line;
    if (x != 0) {
        line << polynomial(kNoTerm, data_coefficient(x), kNoTerm, "k") << "+";
    }
    line << "b=" << data(y);
    return line;
}

Formula point(const Exact& x, const Exact& y) {
    return Line() << "(" << data(x) << ", " << data(y) << ")";
}

// The subtraction that leaves a positive coefficient of k.
Formula subtract(const LineNumbers& n) {
    const bool first_minus_second = n.x1 > n.x2;
    const Exact dx = first_minus_second ? n.x1 - n.x2 : n.x2 - n.x1;
    const Exact dy = first_minus_second ? n.y1 - n.y2 : n.y2 - n.y1;
    Line subtracted;
    subtracted << "两式相减，得 " << polynomial(kNoTerm, data_coefficient(dx), kNoTerm, "k") << "="
               << data(dy);
    if (dx != 1) { // k=dy alone needs no division
        subtracted << "，k=" << number(n.k);
    }
    return std::move(subtracted) << ".";
}

// A point on the y axis gives b at once, which the other equation takes.
Formula substitute_b(const LineNumbers& n) {
    const bool first_on_axis = n.x1 == 0;
    const Exact& x = first_on_axis ? n.x2 : n.x1;
    const Exact& y = first_on_axis ? n.y2 : n.y1;
    return Line() << "把 b=" << data(n.b) << " 代入 " << with_b(x, y) << "，得 k=" << number(n.k)
                  << ".";
}

} // namespace

Formula line_statement(const LineNumbers& n) {
    return Line() << "求过点 " << point(n.x1, n.y1) << " 与 " << point(n.x2, n.y2)
                  << " 的一次函数的解析式.";
}

Working line_working(const LineNumbers& n) {
    Working w{Method::Undetermined, {}, {}};
    w.lines.push_back(Line() << "解：设这个一次函数的解析式为 y=kx+b.");
    w.lines.push_back(Line() << "因为 y=kx+b 的图象过点 " << point(n.x1, n.y1) << " 与 "
                             << point(n.x2, n.y2) << "，所以");
    w.lines.push_back(
        {system({Line() << with_b(n.x1, n.y1) << "，", Line() << with_b(n.x2, n.y2) << "."})});
    if (n.x1 == 0 || n.x2 == 0) {
        w.lines.push_back(substitute_b(n));
    } else {
        w.lines.push_back(subtract(n));
        w.lines.push_back(Line() << "把 k=" << number(n.k) << " 代入 " << with_b(n.x1, n.y1)
                                 << "，得 b=" << number(n.b) << ".");
    }
    w.lines.push_back(Line() << "所以这个一次函数的解析式为 y="
                             << polynomial(kNoTerm, coefficient_of(n.k), coefficient_of(n.b))
                             << ".");
    return w;
}

} // namespace vornix::calc::detail
