// The properties of a line y = kx + b as a grade-8 textbook states them: which
// way y goes from the sign of k, the crossings with the axes, the triangle
// they cut off, and the translation from y = kx.
#include "working.hpp"
#include "writing.hpp"

#include <cmath>

namespace vornix::calc::detail {
namespace {

Formula point(Results& results, const Exact& x, const Exact& y) {
    return Line() << "(" << results.value(x) << ", " << results.value(y) << ")";
}

Formula direction(Results& results, const Exact& k, bool first) {
    return Line() << (first ? "解：因为 k" : "因为 k") << results.equals(k)
                  << (sign_of(k) > 0 ? ">0，所以 y 随 x 的增大而增大."
                                     : "<0，所以 y 随 x 的增大而减小.");
}

Formula proportional(Results& results, const Exact& k) {
    return Line() << "因为 b=0，所以 " << line_equation(results, k, 0)
                  << " 是正比例函数，它的图象是经过原点 (0, 0) "
                     "的直线，与两条坐标轴只交于原点，不围成三角形.";
}

Formula y_crossing(Results& results, const Exact& b) {
    return Line() << "令 x=0，得 y" << results.equals(b) << "，直线与 y 轴交于点 "
                  << point(results, 0, b) << "；";
}

Formula x_crossing(Results& results, const Exact& x) {
    return Line() << "令 y=0，得 x" << results.equals(x) << "，直线与 x 轴交于点 "
                  << point(results, x, 0) << ".";
}

// S = ½·|b/k|·|b|: the two legs lie on the axes, to the crossings.
Formula triangle(Results& results, const Exact& crossing, const Exact& b) {
    const Exact across = abs(crossing);
    const Exact up = abs(b);
    Line line;
    line << "直线与两条坐标轴围成的三角形的面积 S";
    if (short_fraction(across) && short_fraction(up)) {
        line << "=" << fraction(alone(text("1")), alone(text("2"))) << "×" << across << "×" << up;
    }
    return std::move(line) << results.equals(across * up / 2) << ".";
}

Formula translation(Results& results, const Exact& k, const Exact& b) {
    return Line() << "直线 " << line_equation(results, k, b) << " 可以由直线 "
                  << line_equation(results, k, 0) << (sign_of(b) > 0 ? " 向上平移 " : " 向下平移 ")
                  << results.value(abs(b)) << " 个单位得到.";
}

bool finite(const PlotPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// What the page talks about, on the graph: y = kx through the origin, the
// shift along the y axis, the triangle with the axes.
void show_translation(Plot& plot, const Exact& k, const Exact& b, const Exact& crossing_x) {
    Results unreported;
    plot.base = true;
    plot.base_a = 0;
    plot.base_b = nearest_double(k);
    plot.base_equation = linear_text(line_equation(unreported, k, 0));
    const PlotPoint origin{0, 0};
    const PlotPoint intercept{0, nearest_double(b)};
    const PlotPoint crossing{nearest_double(crossing_x), 0};
    if (sign_of(b) == 0 || !finite(intercept)) {
        return;
    }
    plot.arrows.push_back({origin, intercept});
    if (finite(crossing)) {
        plot.region = {origin, crossing, intercept};
    }
}

} // namespace

FunctionPage straight_line_function(const Exact& k, const Exact& b, const Formula& function,
                                    Plot plot) {
    FunctionPage page;
    page.statement = Line() << "说出一次函数 " << function << " 的增减性，求它与坐标轴的交点"
                            << (sign_of(b) == 0 ? "." : "及与坐标轴围成的三角形的面积.");
    const Exact crossing = -b / k; // with the x axis
    Results results;
    page.lines.reserve(7);
    // Decimals are turned into fractions in a line of their own, as the
    // parabola's page turns them.
    const Formula fractions = polynomial(kNoTerm, coefficient_of(k), coefficient_of(b));
    const bool converted = short_fraction(k) && short_fraction(b) &&
                           linear_text(function) != "y=" + linear_text(fractions);
    if (converted) {
        page.lines.push_back(Line() << "解：" << function << "=" << fractions << ".");
    }
    page.lines.push_back(direction(results, k, !converted));
    if (sign_of(b) == 0) {
        page.lines.push_back(proportional(results, k));
    } else {
        page.lines.push_back(y_crossing(results, b));
        page.lines.push_back(x_crossing(results, crossing));
        page.lines.push_back(triangle(results, crossing, b));
        page.lines.push_back(translation(results, k, b));
    }
    if (results.rounded()) {
        page.lines.push_back({text(std::string(kRoundedNote))});
    }
    show_translation(plot, k, b, crossing);
    page.plot = std::move(plot);
    return page;
}

FunctionPage line_function(const LineNumbers& numbers, Plot plot) {
    return straight_line_function(numbers.k, numbers.b, solved_line(numbers), std::move(plot));
}

} // namespace vornix::calc::detail
