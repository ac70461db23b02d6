#include "practice_papers.hpp"

#include "working_page.hpp"

#include <array>
#include <utility>

namespace vornix::ui {
namespace {

using calc::PracticeKind;

constexpr std::array<std::string_view, 3> kLevelWords{"练习一", "练习二", "练习三"};

std::string_view subject(PracticeKind kind) {
    switch (kind) {
    case PracticeKind::Factor:
        return "一元二次方程 · 因式分解法";
    case PracticeKind::Square:
        return "一元二次方程 · 配方法";
    case PracticeKind::Formula:
        return "一元二次方程 · 公式法";
    case PracticeKind::Mixed:
        return "一元二次方程 · 解法综合";
    case PracticeKind::Function:
        return "二次函数 · 函数的性质";
    case PracticeKind::Line:
        break;
    }
    return "一次函数 · 待定系数法";
}

// The method a quadratic of the kind is to be solved by, in the statement's words.
std::string_view method_words(PracticeKind kind) {
    switch (kind) {
    case PracticeKind::Factor:
        return "用因式分解法";
    case PracticeKind::Square:
        return "用配方法";
    case PracticeKind::Formula:
        return "用公式法";
    default:
        return "";
    }
}

calc::Exercise evaluated(const calc::PracticeExercise& e) {
    const std::vector<std::string>& n = e.entries;
    return e.line ? calc::evaluate_line(n[0], n[1], n[2], n[3])
                  : calc::evaluate_quadratic(n[0], n[1], n[2]);
}

} // namespace

std::string practice_title(PracticeKind kind, int level, std::optional<char> version) {
    std::string title = std::string(subject(kind)) + " · ";
    title += kLevelWords.at(static_cast<std::size_t>(level - 1));
    if (version) {
        title += std::string(" · ") + *version + "卷";
    }
    return title;
}

calc::Formula numbered_statement(std::size_t number, PracticeKind kind,
                                 const calc::Formula& statement) {
    calc::Formula numbered = statement;
    if (numbered.empty() || numbered.front().kind != calc::Math::Kind::Text) {
        numbered.insert(numbered.begin(), calc::Math{calc::Math::Kind::Text, {}, {}});
    }
    std::string& opening = numbered.front().text;
    constexpr std::string_view kSolve = "解方程";
    if (opening.starts_with(kSolve)) {
        opening.insert(0, method_words(kind));
    }
    opening.insert(0, std::to_string(number) + "．");
    return numbered;
}

PracticePapers practice_papers(PracticeKind kind,
                               const std::vector<calc::PracticeExercise>& exercises,
                               const std::string& title, const std::string& signature) {
    const draw::Page page =
        kind == PracticeKind::Function ? draw::Page::Function : draw::Page::Solve;
    std::vector<draw::SheetItem> sheet;
    std::vector<draw::DocumentItem> key;
    for (std::size_t i = 0; i < exercises.size(); ++i) {
        const calc::Exercise exercise = evaluated(exercises[i]);
        std::vector<calc::Formula> lines =
            draw::page_lines(exercise, page, calc::practice_method(kind, exercises[i]));
        // The page's first line is the statement: every practice exercise has one.
        lines.front() = numbered_statement(i + 1, kind, lines.front());
        // The graph is part of the answer only where the function is studied.
        const bool graph = page == draw::Page::Function;
        sheet.push_back({lines.front(), {lines.begin() + 1, lines.end()}, graph});
        key.push_back({std::move(lines), draw::page_plot(exercise, page), graph});
    }
    return {
        draw::Worksheet(std::move(sheet), signature, {title, "班级______ 姓名______ 得分______"}),
        draw::Document(std::move(key), signature, {title, "答案"})};
}

} // namespace vornix::ui
