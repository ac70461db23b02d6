// The graph's points, from the same exact numbers as the working: the
// parabola's crossings A and B, C on the y axis, the vertex and its axis; the
// line's two points and its crossings with the axes.
#include "plot_label.hpp"
#include "working.hpp"
#include "writing.hpp"

#include <algorithm>
#include <initializer_list>

namespace vornix::calc::detail {

PlotMark mark(const Exact& x, const Exact& y, std::string label) {
    return {nearest_double(x), nearest_double(y), std::move(label)};
}

PlotMark point_mark(const LabelNumber& x, const LabelNumber& y) {
    return mark(x.value, y.value, label_point(x, y).text());
}

namespace {

std::string equation_of(const Formula& right_side) {
    return "y=" + linear_text(right_side);
}

// The non-empty parts, one after the other after "，".
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        if (!part.empty()) {
            text += (text.empty() ? "" : "，") + std::string(part);
        }
    }
    return text;
}

// A letter that is C too: "A（C）", which the graph may shorten to "A".
PlotMark letter_mark(const Exact& x, std::string_view letter, bool also_c) {
    PlotMark m = mark(x, 0, std::string(letter) + (also_c ? "（C）" : ""));
    m.shorter = narrowing(m.label, {std::string(letter)});
    return m;
}

// A and B, left to right; whether one of them is C as well.
bool mark_crossings(Plot& plot, const Roots& roots) {
    const bool ordered = roots.x1 < roots.x2;
    const Exact& left = ordered ? roots.x1 : roots.x2;
    const Exact& right = ordered ? roots.x2 : roots.x1;
    plot.marks.push_back(letter_mark(left, "A", sign_of(left) == 0));
    plot.marks.push_back(letter_mark(right, "B", sign_of(right) == 0));
    return sign_of(left) == 0 || sign_of(right) == 0;
}

// y = bx + c of a = 0: its crossings with the axes, as its page gives them.
void mark_line_crossings(Plot& plot, const QuadraticNumbers& n) {
    const Exact x = n.roots->x1;
    plot.marks.push_back(point_mark(result_number(x), result_number(0)));
    if (sign_of(x) != 0) {
        plot.marks.push_back(point_mark(result_number(0), result_number(n.c)));
    }
}

// Points that coincide share one mark: a vertex on an axis is A or C.
std::string vertex_letters(const QuadraticNumbers& n, const Exact& h) {
    if (n.roots && sign_of(n.delta) == 0) {
        return sign_of(h) == 0 ? "A（C）" : "A";
    }
    return sign_of(h) == 0 ? "C" : "";
}

LabelPoint vertex_point(const QuadraticNumbers& n) {
    return label_point(result_number(-n.b / (2 * n.a)), result_number(-n.delta / (4 * n.a)));
}

// "A，顶点 (1, 0)，最小值 0", with its shorter forms, each narrower than the
// one before: "A，顶点 (1, 0)", "顶点 (1, 0)", "A，顶点", then the letter
// alone, or "顶点" where there is none.
PlotMark vertex_mark(const QuadraticNumbers& n, std::string_view extremum) {
    const std::string letters = vertex_letters(n, -n.b / (2 * n.a));
    const LabelPoint point = vertex_point(n);
    const std::string vertex = "顶点 " + point.text();
    std::string value;
    if (!extremum.empty()) {
        value = std::string(extremum) + " " + (point.rounded ? "≈" : "") + point.y;
    }
    PlotMark m = mark(-n.b / (2 * n.a), -n.delta / (4 * n.a), joined({letters, vertex, value}));
    const std::string bare = letters.empty() ? "顶点" : letters.substr(0, 1);
    m.shorter = narrowing(
        m.label, {joined({letters, vertex}), vertex, joined({letters, "顶点"}), letters, bare});
    return m;
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
    bool c_marked = sign_of(h) == 0;
    if (!(n.roots && sign_of(n.delta) == 0)) {
        c_marked = (n.roots && mark_crossings(plot, *n.roots)) || c_marked;
    }
    plot.marks.push_back(vertex_mark(n, {}));
    if (!c_marked) {
        plot.marks.push_back(mark(0, n.c, "C"));
    }
    const LabelPoint vertex = vertex_point(n);
    plot.guides.push_back({true, nearest_double(h), (vertex.rounded ? "x≈" : "x=") + vertex.x});
    return plot;
}

void name_extremum(Plot& plot, const QuadraticNumbers& n) {
    const auto vertex = std::ranges::find_if(
        plot.marks, [](const PlotMark& m) { return m.label.find("顶点") != std::string::npos; });
    if (vertex != plot.marks.end()) {
        *vertex = vertex_mark(n, sign_of(n.a) > 0 ? "最小值" : "最大值");
    }
}

Plot line_plot(const LineNumbers& n) {
    Plot plot;
    const LabelNumber x1 = typed_number(n.typed_x1, n.x1);
    const LabelNumber y1 = typed_number(n.typed_y1, n.y1);
    plot.marks.push_back(point_mark(x1, y1));
    plot.marks.push_back(
        point_mark(typed_number(n.typed_x2, n.x2), typed_number(n.typed_y2, n.y2)));
    if (n.outcome == Outcome::SameX) {
        plot.guides.push_back({true, nearest_double(n.x1), label_equation("x", x1)});
        return plot;
    }
    if (n.outcome == Outcome::SameY) {
        plot.guides.push_back({false, nearest_double(n.y1), label_equation("y", y1)});
        return plot;
    }
    plot.curve = true;
    plot.b = nearest_double(n.k);
    plot.c = nearest_double(n.b);
    plot.equation = linear_text(solved_line(n));
    const Exact crossing = -n.b / n.k;
    for (const auto& [x, y] : {std::pair{Exact(0), n.b}, std::pair{crossing, Exact(0)}}) {
        if (!(x == n.x1 && y == n.y1) && !(x == n.x2 && y == n.y2) &&
            !(x == 0 && y == 0 && plot.marks.size() == 3)) {
            plot.marks.push_back(point_mark(result_number(x), result_number(y)));
        }
    }
    return plot;
}

} // namespace vornix::calc::detail
