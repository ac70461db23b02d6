// Form1, the startup window: the quadratic exercise above, the line through
// two points below, the About button and the feedback link along the bottom.
// Entry texts go to the calculation core when a GO button is pressed; the
// answer text comes back into the answer label, or a fault message is shown
// and the answer stays as it was.
#pragma once

#include "form.hpp"
#include "view.hpp"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vornix::ui {

struct MainWindowSpec {
    std::string_view caption = "求根及点坐标运算";
    int client_width = 6510; // twips
    int client_height = 5970;
    Colour background = 0x00C0C0C0;
    // Line1, the rule between the two exercises, drawn with a not-xor pen: each
    // pixel becomes the inverse of the line colour xor the pixel beneath.
    LineSpec rule{0, 6480, 2400, 0x00404040, 3};
};
inline constexpr MainWindowSpec kMainWindow{};

class MainForm {
  public:
    MainForm(View& view, AboutHost& about) : view_(view), about_(about) {}

    static std::span<const ControlSpec> controls();
    static std::string_view feedback_address();
    static std::string_view fault_message();

    // The load step: the link is made blue and underlined.
    void load();
    // A click on a button.
    void clicked(std::string_view control);
    // The mouse moved over a control, or over kBackground.
    void mouse_moved(std::string_view control);
    // The left button went down on a control, or up after it went down on one;
    // `over_control` says whether the release happened over that same control.
    void mouse_pressed(std::string_view control);
    void mouse_released(std::string_view control, bool over_control);
    enum class Key { Enter, Space };
    // A key with the focus on `control`; returns whether it did something:
    // Enter in an entry box solves its exercise, Enter on a button presses it,
    // Enter or Space on the link opens the page.
    bool key_pressed(std::string_view control, Key key);
    // Ctrl+Shift+C with the focus in an exercise's entry box copies its answer.
    bool copy_answer_of(std::string_view focused);
    // Whether the control is an answer label, which offers to copy its text.
    static bool is_answer(std::string_view control);
    // The answer label's "copy" action.
    void copy_answer(std::string_view answer_label);
    // The answer label's "copy the exact form" action; returns false when its
    // answer has none (before the first GO, for a refusal).
    bool has_exact_form(std::string_view answer_label) const;
    void copy_exact_form(std::string_view answer_label);

  private:
    void solve(std::string_view go);
    void show_link_hovered(bool hovered);

    View& view_;
    AboutHost& about_;
    // The exact form of each answer shown, in the order of the exercises.
    std::array<std::string, 2> exact_forms_;
    std::string_view pressed_;
};

} // namespace vornix::ui
