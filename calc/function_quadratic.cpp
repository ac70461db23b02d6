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
    Exact b_over_a; // the x terms with a taken out: x² + (b/a)x
    Exact square;   // h², added and taken away
    // Every number of the vertex form short enough to be written exactly;
    // otherwise the page gives the properties in rounded decimals.
    bool exact_page = false;
};

Parabola parabola_of(const QuadraticNumbers& n, const ExactQuadratic& exact) {
    Parabola p{n, exact, -n.b / (2 * n.a), -n.delta / (4 * n.a), n.b / n.a, 0, false};
    p.square = p.h * p.h;
    p.exact_page = exact.simplified && short_fraction(n.a) && short_fraction(n.b) &&
                   short_fraction(n.c) && short_fraction(p.b_over_a) && short_fraction(p.square) &&
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
void add_constant(Line& line, const Exact& c) {
    if (sign_of(c) != 0) {
        line << (sign_of(c) > 0 ? "+" : kMinus) << abs(c);
    }
}

// a before a bracket or x²: "2", nothing for 1, "−" for −1.
void add_factor_a(Line& line, const Exact& a) {
    if (equals_whole(a, -1)) {
        line << kMinus;
    } else if (!equals_whole(a, 1)) {
        line << a;
    }
}

// a(x−h)²+k; ax²+k when h = 0.
void add_vertex_form(Line& line, const Parabola& p) {
    add_factor_a(line, p.n.a);
    if (sign_of(p.h) == 0) {
        line << "x²";
    } else {
        line << "(" << shifted(-p.h) << ")²";
    }
    add_constant(line, p.k);
}

// A line of the chain: blank where "解：y" stands above, so that its "="
// comes under the first one.
Line continued() {
    Math room{Math::Kind::Phantom, {}, {}};
    room.parts.push_back(alone(text("解：y")));
    Line line;
    line << std::move(room) << "=";
    return line;
}

// Decimals are turned into fractions in the first line, where there are any.
void add_first_line(std::vector<Formula>& lines, const Parabola& p) {
    Line line;
    line << "解：y=" << typed_polynomial(p.n);
    const bool decimals =
        denominator(p.n.a) != 1 || denominator(p.n.b) != 1 || denominator(p.n.c) != 1;
    if (p.exact_page && decimals) {
        line << "=" << exact_polynomial(p.n);
    }
    if (!p.exact_page || sign_of(p.n.b) == 0) {
        line << "."; // nothing to complete
    }
    lines.push_back(std::move(line));
}

// a taken out of the x terms, the square added and taken away, collected;
// a square already (k = 0) is collected at once.
void add_completed_square(std::vector<Formula>& lines, const Parabola& p) {
    const Exact& a = p.n.a;
    const bool monic = equals_whole(a, 1);
    const bool square_already = sign_of(p.k) == 0;
    const Exact& square = p.square;
    const Formula x_terms = polynomial(coefficient_of(1), coefficient_of(p.b_over_a), kNoTerm);
    if (!monic) {
        Line line = continued();
        add_factor_a(line, a);
        line << "(" << x_terms;
        if (square_already) {
            line << "+" << square;
        }
        line << ")";
        add_constant(line, square_already ? Exact(0) : p.n.c);
        lines.push_back(std::move(line));
    }
    if (!square_already) {
        Line line = continued();
        add_factor_a(line, a);
        line << (monic ? "" : "(") << x_terms << "+" << square << kMinus << square
             << (monic ? "" : ")");
        add_constant(line, p.n.c);
        lines.push_back(std::move(line));
    }
    Line last = continued();
    add_vertex_form(last, p);
    lines.push_back(std::move(last) << ".");
}

// The axis of a parabola with b = 0 is the y axis itself, and the textbook says so.
Formula vertex_line(Results& results, const Parabola& p) {
    Line line;
    line << (p.exact_page ? "所以抛物线的顶点是 (" : "抛物线的顶点是 (") << results.value(p.h)
         << ", " << results.value(p.k) << ")，对称轴是";
    if (sign_of(p.h) == 0) {
        return std::move(line) << " y 轴.";
    }
    return std::move(line) << "直线 x" << results.equals(p.h) << ".";
}

// Data as the page writes the function: exact, or as typed.
void add_datum(Line& line, const Parabola& p, const Exact& value, const Decimal& typed) {
    if (p.exact_page) {
        line << value;
    } else {
        line << decimal_text(typed);
    }
}

Formula opening_line(const Parabola& p) {
    Line line;
    line << "因为 a=";
    add_datum(line, p, p.n.a, p.n.typed_a);
    return std::move(line) << (sign_of(p.n.a) > 0 ? ">0，所以抛物线开口向上；"
                                                  : "<0，所以抛物线开口向下；");
}

Formula extremum_line(Results& results, const Parabola& p) {
    return Line() << "当 x" << results.equals(p.h) << " 时，y 有"
                  << (sign_of(p.n.a) > 0 ? "最小值 " : "最大值 ") << results.value(p.k) << ".";
}

// Falling then rising when the parabola opens up, the other way round when down.
Formula monotonicity_line(const Parabola& p) {
    constexpr std::string_view kFalls = "y 随 x 的增大而减小";
    constexpr std::string_view kRises = "y 随 x 的增大而增大";
    const bool up = sign_of(p.n.a) > 0;
    Line line;
    if (short_fraction(p.h)) {
        line << "当 x<" << p.h << " 时，" << (up ? kFalls : kRises) << "；当 x>" << p.h << " 时，";
    } else {
        line << "在对称轴的左侧，" << (up ? kFalls : kRises) << "；在对称轴的右侧，";
    }
    return std::move(line) << (up ? kRises : kFalls) << ".";
}

void add_shift(Line& line, Results& results, const Exact& by, std::string_view forward,
               std::string_view back) {
    line << (sign_of(by) > 0 ? forward : back) << "平移 " << results.value(abs(by)) << " 个单位";
}

Formula translation_line(Results& results, const Parabola& p) {
    Line line;
    if (p.exact_page) {
        line << "抛物线 y=";
        add_vertex_form(line, p);
        line << " ";
    } else {
        line << "这条抛物线";
    }
    line << "可以由抛物线 " << base_function(p.n) << " ";
    if (sign_of(p.h) != 0) {
        add_shift(line, results, p.h, "向右", "向左");
    }
    if (sign_of(p.h) != 0 && sign_of(p.k) != 0) {
        line << "，再";
    }
    if (sign_of(p.k) != 0) {
        add_shift(line, results, p.k, "向上", "向下");
    }
    return std::move(line) << "得到.";
}

// A root as the 解方程 page writes it, in its order: exact, the smaller first
// (that page makes a positive); or rounded, in the order of the ± with the
// typed a, where that page rounds.
Formula root_of(Results& results, const Parabola& p, bool first) {
    if (p.exact.simplified) {
        const bool smaller = first == (sign_of(p.n.a) > 0);
        return root_value(smaller ? p.exact.x1 : p.exact.x2);
    }
    return Line() << results.value(first ? p.n.roots->x1 : p.n.roots->x2);
}

void add_x_axis_lines(std::vector<Formula>& lines, Results& results, const Parabola& p) {
    Line equation;
    equation << "令 y=0，得 " << (p.exact_page ? exact_polynomial(p.n) : typed_polynomial(p.n))
             << "=0，Δ=b²" << kMinus << "4ac" << results.equals(p.n.delta);
    if (!p.n.roots) {
        lines.push_back(std::move(equation) << "<0，方程没有实数根，");
        lines.push_back(Line() << "所以抛物线与 x 轴没有交点；");
        return;
    }
    Formula x1 = root_of(results, p, true);
    if (sign_of(p.n.delta) == 0) {
        lines.push_back(std::move(equation) << "，");
        lines.push_back(Line() << "解得 x₁=x₂" << relation(x1) << x1 << "，");
        lines.push_back(Line() << "所以抛物线与 x 轴只有一个交点 (" << std::move(x1)
                               << ", 0)，它就是抛物线的顶点；");
        return;
    }
    Formula x2 = root_of(results, p, false);
    lines.push_back(std::move(equation) << ">0，");
    lines.push_back(Line() << "解得 x₁" << relation(x1) << x1 << "，x₂" << relation(x2) << x2
                           << "，");
    // Left to right: x₁ is the smaller root unless the page rounds with a negative a.
    const bool ascending = p.exact.simplified || sign_of(p.n.a) > 0;
    lines.push_back(Line() << "所以抛物线与 x 轴交于点 (" << std::move(ascending ? x1 : x2)
                           << ", 0) 和 (" << std::move(ascending ? x2 : x1) << ", 0)；");
}

Formula y_axis_line(const Parabola& p) {
    Line line;
    line << "令 x=0，得 y=";
    add_datum(line, p, p.n.c, p.n.typed_c);
    line << "，抛物线与 y 轴交于点 (0, ";
    add_datum(line, p, p.n.c, p.n.typed_c);
    return std::move(line) << ").";
}

void add_arrow(Plot& plot, const PlotPoint& from, const PlotPoint& to) {
    const bool finite = std::isfinite(from.x) && std::isfinite(from.y) && std::isfinite(to.x) &&
                        std::isfinite(to.y);
    if (finite && (from.x != to.x || from.y != to.y)) {
        plot.arrows.push_back({from, to});
    }
}

// The graph with y = ax² it is translated from, and the way to the vertex.
Plot parabola_plot(const Parabola& p, Plot plot) {
    name_extremum(plot, p.n);
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
    std::vector<Formula> lines;
    lines.reserve(16);
    add_first_line(lines, p);
    if (p.exact_page && sign_of(p.n.b) != 0) {
        add_completed_square(lines, p);
    }
    lines.push_back(vertex_line(results, p));
    lines.push_back(opening_line(p));
    lines.push_back(extremum_line(results, p));
    lines.push_back(monotonicity_line(p));
    if (sign_of(p.h) != 0 || sign_of(p.k) != 0) {
        lines.push_back(translation_line(results, p));
    }
    add_x_axis_lines(lines, results, p);
    lines.push_back(y_axis_line(p));
    if (results.rounded()) {
        lines.push_back(alone(text(std::string(kRoundedNote))));
    }
    return lines;
}

} // namespace

