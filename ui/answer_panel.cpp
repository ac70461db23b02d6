#include "answer_panel.hpp"

namespace vornix::ui {
namespace {

constexpr std::string_view kEntry = "txtAnswer";
constexpr std::string_view kVerdict = "lblVerdict";
constexpr std::string_view kHide = "chkHide";
constexpr std::string_view kReveal = "cmdReveal";
constexpr std::string_view kCheck = "cmdCheck";

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

} // namespace

void AnswerPanel::load() {
    hide_ = read_number_setting(settings_, group_ + "/Hide", 0, 1, 0) == 1;
    view_.set_checked(kHide, hide_);
    show_state();
}

void AnswerPanel::new_exercise(const calc::Exercise* exercise) {
    view_.set_text(kEntry, "");
    revealed_ = false;
    correct_ = false;
    has_question_ = exercise != nullptr;
    marked_.reset();
    view_.set_caption(kVerdict, "");
    show_state();
}

void AnswerPanel::question_changed(const calc::Exercise* exercise, calc::Page /*page*/) {
    has_question_ = exercise != nullptr;
    marked_.reset();
    view_.set_caption(kVerdict, "");
    show_state();
}

bool AnswerPanel::clicked(std::string_view control, const calc::Exercise* exercise, calc::Page page,
                          std::optional<calc::Method> method) {
    if (control == kCheck) {
        if (exercise != nullptr) {
            check(*exercise, page, method);
        }
        return true;
    }
    if (control == kHide) {
        hide_ = !hide_;
        revealed_ = revealed_ && hide_;
        settings_.write(group_ + "/Hide", hide_ ? "1" : "0");
        view_.set_checked(kHide, hide_);
        show_state();
        return true;
    }
    if (control == kReveal) {
        revealed_ = true;
        show_state();
        return true;
    }
    return false;
}

void AnswerPanel::hide_until_answered() {
    hide_ = true;
    revealed_ = false;
    view_.set_checked(kHide, true);
    show_state();
}

void AnswerPanel::check(const calc::Exercise& exercise, calc::Page page,
                        std::optional<calc::Method> method) {
    const calc::Verdict verdict = calc::check_answer(exercise, page, method, view_.text(kEntry));
    correct_ = verdict.mark == calc::Mark::Correct;
    revealed_ = revealed_ || correct_;
    // A line of another method's working is named in the text, not marked.
    const bool shown =
        page == calc::Page::Function || !verdict.working_method || verdict.working_method == method;
    marked_ = shown ? verdict.working_line : std::nullopt;
    show_verdict(joined(verdict.lines));
    show_state();
}

void AnswerPanel::show_verdict(std::string_view text) {
    view_.set_caption(kVerdict, text);
    view_.announce(kVerdict);
}

void AnswerPanel::show_state() {
    view_.set_enabled(kEntry, has_question_);
    view_.set_enabled(kCheck, has_question_);
    view_.set_enabled(kReveal, has_question_ && hiding());
}

std::size_t page_line_of(const calc::Exercise& exercise, calc::Page page, std::size_t line) {
    const calc::Formula& statement =
        page == calc::Page::Function ? exercise.function.statement : exercise.statement;
    return line + (statement.empty() ? 0 : 1);
}

calc::Plot unmarked(const calc::Plot& plot) {
    calc::Plot kept = plot;
    for (const calc::PlotMark& mark : plot.marks) {
        kept.kept_in_view.push_back({mark.x, mark.y});
    }
    kept.marks.clear();
    kept.guides.clear();
    kept.arrows.clear();
    kept.region.clear();
    return kept;
}

} // namespace vornix::ui
