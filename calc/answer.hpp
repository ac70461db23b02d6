// 批改: a student's typed answer checked against an exercise, the verdict a
// teacher would give, and, where one known slip explains a wrong answer
// exactly, that slip and the line of the working where it happens.
#pragma once

#include "exercise.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::calc {

enum class Mark {
    Correct,       // 正确: the exercise's values, each in simplest form
    Incomplete,    // 不完整: every value given is right, some are missing
    Unsimplified,  // 未化简: the right values, not all in simplest form
    Approximate,   // 近似值: decimals close to values that are not such decimals
    Wrong,         // 不正确: a value that is not right
    Unreadable,    // 看不懂: the entry cannot be read
    NothingToCheck // 无法检查: the exercise has no answer (a = b = 0, refused points, a fault)
};

// "正确", "不完整", "未化简", "近似值", "不正确", "看不懂", "无法检查".
std::string_view mark_word(Mark mark);

struct Verdict {
    Mark mark = Mark::Unreadable;
    // The lines shown under the entry, in order. The first starts with the
    // mark's word and says why in a teacher's words; for a diagnosed slip,
    // "可能的错因：…" and "对照解题过程第 N 行" follow.
    std::vector<std::string> lines;
    // The line of the working where the slip happens, counted from 0 in the
    // working of `working_method` (Working::lines) on the Solve page, in
    // FunctionPage::lines on the Function page; N above is this + 1. Empty
    // when there is no diagnosis, or no line in the workings for its step.
    std::optional<std::size_t> working_line;
    // The method whose working holds `working_line`: the method shown,
    // unless the slip belongs to another method's working (a factoring slip
    // while 公式法 is shown), whose line the text then names with the method.
    // Empty on the Function page and without a line.
    std::optional<Method> working_method;
};

// What the page asks for, in words, for the entry's hint: "写出方程的解",
// "写出一次函数的解析式", "写出顶点式或顶点坐标", "写出直线与坐标轴的交点或三角形的面积",
// or why there is nothing to check. Never raises.
std::string_view question(const Exercise& exercise, Page page);

// Checks `answer` (UTF-8, any bytes, as a student types it) against the
// exercise as `page` shows it, with the working of `method` on the Solve
// page (nothing, or a method the exercise has no working for: the one the
// window shows first, workings[default_working]).
// The Solve page asks for the roots (or 无实数根), the linear equation's
// root when a = 0, the line's y = kx + b; the Function page for a
// parabola's vertex form or vertex, a line's two crossings with the axes or
// the area of the triangle they make (the origin alone when b = 0), the
// point (0, c) of a constant function. Exercises without an answer give
// NothingToCheck. An entry over 200 characters is Unreadable at once.
// Works from the exercise's own numbers (Exercise::numbers), never reads the
// texts. Never raises, never loops on its input; the cost is bounded by the
// 200 characters and by the size of the exercise's numbers.
Verdict check_answer(const Exercise& exercise, Page page, std::optional<Method> method,
                     std::string_view answer);

} // namespace vornix::calc
