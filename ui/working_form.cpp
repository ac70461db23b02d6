#include "working_form.hpp"

#include "canvas.hpp"
#include "graph.hpp"
#include "math_layout.hpp"

#include <algorithm>
#include <array>

namespace vornix::ui {
namespace {

using calc::Method;

constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kOption = ControlKind::Option;
constexpr ControlKind kButton = ControlKind::Button;
constexpr ControlKind kCanvas = ControlKind::Canvas;
constexpr Font kMethodFont{Typeface::Song, 10.5, false};
constexpr Font kWorkingFont{Typeface::Song, 12, false};

// clang-format off
constexpr std::array<ControlRow, 9> kQuadraticControls{{
//   name            kind     caption            left  top   width height font          text colour    tab accessible name (empty: its text), description
    {"lblMethod",    kLabel,  "解法：",           120,  165,  660,  300,  kMethodFont,  kSystemColour, 0,  ""},
    {"optFormula",   kOption, "公式法(&G)",       780,  120,  1260, 360,  {},           kSystemColour, 1,  "公式法"},
    {"optSquare",    kOption, "配方法(&P)",       2100, 120,  1260, 360,  {},           kSystemColour, 2,  "配方法"},
    {"optFactor",    kOption, "因式分解法(&Y)",    3420, 120,  1740, 360,  {},           kSystemColour, 3,  "因式分解法"},
    {"picWorking",   kCanvas, "",                120,  600,  5640, 6000, kWorkingFont, kSystemColour, 4,  "解题过程"},
    {"picGraph",     kCanvas, "",                5880, 120,  5700, 6480, {},           kSystemColour, 5,  "函数的图像"},
    {"cmdCopyText",  kButton, "复制过程(&C)",     120,  6780, 1560, 375,  {},           kSystemColour, 6,  ""},
    {"cmdCopyGraph", kButton, "复制图像(&I)",     1800, 6780, 1560, 375,  {},           kSystemColour, 7,  ""},
    {"cmdClose",     kButton, "关闭",             10080, 6780, 1500, 375, {},           kSystemColour, 8,  ""},
}};

constexpr std::array<ControlRow, 6> kLineControls{{
    {"lblMethod",    kLabel,  "解法：待定系数法",   120,  165,  5640, 300,  kMethodFont,  kSystemColour, 0,  ""},
    {"picWorking",   kCanvas, "",                120,  600,  5640, 6000, kWorkingFont, kSystemColour, 4,  "解题过程"},
    {"picGraph",     kCanvas, "",                5880, 120,  5700, 6480, {},           kSystemColour, 5,  "函数的图像"},
    {"cmdCopyText",  kButton, "复制过程(&C)",     120,  6780, 1560, 375,  {},           kSystemColour, 6,  ""},
    {"cmdCopyGraph", kButton, "复制图像(&I)",     1800, 6780, 1560, 375,  {},           kSystemColour, 7,  ""},
    {"cmdClose",     kButton, "关闭",             10080, 6780, 1500, 375, {},           kSystemColour, 8,  ""},
}};
// clang-format on

constexpr WindowFrame kQuadraticFrame{"解题过程 — 一元二次方程", 11700, 7320, kSystemColour,
                                      WindowFrame::Style::Fixed};
constexpr WindowFrame kLineFrame{"解题过程 — 一次函数", 11700, 7320, kSystemColour,
                                 WindowFrame::Style::Fixed};

struct Option {
    std::string_view control;
    Method method;
};
constexpr std::array<Option, 3> kOptions{{
    {"optFormula", Method::Formula},
    {"optSquare", Method::CompletingSquare},
    {"optFactor", Method::Factoring},
}};

calc::Formula words(std::string text) {
    return {calc::Math{calc::Math::Kind::Text, std::move(text), {}}};
}

} // namespace

std::span<const ControlRow> WorkingForm::table(Topic topic) {
    return topic == Topic::Quadratic ? std::span<const ControlRow>(kQuadraticControls)
                                     : std::span<const ControlRow>(kLineControls);
}

const WindowFrame& WorkingForm::window(Topic topic) {
    return topic == Topic::Quadratic ? kQuadraticFrame : kLineFrame;
}

void WorkingForm::load() {
    refresh();
}

void WorkingForm::show(const calc::Exercise* exercise) {
    if (exercise == nullptr) {
        exercise_.reset();
    } else {
        exercise_ = *exercise;
    }
    refresh();
}

// The method the student chose when it applies, else the teacher's pick.
const calc::Working* WorkingForm::shown_working() const {
    if (!exercise_ || exercise_->workings.empty()) {
        return nullptr;
    }
    const auto& workings = exercise_->workings;
    if (preferred_) {
        const auto chosen = std::ranges::find(workings, *preferred_, &calc::Working::method);
        if (chosen != workings.end()) {
            return &*chosen;
        }
    }
    return &workings[exercise_->default_working];
}

std::vector<calc::Formula> WorkingForm::shown_lines() const {
    if (!exercise_) {
        return {words(
            topic_ == Topic::Quadratic
                ? "输入方程的系数 a、b、c，按 GO 求解，这里就写出解题过程，旁边画出函数的图像."
                : "输入两个点的坐标，按 GO 求解，这里就写出解题过程，旁边画出函数的图像.")};
    }
    std::vector<calc::Formula> lines;
    if (!exercise_->statement.empty()) {
        lines.push_back(exercise_->statement);
    }
    if (const calc::Working* working = shown_working()) {
        lines.insert(lines.end(), working->lines.begin(), working->lines.end());
    } else {
        lines.push_back(words(exercise_->explanation));
    }
    return lines;
}

std::string WorkingForm::text() const {
    std::string text;
    for (const calc::Formula& line : shown_lines()) {
        if (!text.empty()) {
            text += '\n';
        }
        text += calc::linear_text(line);
    }
    return text;
}

void WorkingForm::refresh() {
    if (topic_ == Topic::Quadratic) {
        const calc::Working* working = shown_working();
        for (const Option& option : kOptions) {
            const bool applies = exercise_ && std::ranges::count(exercise_->workings, option.method,
                                                                 &calc::Working::method) > 0;
            view_.set_enabled(option.control, applies);
            view_.set_checked(option.control,
                              working != nullptr && working->method == option.method);
        }
    }
    view_.set_description("picWorking", text());
    view_.repaint("picWorking");
    view_.repaint("picGraph");
}

void WorkingForm::clicked(std::string_view control) {
    const auto option = std::ranges::find(kOptions, control, &Option::control);
    if (option != kOptions.end()) {
        preferred_ = option->method;
        refresh();
    } else if (control == "cmdCopyText") {
        view_.copy_text(text());
    } else if (control == "cmdCopyGraph") {
        view_.copy_picture("picGraph");
    } else if (control == "cmdClose") {
        view_.close();
    }
}

bool WorkingForm::key_pressed(std::string_view control, Key key) {
    if (key == Key::Escape) {
        view_.close();
        return true;
    }
    return Form::key_pressed(control, key);
}

double WorkingForm::paint(std::string_view control, Canvas& canvas) {
    if (control == "picGraph") {
        calc::Plot plot = exercise_ ? exercise_->plot : calc::Plot{};
        if (!exercise_) {
            plot.note = "按 GO 求解后，这里画出函数的图像.";
        }
        draw(build_scene(plot, canvas), canvas);
        return canvas.height();
    }
    canvas.fill(Ink::Paper);
    const double margin = 8 * canvas.scale();
    const std::vector<calc::Formula> lines = shown_lines();
    const Typeset set = typeset(lines, kPoints, canvas.width() - 2 * margin, canvas);
    draw(set, canvas, {margin, margin});
    return set.height + 2 * margin;
}

} // namespace vornix::ui
