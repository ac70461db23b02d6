// The papers of a practice set (出题): the worksheet a student writes on and
// its key, the same exercises under the same numbers. The key works each
// exercise by the kind's method: factor, square and formula by theirs, mixed
// by the one a teacher picks, function on the 函数的性质 page beside its
// graph, line by 待定系数法; equations and lines without a graph, which they
// do not ask for.
#pragma once

#include "document.hpp"
#include "practice.hpp"
#include "worksheet.hpp"

#include <optional>
#include <string>
#include <vector>

namespace vornix::ui {

// The title: "一元二次方程 · 因式分解法 · 练习二"; with a version, " · A卷" after it.
std::string practice_title(calc::PracticeKind kind, int level, std::optional<char> version);

// Exercise `number`'s statement as the papers print it: "3．用配方法解方程 x²+6x−7=0.";
// a quadratic of a method's kind names the method, as a textbook's exercise does.
calc::Formula numbered_statement(std::size_t number, calc::PracticeKind kind,
                                 const calc::Formula& statement);

struct PracticePapers {
    draw::Worksheet sheet;
    draw::Document key;
};

// The sheet (headed by the title and "班级______ 姓名______ 得分______") and the
// key (headed by the title and "答案") of the exercises, each page's foot
// opening with `signature` ("Vornix 1.0.1 · 种子 8041"). Every exercise is
// one make_exercises gives, which evaluates to an answer.
PracticePapers practice_papers(calc::PracticeKind kind,
                               const std::vector<calc::PracticeExercise>& exercises,
                               const std::string& title, const std::string& signature);

} // namespace vornix::ui
