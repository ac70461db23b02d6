// The student's side of the working window (批改): an answer typed into
// 我的答案 and checked by 检查 (or Enter), the verdict a teacher would give
// under it, read to screen readers as it appears, and the line of the
// working a diagnosed slip happens on. With 先做后看 on, the working and the
// graph's marked points stay hidden until the answer is 正确 or the student
// presses 显示过程. The verdict stays until the exercise or the page changes.
#pragma once

#include "answer.hpp"
#include "settings.hpp"
#include "view.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vornix::ui {

class AnswerPanel {
  public:
    // `group` is the window's settings group, where 先做后看 is kept.
    AnswerPanel(View& view, Settings& settings, std::string group)
        : view_(view), settings_(settings), group_(std::move(group)) {}

    // Reads 先做后看 from the settings and shows the controls' state.
    void load();
    // A new exercise, or none: the entry, the verdict and the mark cleared,
    // and, with 先做后看 on, the working hidden again.
    void new_exercise(const calc::Exercise* exercise);
    // Another page or method: the verdict and the mark go, the entry stays.
    void question_changed(const calc::Exercise* exercise, calc::Page page);

    // Handles 检查, 先做后看 and 显示过程; returns whether `control` was one
    // of them. `method` is the working shown on the Solve page.
    bool clicked(std::string_view control, const calc::Exercise* exercise, calc::Page page,
                 std::optional<calc::Method> method);

    // 先做后看 on for an exercise, whatever was stored (a practice exercise).
    void hide_until_answered();
    // Whether the working and the marks are hidden now.
    bool hiding() const { return hide_ && !revealed_; }
    // The working's line the verdict sends the student to (Working::lines or
    // FunctionPage::lines, from 0), when it is the one shown.
    std::optional<std::size_t> marked_line() const { return marked_; }
    // Whether the last check said 正确.
    bool answered_correctly() const { return correct_; }

  private:
    void check(const calc::Exercise& exercise, calc::Page page, std::optional<calc::Method> method);
    void show_verdict(std::string_view text);
    void show_state();

    View& view_;
    Settings& settings_;
    std::string group_;
    bool hide_ = false;
    bool revealed_ = false;
    bool correct_ = false;
    bool has_question_ = false;
    std::optional<std::size_t> marked_;
};

// The working's line as the page numbers it on screen: the statement first,
// where there is one.
std::size_t page_line_of(const calc::Exercise& exercise, calc::Page page, std::size_t line);

// The plot without what the student is to find: no marked points, guides,
// arrows or filled region; the curve, its equation and the axes stay.
calc::Plot unmarked(const calc::Plot& plot);

} // namespace vornix::ui
