// The properties of y = ax² + bx + c as a grade-9 textbook finds them: the
// vertex form by 配方 inside the function, its "=" one under the other; the
// vertex and the axis, the opening, the extremum, the monotonicity and the
// translation from y = ax², each read off the vertex form; then the crossings
// with the axes through the equation, with the 解方程 page's roots.
#include "working.hpp"
#include "writing.hpp"

#include <cmath>

namespace vornix::calc::detail {
namespace {

struct Parabola {
    const QuadraticNumbers& n;
    const ExactQuadratic& exact;
    Exact h; // the vertex (h, k)
    Exact k;
    // Every number of the vertex form short enough to be written exactly;
    // otherwise the page gives the properties in rounded decimals.
    bool exact_page = false;
};

Parabola parabola_of(const QuadraticNumbers& n, const ExactQuadratic& exact) {
    Parabola p{n, exact, -n.b / (2 * n.a), -n.delta / (4 * n.a), false};
    p.exact_page = exact.simplified && short_fraction(n.a) && short_fraction(n.b) &&
                   short_fraction(n.c) && short_fraction(n.b / n.a) && short_fraction(p.h * p.h) &&
                   short_fraction(p.k);
    return p;
}

Formula typed_polynomial(const QuadraticNumbers& n) {
    return polynomial(typed_coefficient(n.typed_a), typed_coefficient(n.typed_b),
                      typed_coefficient(n.typed_c));
}

Formula exact_polynomial(const QuadraticNumbers& n) {
    return polynomial(coefficient_of(n.a), coefficient_of(n.b), coefficient_of(n.c));
}

// y = ax², as exact as a can be written.
Formula base_function(const QuadraticNumbers& n) {
    const Coefficient a = short_fraction(n.a) ? coefficient_of(n.a) : typed_coefficient(n.typed_a);
    return Line() << "y=" << polynomial(a, kNoTerm, kNoTerm);
}

// "+3", "−5", nothing for 0: a constant after the terms before it.
Formula constant_term(const Exact& c) {
    if (c == 0) {
        return {};
    }
    return Line() << (c > 0 ? "+" : kMinus) << number(abs(c));
}

// a before a bracket or x²: "2", nothing for 1, "−" for −1.
Formula factor_a(const Exact& a) {
    if (a == 1) {
        return {};
    }
    return a == -1 ? Formula{text(std::string(kMinus))} : number(a);
}

// a(x−h)²+k; ax²+k when h = 0.
Formula vertex_form(const Parabola& p) {
    Line line;
    line << factor_a(p.n.a);
    if (p.h == 0) {
        line << "x²";
    } else {
        line << "(" << shifted(-p.h) << ")²";
    }
    return std::move(line) << constant_term(p.k);
}

// A line of the chain: blank where "解：y" stands above, so that its "="
// comes under the first one.
Formula continued(Formula right_side) {
    return Line() << Math{Math::Kind::Phantom, {}, {Formula{text("解：y")}}} << "="
                  << std::move(right_side);
}

Formula first_line(const Parabola& p) {
    Line line;
    line << "解：y=" << typed_polynomial(p.n);
    const Formula exact = exact_polynomial(p.n);
    if (p.exact_page && linear_text(exact) != linear_text(typed_polynomial(p.n))) {
        line << "=" << exact; // decimals as fractions, in one line
    }
    if (!p.exact_page || p.n.b == 0) {
        line << "."; // nothing to complete
    }
    return line;
}

// a taken out of the x terms, the square added and taken away, collected.
std::vector<Formula> completing_the_square(const Parabola& p) {
    const Exact& a = p.n.a;
    const Formula square = number(p.h * p.h);
    const Formula x_terms = polynomial(coefficient_of(1), coefficient_of(p.n.b / a), kNoTerm);
    const Formula plus_minus = Line() << "+" << square << kMinus << square;
    std::vector<Formula> chain;
    if (p.k == 0 && a != 1) { // already a times a square
        chain.push_back(continued(Line() << factor_a(a) << "(" << x_terms << "+" << square << ")"));
    } else if (p.k != 0 && a == 1) {
        chain.push_back(continued(Line() << x_terms << plus_minus << constant_term(p.n.c)));
    } else if (p.k != 0) {
        chain.push_back(
            continued(Line() << factor_a(a) << "(" << x_terms << ")" << constant_term(p.n.c)));
        chain.push_back(continued(Line() << factor_a(a) << "(" << x_terms << plus_minus << ")"
                                         << constant_term(p.n.c)));
    }
    chain.push_back(continued(Line() << vertex_form(p) << "."));
    return chain;
}

Formula vertex_line(Results& results, const Parabola& p) {
    return Line() << (p.exact_page ? "所以抛物线的顶点是 (" : "抛物线的顶点是 (")
                  << results.value(p.h) << ", " << results.value(p.k) << ")，对称轴是直线 x"
                  << results.equals(p.h) << ".";
}

// a as the page writes the function: exact, or as typed.
Formula opening_line(const Parabola& p) {
    const Formula a = p.exact_page ? number(p.n.a) : Formula{text(decimal_text(p.n.typed_a))};
    return Line() << "因为 a=" << a
                  << (p.n.a > 0 ? ">0，所以抛物线开口向上；" : "<0，所以抛物线开口向下；");
}

Formula extremum_line(Results& results, const Parabola& p) {
    return Line() << "当 x" << results.equals(p.h) << " 时，y 有"
                  << (p.n.a > 0 ? "最小值 " : "最大值 ") << results.value(p.k) << ".";
}

// Falling then rising when the parabola opens up, the other way round when down.
Formula monotonicity_line(const Parabola& p) {
    constexpr std::string_view kFalls = "y 随 x 的增大而减小";
    constexpr std::string_view kRises = "y 随 x 的增大而增大";
    const bool up = p.n.a > 0;
    Line line;
    if (short_fraction(p.h)) {
        line << "当 x<" << number(p.h) << " 时，" << (up ? kFalls : kRises) << "；当 x>"
             << number(p.h) << " 时，";
    } else {
        line << "在对称轴的左侧，" << (up ? kFalls : kRises) << "；在对称轴的右侧，";
    }
    return std::move(line) << (up ? kRises : kFalls) << ".";
}

Formula shift(Results& results, const Exact& by, std::string_view forward, std::string_view back) {
    return Line() << (by > 0 ? forward : back) << "平移 " << results.value(abs(by)) << " 个单位";
}

Formula translation_line(Results& results, const Parabola& p) {
    Line line;
    if (p.exact_page) {
        line << "抛物线 y=" << vertex_form(p) << " ";
    } else {
        line << "这条抛物线";
    }
    line << "可以由抛物线 " << base_function(p.n) << " ";
    if (p.h != 0) {
        line << shift(results, p.h, "向右", "向左");
    }
    if (p.h != 0 && p.k != 0) {
        line << "，再";
    }
    if (p.k != 0) {
        line << shift(results, p.k, "向上", "向下");
    }
    return std::move(line) << "得到.";
}

// A root as the 解方程 page writes it, rounded where that page rounds.
Formula root_of(Results& results, const Parabola& p, bool first) {
    if (p.exact.simplified) {
        return root_value(first ? p.exact.x1 : p.exact.x2);
    }
    return results.value(first ? p.n.roots->x1 : p.n.roots->x2);
}

Formula on_x_axis(Formula x) {
    return Line() << "(" << std::move(x) << ", 0)";
}

std::vector<Formula> x_axis_lines(Results& results, const Parabola& p) {
    Line equation;
    equation << "令 y=0，得 " << (p.exact_page ? exact_polynomial(p.n) : typed_polynomial(p.n))
             << "=0，Δ=b²" << kMinus << "4ac" << results.equals(p.n.delta);
    if (!p.n.roots) {
        return {std::move(equation) << "<0，方程没有实数根，",
                Line() << "所以抛物线与 x 轴没有交点；"};
    }
    if (p.n.delta == 0) {
        const Formula x = root_of(results, p, true);
        return {std::move(equation) << "，", Line() << "解得 x₁=x₂" << is(x) << "，",
                Line() << "所以抛物线与 x 轴只有一个交点 " << on_x_axis(x)
                       << "，它就是抛物线的顶点；"};
    }
    const Formula x1 = root_of(results, p, true);
    const Formula x2 = root_of(results, p, false);
    const bool ascending = p.n.roots->x1 < p.n.roots->x2;
    return {std::move(equation) << ">0，",
            Line() << "解得 x₁" << is(x1) << "，x₂" << is(x2) << "，",
            Line() << "所以抛物线与 x 轴交于点 " << on_x_axis(ascending ? x1 : x2) << " 和 "
                   << on_x_axis(ascending ? x2 : x1) << "；"};
}

Formula y_axis_line(const Parabola& p) {
    const Formula c = p.exact_page ? number(p.n.c) : Formula{text(decimal_text(p.n.typed_c))};
    return Line() << "令 x=0，得 y=" << c << "，抛物线与 y 轴交于点 (0, " << c << ").";
}

void add_arrow(Plot& plot, const PlotPoint& from, const PlotPoint& to) {
    const bool finite = std::isfinite(from.x) && std::isfinite(from.y) && std::isfinite(to.x) &&
                        std::isfinite(to.y);
    if (finite && (from.x != to.x || from.y != to.y)) {
        plot.arrows.push_back({from, to});
    }
}

// The graph with y = ax² it is translated from, and the way to the vertex.
Plot parabola_plot(const Parabola& p) {
    Plot plot = quadratic_plot(p.n, true);
    plot.base = true;
    plot.base_a = nearest_double(p.n.a);
    plot.base_equation = linear_text(base_function(p.n));
    const PlotPoint below{nearest_double(p.h), 0};
    add_arrow(plot, {0, 0}, below);
    add_arrow(plot, below, {below.x, nearest_double(p.k)});
    return plot;
}

std::vector<Formula> parabola_lines(const Parabola& p) {
    Results results;
    std::vector<Formula> lines{first_line(p)};
    if (p.exact_page && p.n.b != 0) {
        for (Formula& line : completing_the_square(p)) {
            lines.push_back(std::move(line));
        }
    }
    lines.push_back(vertex_line(results, p));
    lines.push_back(opening_line(p));
    lines.push_back(extremum_line(results, p));
    lines.push_back(monotonicity_line(p));
    if (p.h != 0 || p.k != 0) {
        lines.push_back(translation_line(results, p));
    }
    for (Formula& line : x_axis_lines(results, p)) {
        lines.push_back(std::move(line));
    }
    lines.push_back(y_axis_line(p));
    if (results.rounded()) {
        lines.push_back({text(std::string(kRoundedNote))});
    }
    return lines;
}

} // namespace

FunctionPage quadratic_function(const QuadraticNumbers& n, const ExactQuadratic& exact) {
    if (n.a == 0) {
        const Formula function = Line() << "y="
                                        << polynomial(kNoTerm, typed_coefficient(n.typed_b),
                                                      typed_coefficient(n.typed_c));
        return straight_line_function(n.b, n.c, function, quadratic_plot(n));
    }
    const Parabola p = parabola_of(n, exact);
    FunctionPage page;
    page.statement = Line() << "说出二次函数 y=" << typed_polynomial(n)
                            << " 的图象的开口方向、顶点、对称轴、最值和增减性，"
                               "并求它与坐标轴的交点.";
    page.lines = parabola_lines(p);
    page.plot = parabola_plot(p);
    return page;
}

FunctionPage constant_function(const QuadraticNumbers& n) {
    const std::string c = decimal_text(n.typed_c);
    FunctionPage page;
    page.statement = Line() << "说出函数 y=" << c << " 的性质.";
    page.lines.push_back(
        Line() << "解：y=" << c << " 是常数函数：不论 x 取什么值，y 的值都是 " << c << "，"
               << (n.c == 0 ? "它的图象就是 x 轴."
                            : "它的图象是经过点 (0, " + c + ") 且平行于 x 轴的直线."));
    Plot& plot = page.plot;
    plot.curve = true;
    plot.c = nearest_double(n.c);
    plot.equation = "y=" + c;
    plot.marks.push_back(mark(0, n.c, coordinates(0, n.c)));
    return page;
}

} // namespace vornix::calc::detail
