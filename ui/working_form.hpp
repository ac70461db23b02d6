// 解题过程: the working of one exercise as the textbook writes it, beside the
// graph of its function. The main window opens it from an answer and hands it
// each GO of that exercise; the student may switch between the methods that
// apply, and the choice is kept for the next GO.
#pragma once

#include "exercise.hpp"
#include "form.hpp"
#include "view.hpp"

#include <optional>
#include <span>
#include <string>

namespace vornix::ui {

enum class Topic { Quadratic, Line };

class WorkingForm final : public Form {
  public:
    WorkingForm(View& view, Topic topic) : view_(view), topic_(topic) {}

    static std::span<const ControlRow> table(Topic topic);
    static const WindowFrame& window(Topic topic);
    // The size of the working's text, in points.
    static constexpr double kPoints = 12;

    std::span<const ControlRow> controls() const override { return table(topic_); }
    const WindowFrame& frame() const override { return window(topic_); }

    // Shows what it has been given; before the first GO, what to do.
    void load() override;
    // The exercise's latest GO; nullptr before the first.
    void show(const calc::Exercise* exercise);
    // A method chosen, a copy, or 关闭.
    void clicked(std::string_view control) override;
    // Esc closes the window.
    bool key_pressed(std::string_view control, Key key) override;
    double paint(std::string_view control, Canvas& canvas) override;

    // What the working shows, as lines of text: copied, and read aloud.
    std::string text() const;

  private:
    const calc::Working* shown_working() const;
    std::vector<calc::Formula> shown_lines() const;
    void refresh();

    View& view_;
    Topic topic_;
    std::optional<calc::Exercise> exercise_;
    std::optional<calc::Method> preferred_;
};

} // namespace vornix::ui
