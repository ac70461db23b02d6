// The graph's points, from the same exact numbers as the working: the
// parabola's crossings A and B, C on the y axis, the vertex and its axis; the
// line's two points and its crossings with the axes.
#include "working.hpp"
#include "writing.hpp"

#include <algorithm>

namespace vornix::calc::detail {

std::string coordinates(const Exact& x, const Exact& y) {
    return "(" + short_number(x) + ", " + short_number(y) + ")";
}

PlotMark mark(const Exact& x, const Exact& y, std::string label) {
    return {nearest_double(x), nearest_double(y), std::move(label)};
}

namespace {

std::string equation_of(const Formula& right_side) {
    return "y=" + linear_text(right_side);
}

// A and B, left to right; whether one of them is C as well.
bool mark_crossings(Plot& plot, const Roots& roots) {
    const bool ordered = roots.x1 < roots.x2;
    const Exact& left = ordered ? roots.x1 : roots.x2;
    const Exact& right = ordered ? roots.x2 : roots.x1;
    plot.marks.push_back(mark(left, 0, sign_of(left) == 0 ? "A（C）" : "A"));
    plot.marks.push_back(mark(right, 0, sign_of(right) == 0 ? "B（C）" : "B"));
    return sign_of(left) == 0 || sign_of(right) == 0;
}

// y = bx + c of a = 0: its crossings with the axes.
void mark_line_crossings(Plot& plot, const QuadraticNumbers& n) {
    const Exact x = n.roots->x1;
    plot.marks.push_back(mark(x, 0, coordinates(x, 0)));
    if (sign_of(x) != 0) {
        plot.marks.push_back(mark(0, n.c, coordinates(0, n.c)));
    }
}

} // namespace

Plot quadratic_plot(const QuadraticNumbers& n) {
    Plot plot;
    plot.curve = true;
    plot.a = nearest_double(n.a);
    plot.b = nearest_double(n.b);
    plot.c = nearest_double(n.c);
    plot.equation = equation_of(polynomial(
        typed_coefficient(n.typed_a), typed_coefficient(n.typed_b), typed_coefficient(n.typed_c)));
    if (sign_of(n.a) == 0) {
        mark_line_crossings(plot, n);
        return plot;
    }
    const Exact h = -n.b / (2 * n.a);
    const Exact k = -n.delta / (4 * n.a);
    const std::string vertex = "顶点 " + coordinates(h, k);
    // Points that coincide share one mark: a vertex on an axis is A or C.
    bool c_marked = sign_of(h) == 0;
    if (n.roots && sign_of(n.delta) == 0) {
        plot.marks.push_back(mark(h, 0, "A，" + vertex));
    } else {
        c_marked = (n.roots && mark_crossings(plot, *n.roots)) || c_marked;
        plot.marks.push_back(mark(h, k, (sign_of(h) == 0 ? "C，" : "") + vertex));
    }
    if (!c_marked) {
        plot.marks.push_back(mark(0, n.c, "C"));
    }
    plot.guides.push_back({true, nearest_double(h), "x=" + short_number(h)});
    return plot;
}

void name_extremum(Plot& plot, const Exact& k, bool minimum) {
    const auto vertex = std::ranges::find_if(
        plot.marks, [](const PlotMark& m) { return m.label.find("顶点") != std::string::npos; });
    if (vertex != plot.marks.end()) {
        vertex->label += (minimum ? "，最小值 " : "，最大值 ") + short_number(k);
    }
}

Plot line_plot(const LineNumbers& n) {
    Plot plot;
    plot.marks.push_back(mark(n.x1, n.y1, coordinates(n.x1, n.y1)));
    plot.marks.push_back(mark(n.x2, n.y2, coordinates(n.x2, n.y2)));
    if (n.outcome == Outcome::SameX) {
        plot.guides.push_back({true, nearest_double(n.x1), "x=" + short_number(n.x1)});
        return plot;
    }
    if (n.outcome == Outcome::SameY) {
        plot.guides.push_back({false, nearest_double(n.y1), "y=" + short_number(n.y1)});
        return plot;
    }
    plot.curve = true;
    plot.b = nearest_double(n.k);
    plot.c = nearest_double(n.b);
    plot.equation = equation_of(polynomial(kNoTerm, coefficient_of(n.k), coefficient_of(n.b)));
    const Exact crossing = -n.b / n.k;
    for (const auto& [x, y] : {std::pair{Exact(0), n.b}, std::pair{crossing, Exact(0)}}) {
        if (!(x == n.x1 && y == n.y1) && !(x == n.x2 && y == n.y2) &&
            !(x == 0 && y == 0 && plot.marks.size() == 3)) {
            plot.marks.push_back(mark(x, y, coordinates(x, y)));
        }
    }
    return plot;
}

} // namespace vornix::calc::detail
