#include "exercise.hpp"

#include "exact.hpp"
#include "working.hpp"
#include "writing.hpp"

namespace vornix::calc {
namespace {

using detail::Exact;
using detail::kMinus;
using detail::nearest_double;
using detail::short_number;

constexpr std::string_view kOutOfRange =
    "输入的数或算出的结果超出了计算的范围（约为 ±1.8E+308），无法求解，请检查输入的数.";

std::string coordinates(const Exact& x, const Exact& y) {
    return "(" + short_number(x) + ", " + short_number(y) + ")";
}

PlotMark mark(const Exact& x, const Exact& y, std::string label) {
    return {nearest_double(x), nearest_double(y), std::move(label)};
}

std::string equation_of(const Formula& right_side) {
    return "y=" + linear_text(right_side);
}

Plot quadratic_plot(const detail::QuadraticNumbers& n) {
    Plot plot;
    plot.curve = true;
    plot.a = nearest_double(n.a);
    plot.b = nearest_double(n.b);
    plot.c = nearest_double(n.c);
    plot.equation = equation_of(detail::polynomial(detail::typed_coefficient(n.typed_a),
                                                   detail::typed_coefficient(n.typed_b),
                                                   detail::typed_coefficient(n.typed_c)));
    if (n.a == 0) {
        const Exact x = n.roots->x1;
        plot.marks.push_back(mark(x, 0, coordinates(x, 0)));
        if (x != 0) {
            plot.marks.push_back(mark(0, n.c, coordinates(0, n.c)));
        }
        return plot;
    }
    const Exact h = -n.b / (2 * n.a);
    const Exact k = -n.delta / (4 * n.a);
    const std::string vertex = "顶点 " + coordinates(h, k);
    bool c_marked = false;
    if (n.roots && n.delta == 0) {
        plot.marks.push_back(mark(h, 0, "A，" + vertex));
        c_marked = h == 0;
    } else {
        if (n.roots) {
            const bool ordered = n.roots->x1 < n.roots->x2;
            const Exact& left = ordered ? n.roots->x1 : n.roots->x2;
            const Exact& right = ordered ? n.roots->x2 : n.roots->x1;
            plot.marks.push_back(mark(left, 0, left == 0 ? "A（C）" : "A"));
            plot.marks.push_back(mark(right, 0, right == 0 ? "B（C）" : "B"));
            c_marked = left == 0 || right == 0;
        }
        plot.marks.push_back(mark(h, k, vertex));
    }
    if (!c_marked) {
        plot.marks.push_back(mark(0, n.c, "C"));
    }
    plot.guides.push_back({true, nearest_double(h), "x=" + short_number(h)});
    return plot;
}

Plot line_plot(const detail::LineNumbers& n) {
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
    plot.equation = equation_of(detail::polynomial(detail::kNoTerm, detail::coefficient_of(n.k),
                                                   detail::coefficient_of(n.b)));
    const Exact crossing = -n.b / n.k;
    for (const auto& [x, y] : {std::pair{Exact(0), n.b}, std::pair{crossing, Exact(0)}}) {
        if (!(x == n.x1 && y == n.y1) && !(x == n.x2 && y == n.y2) &&
            !(x == 0 && y == 0 && plot.marks.size() == 3)) {
            plot.marks.push_back(mark(x, y, coordinates(x, y)));
        }
    }
    return plot;
}

std::string line_refusal(const detail::LineNumbers& n) {
    const std::string x = linear_text(detail::data(n.x1));
    const std::string y = linear_text(detail::data(n.y1));
    if (n.outcome == Outcome::SameX && n.y1 == n.y2) {
        return "两点重合，过一个点的直线有无数条，所以求不出一次函数的解析式.";
    }
    if (n.outcome == Outcome::SameX) {
        return "两点的横坐标相同（都是 " + x +
               "），过这两点的直线平行于 y 轴，它不是函数的图象，所以求不出一次函数的解析式.";
    }
    return "两点的纵坐标相同（都是 " + y + "），由此得 k=0，y=" + y +
           " 是常数函数，不是一次函数（一次函数 y=kx+b 要求 k≠0），所以求不出一次函数的解析式.";
}

} // namespace

Exercise evaluate_quadratic(std::string_view a, std::string_view b, std::string_view c) {
    const detail::QuadraticNumbers n = detail::read_quadratic(a, b, c);
    Exercise exercise;
    exercise.outcome = n.outcome;
    if (n.outcome == Outcome::NoEquation) {
        exercise.explanation = "因为 a=0 且 b=0，方程里已经没有未知数 x，所以没有可以解的方程.";
    }
    if (n.outcome != Outcome::Solved) {
        if (exercise.explanation.empty()) {
            exercise.explanation = kOutOfRange;
        }
        exercise.plot.note = "没有可以画的图象.";
        return exercise;
    }
    exercise.answer = detail::quadratic_answer(n);
    const ExactQuadratic exact = detail::exact_quadratic_of(n);
    exercise.exact = exact.text;
    exercise.statement = detail::quadratic_statement(n);
    exercise.workings = detail::quadratic_workings(n, exact, exercise.default_working);
    exercise.plot = quadratic_plot(n);
    return exercise;
}

Exercise evaluate_line(std::string_view x1, std::string_view y1, std::string_view x2,
                       std::string_view y2) {
    const detail::LineNumbers n = detail::read_line(x1, y1, x2, y2);
    Exercise exercise;
    exercise.outcome = n.outcome;
    if (n.outcome == Outcome::OutOfRange) {
        exercise.explanation = kOutOfRange;
        exercise.plot.note = "没有可以画的图象.";
        return exercise;
    }
    exercise.answer = detail::line_answer(n);
    exercise.statement = detail::line_statement(n);
    exercise.plot = line_plot(n);
    if (n.outcome == Outcome::Solved) {
        exercise.exact = detail::exact_line_of(n).text;
        exercise.workings.push_back(detail::line_working(n));
    } else {
        exercise.explanation = line_refusal(n);
    }
    return exercise;
}

} // namespace vornix::calc
