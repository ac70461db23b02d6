#include "exercise.hpp"

#include "exact.hpp"
#include "working.hpp"
#include "writing.hpp"

namespace vornix::calc {
namespace {

constexpr std::string_view kOutOfRange =
    "输入的数或算出的结果超出了计算的范围（约为 ±1.8E+308），无法求解，请检查输入的数.";
constexpr std::string_view kNothingToDraw = "没有可以画的图象.";

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
    auto numbers = std::make_shared<detail::ExerciseNumbers>();
    numbers->quadratic = n;
    exercise.numbers = numbers;
    if (n.outcome == Outcome::NoEquation) {
        // No equation to solve, but y = c is still a function to study.
        exercise.explanation = "因为 a=0 且 b=0，方程里已经没有未知数 x，所以没有可以解的方程.";
        exercise.plot.note = kNothingToDraw;
        exercise.function = detail::constant_function(n);
        return exercise;
    }
    if (n.outcome == Outcome::OutOfRange) {
        exercise.explanation = kOutOfRange;
        exercise.plot.note = kNothingToDraw;
        exercise.function.explanation = kOutOfRange;
        exercise.function.plot.note = kNothingToDraw;
        return exercise;
    }
    exercise.answer = detail::quadratic_answer(n);
    const ExactQuadratic exact = detail::exact_quadratic_of(n);
    numbers->exact = exact;
    exercise.exact = exact.text;
    exercise.statement = detail::quadratic_statement(n);
    exercise.workings = detail::quadratic_workings(n, exact, exercise.default_working);
    exercise.plot = detail::quadratic_plot(n);
    exercise.function = detail::quadratic_function(n, exact, exercise.plot);
    return exercise;
}

Exercise evaluate_line(std::string_view x1, std::string_view y1, std::string_view x2,
                       std::string_view y2) {
    const detail::LineNumbers n = detail::read_line(x1, y1, x2, y2);
    Exercise exercise;
    exercise.outcome = n.outcome;
    auto numbers = std::make_shared<detail::ExerciseNumbers>();
    numbers->line = n;
    exercise.numbers = std::move(numbers);
    if (n.outcome == Outcome::OutOfRange) {
        exercise.explanation = kOutOfRange;
        exercise.plot.note = kNothingToDraw;
        exercise.function.explanation = kOutOfRange;
        exercise.function.plot.note = kNothingToDraw;
        return exercise;
    }
    exercise.answer = detail::line_answer(n);
    exercise.statement = detail::line_statement(n);
    exercise.plot = detail::line_plot(n);
    if (n.outcome == Outcome::Solved) {
        exercise.exact = detail::exact_line_of(n).text;
        exercise.workings.push_back(detail::line_working(n));
        exercise.function = detail::line_function(n, exercise.plot);
    } else {
        // The function's page refuses as the working does, over the same graph.
        exercise.explanation = line_refusal(n);
        exercise.function.explanation = exercise.explanation;
        exercise.function.plot = exercise.plot;
    }
    return exercise;
}

} // namespace vornix::calc
