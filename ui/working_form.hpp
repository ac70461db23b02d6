// 解题过程: the working of one exercise as the textbook writes it, beside the
// graph of its function. The main window opens it from an answer and hands it
// each GO of that exercise. Two pages: the one that solves the exercise (with
// the methods that apply, among which the student may choose) and 函数的性质,
// the function studied as a function. The window grows and zooms for the
// projector, its graph can be explored with the pointer and the keyboard, and
// its page goes to a printer or a file. The page, the method and the zoom are
// kept for the next GO, the next window and the next run.
#pragma once

#include "answer_panel.hpp"
#include "document.hpp"
#include "exercise.hpp"
#include "form.hpp"
#include "graph_explorer.hpp"
#include "practice_session.hpp"
#include "settings.hpp"
#include "view.hpp"
#include "working_page.hpp"

#include <array>
#include <optional>
#include <span>
#include <string>

namespace vornix::ui {

enum class Topic { Quadratic, Line };

class WorkingForm final : public Form {
  public:
    // Practice exercises follow from `practice_seed`, a fresh one each run.
    WorkingForm(View& view, Topic topic, Settings& settings,
                std::uint64_t practice_seed = fresh_seed());

    static std::span<const ControlRow> table(Topic topic);
    static const WindowFrame& window(Topic topic);
    // The size of the working's text at 100 %, in points.
    static constexpr double kPoints = 12;
    // The zoom's steps, in per cent.
    static constexpr std::array<int, 7> kZooms{100, 125, 150, 200, 250, 300, 400};
    // The settings group the window keeps its choices and place under.
    static std::string_view settings_group(Topic topic);

    std::span<const ControlRow> controls() const override { return table(topic_); }
    const WindowFrame& frame() const override { return window(topic_); }

    // Shows what it has been given; before the first GO, what to do.
    void load() override;
    // The exercise's latest GO; nullptr before the first.
    void show(const calc::Exercise* exercise);
    // A page or a method chosen; 检查, 先做后看, 显示过程; 换一题 or a level;
    // a copy, print, save, or 关闭.
    void clicked(std::string_view control) override;
    // Enter in 我的答案 checks it.
    std::string_view default_button(std::string_view focused) const override {
        return focused == "txtAnswer" ? "cmdCheck" : "";
    }
    // Esc leaves full screen, else closes; F11 goes full screen and back;
    // Ctrl with =, + and − zooms, Ctrl+0 returns to 100 %; Ctrl+P prints,
    // Ctrl+S saves. On the graph: Home fits the marked points again, the
    // left and right arrows move the traced point by a tick, + and − zoom.
    bool key_pressed(std::string_view control, Key key) override;
    // The wheel zooms the graph about the pointer (with Ctrl, the window),
    // a drag pans it, a pinch zooms it, a double click on it fits it again;
    // over the curve the pointer shows the point beneath it.
    bool pointer(std::string_view control, const PointerEvent& event) override;
    void resized(int width, int height) override;
    double paint(std::string_view control, draw::Canvas& canvas) override;

    // The page's whole text, as lines: copied, printed and saved, even while
    // 先做后看 hides the working.
    std::string text() const;
    draw::Page page() const { return page_; }
    int zoom() const { return zoom_; }
    // What goes to the printer and into files: the page shown with its graph.
    draw::DocumentItem document_item() const;

  private:
    const calc::Working* shown_working() const;
    std::optional<calc::Method> shown_method() const;
    // What the window shows now, and what the page holds whole.
    std::vector<calc::Formula> shown_lines() const;
    std::vector<calc::Formula> whole_lines() const;
    calc::Plot shown_plot() const;
    const calc::Plot& whole_plot() const;
    void start_exercise();
    calc::PracticeKind practice_kind() const;
    void next_practice();
    void refresh();
    void choose_page(draw::Page page);
    void set_zoom(int zoom);
    void step_zoom(int steps);
    void arrange();

    View& view_;
    Topic topic_;
    Settings& settings_;
    std::optional<calc::Exercise> exercise_;
    std::optional<calc::Method> preferred_;
    draw::Page page_ = draw::Page::Solve;
    int zoom_ = 100;
    bool full_screen_ = false;
    int width_ = 0; // the client area, twips; 0 before the first resize
    int height_ = 0;
    GraphExplorer graph_{view_, "picGraph"};
    AnswerPanel answers_;
    PracticeSession practice_;
    bool copying_ = false;     // the graph is being painted for the clipboard
    double wheel_notches_ = 0; // towards the next zoom step
};

} // namespace vornix::ui
