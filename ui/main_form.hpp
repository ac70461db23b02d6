// Form1, the startup window: the quadratic exercise above, the line through
// two points below, the About button and the feedback link along the bottom.
// Entry texts go to the calculation core when a GO button is pressed; the
// answer text comes back into the answer label, or a fault message is shown
// and the answer stays as it was.
#pragma once

#include "exercise.hpp"
#include "form.hpp"
#include "view.hpp"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vornix::ui {

class MainForm final : public Form {
  public:
    MainForm(View& view, Windows& windows) : view_(view), windows_(windows) {}

    static std::span<const ControlRow> table();
    static const WindowFrame& window();
    static std::string_view feedback_address();
    static std::string_view fault_message();
    // Whether the control is an answer label.
    static bool is_answer(std::string_view control);

    std::span<const ControlRow> controls() const override { return table(); }
    const WindowFrame& frame() const override { return window(); }

    // The load step: the link is made blue and underlined.
    void load() override;
    void clicked(std::string_view control) override;
    // Only a move over the bare background undoes the link's hover.
    void mouse_moved(std::string_view control) override;
    // A click on the link is a press and a release both on it.
    void mouse_pressed(std::string_view control) override;
    void mouse_released(std::string_view control, bool over_control) override;
    // Enter in an entry box solves its exercise, Enter or Space on the link
    // opens the page, Ctrl+Shift+C in an exercise's entry box copies its
    // answer, Alt+Enter there or on its answer opens its working.
    bool key_pressed(std::string_view control, Key key) override;
    // An entry box's exercise's GO.
    std::string_view default_button(std::string_view focused) const override;
    // A double click on an answer opens its exercise's working.
    void double_clicked(std::string_view control) override;
    // An answer offers to copy itself and its exact form and to open the
    // working; an entry box, its exercise's answer and working.
    std::vector<MenuItem> menu(std::string_view control) const override;
    void menu_chosen(std::string_view control, std::size_t item) override;

    // The answer label's "copy" action.
    void copy_answer(std::string_view answer_label);
    // Whether the answer has an exact form to copy (none before the first
    // GO, and none for a refusal).
    bool has_exact_form(std::string_view answer_label) const;
    void copy_exact_form(std::string_view answer_label);

  private:
    void solve(std::string_view go);
    void open_working(std::string_view answer);
    void show_link_hovered(bool hovered);
    void open_page();
    const std::string* exact_form(std::string_view answer_label) const;

    View& view_;
    Windows& windows_;
    // Each exercise's latest GO, whatever came of it, for its working window;
    // and the exact form of the answer shown, in the order of the exercises.
    std::array<std::optional<calc::Exercise>, 2> results_;
    std::array<std::string, 2> shown_exact_;
    std::string_view pressed_;
};

} // namespace vornix::ui