FunctionPage quadratic_function(const QuadraticNumbers& n, const ExactQuadratic& exact, Plot plot) {
    if (sign_of(n.a) == 0) {
        const Formula function = Line() << "y="
                                        << polynomial(kNoTerm, typed_coefficient(n.typed_b),
                                                      typed_coefficient(n.typed_c));
        return straight_line_function(n.b, n.c, function, std::move(plot));
    }
    const Parabola p = parabola_of(n, exact);
    FunctionPage page;
    page.statement = Line() << "说出二次函数 y=" << typed_polynomial(n)
                            << " 的图象的开口方向、顶点、对称轴、最值和增减性，"
                               "并求它与坐标轴的交点.";
    page.lines = parabola_lines(p);
    page.plot = parabola_plot(p, std::move(plot));
    return page;
}

FunctionPage constant_function(const QuadraticNumbers& n) {
    const std::string c = decimal_text(n.typed_c);
    FunctionPage page;
    page.statement = Line() << "说出函数 y=" << c << " 的性质.";
    page.lines.push_back(
        Line() << "解：y=" << c << " 是常数函数：不论 x 取什么值，y 的值都是 " << c << "，"
               << (sign_of(n.c) == 0 ? "它的图象就是 x 轴."
                                     : "它的图象是经过点 (0, " + c + ") 且平行于 x 轴的直线."));
    Plot& plot = page.plot;
    plot.curve = true;
    plot.c = nearest_double(n.c);
    plot.equation = "y=" + c;
    plot.marks.push_back(point_mark(result_number(0), typed_number(n.typed_c, n.c)));
    return page;
}

} // namespace vornix::calc::detail
