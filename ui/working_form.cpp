#include "working_form.hpp"

#include "app_info.hpp"
#include "canvas.hpp"
#include "document.hpp"
#include "math_layout.hpp"
#include "working_layout.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace vornix::ui {
namespace {

using calc::Method;

constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kOption = ControlKind::Option;
constexpr ControlKind kButton = ControlKind::Button;
constexpr ControlKind kCanvas = ControlKind::Canvas;
constexpr ControlKind kEntry = ControlKind::EntryBox;
constexpr ControlKind kCheckBox = ControlKind::CheckBox;
constexpr Font kMethodFont{Typeface::Song, 10.5, false};
constexpr Font kWorkingFont{Typeface::Song, 12, false};

// clang-format off
constexpr std::array<ControlRow, 26> kQuadraticControls{{
//   name            kind       caption            left  top   width height font          text colour    tab accessible name (empty: its text), description
    {"optSolve",     kOption,   "解方程(&J)",       120,  120,  1500, 360,  {},           kSystemColour, 0,  "解方程"},
    {"optFunction",  kOption,   "函数的性质(&H)",    1680, 120,  1800, 360,  {},           kSystemColour, 1,  "函数的性质"},
    {"lblMethod",    kLabel,    "解法：",           120,  585,  660,  300,  kMethodFont,  kSystemColour, 2,  ""},
    {"optFormula",   kOption,   "公式法(&G)",       780,  540,  1260, 360,  {},           kSystemColour, 3,  "公式法"},
    {"optSquare",    kOption,   "配方法(&P)",       2100, 540,  1260, 360,  {},           kSystemColour, 4,  "配方法"},
    {"optFactor",    kOption,   "因式分解法(&Y)",    3420, 540,  1740, 360,  {},           kSystemColour, 5,  "因式分解法"},
    {"picWorking",   kCanvas,   "",                120,  1020, 5640, 3900, kWorkingFont, kSystemColour, 6,  "解题过程"},
    {"lblAnswer",    kLabel,    "我的答案(&A)：",    120,  5085, 1260, 300,  kMethodFont,  kSystemColour, 7,  ""},
    {"txtAnswer",    kEntry,    "",                1380, 5040, 3120, 360,  {},           kSystemColour, 8,  "我的答案"},
    {"cmdCheck",     kButton,   "检查(&K)",         4620, 5025, 1140, 390,  {},           kSystemColour, 9,  "检查"},
    {"lblVerdict",   kLabel,    "",                120,  5490, 5640, 900,  kMethodFont,  kSystemColour, 10, "", "批改"},
    {"chkHide",      kCheckBox, "先做后看(&T)",     120,  6480, 1440, 360,  {},           kSystemColour, 11, "先做后看"},
    {"cmdReveal",    kButton,   "显示过程(&X)",     1620, 6465, 1380, 390,  {},           kSystemColour, 12, "显示过程"},
    {"cmdNext",      kButton,   "换一题(&N)",       3120, 6465, 1260, 390,  {},           kSystemColour, 13, "换一题"},
    {"lblLevel",     kLabel,    "难度：",           120,  6975, 660,  300,  kMethodFont,  kSystemColour, 14, ""},
    {"optLevel1",    kOption,   "1级(&1)",         780,  6930, 840,  360,  {},           kSystemColour, 15, "1级", "难度"},
    {"optLevel2",    kOption,   "2级(&2)",         1680, 6930, 840,  360,  {},           kSystemColour, 16, "2级", "难度"},
    {"optLevel3",    kOption,   "3级(&3)",         2580, 6930, 840,  360,  {},           kSystemColour, 17, "3级", "难度"},
    {"lblPractice",  kLabel,    "",                120,  7425, 5640, 300,  kMethodFont,  kSystemColour, 18, ""},
    {"picGraph",     kCanvas,   "",                5880, 120,  5700, 7620, {},           kSystemColour, 19, "函数的图像"},
    {"cmdCopyText",  kButton,   "复制过程(&C)",     120,  7860, 1500, 375,  {},           kSystemColour, 20, ""},
    {"cmdCopyGraph", kButton,   "复制图像(&I)",     1740, 7860, 1500, 375,  {},           kSystemColour, 21, ""},
    {"cmdPrint",     kButton,   "打印(&D)...",      3360, 7860, 1260, 375,  {},           kSystemColour, 22, "打印"},
    {"cmdSave",      kButton,   "保存为(&S)...",    4740, 7860, 1500, 375,  {},           kSystemColour, 23, "保存为"},
    {"lblZoom",      kLabel,    "",                6480, 7905, 1500, 300,  kMethodFont,  kSystemColour, 24, ""},
    {"cmdClose",     kButton,   "关闭",             10080, 7860, 1500, 375, {},           kSystemColour, 25, ""},
}};

constexpr std::array<ControlRow, 23> kLineControls{{
    {"optSolve",     kOption,   "求解析式(&J)",     120,  120,  1620, 360,  {},           kSystemColour, 0,  "求解析式"},
    {"optFunction",  kOption,   "函数的性质(&H)",    1800, 120,  1800, 360,  {},           kSystemColour, 1,  "函数的性质"},
    {"lblMethod",    kLabel,    "解法：待定系数法",   120,  585,  5640, 300,  kMethodFont,  kSystemColour, 2,  ""},
    {"picWorking",   kCanvas,   "",                120,  1020, 5640, 3900, kWorkingFont, kSystemColour, 6,  "解题过程"},
    {"lblAnswer",    kLabel,    "我的答案(&A)：",    120,  5085, 1260, 300,  kMethodFont,  kSystemColour, 7,  ""},
    {"txtAnswer",    kEntry,    "",                1380, 5040, 3120, 360,  {},           kSystemColour, 8,  "我的答案"},
    {"cmdCheck",     kButton,   "检查(&K)",         4620, 5025, 1140, 390,  {},           kSystemColour, 9,  "检查"},
    {"lblVerdict",   kLabel,    "",                120,  5490, 5640, 900,  kMethodFont,  kSystemColour, 10, "", "批改"},
    {"chkHide",      kCheckBox, "先做后看(&T)",     120,  6480, 1440, 360,  {},           kSystemColour, 11, "先做后看"},
    {"cmdReveal",    kButton,   "显示过程(&X)",     1620, 6465, 1380, 390,  {},           kSystemColour, 12, "显示过程"},
    {"cmdNext",      kButton,   "换一题(&N)",       3120, 6465, 1260, 390,  {},           kSystemColour, 13, "换一题"},
    {"lblLevel",     kLabel,    "难度：",           120,  6975, 660,  300,  kMethodFont,  kSystemColour, 14, ""},
    {"optLevel1",    kOption,   "1级(&1)",         780,  6930, 840,  360,  {},           kSystemColour, 15, "1级", "难度"},
    {"optLevel2",    kOption,   "2级(&2)",         1680, 6930, 840,  360,  {},           kSystemColour, 16, "2级", "难度"},
    {"optLevel3",    kOption,   "3级(&3)",         2580, 6930, 840,  360,  {},           kSystemColour, 17, "3级", "难度"},
    {"lblPractice",  kLabel,    "",                120,  7425, 5640, 300,  kMethodFont,  kSystemColour, 18, ""},
    {"picGraph",     kCanvas,   "",                5880, 120,  5700, 7620, {},           kSystemColour, 19, "函数的图像"},
    {"cmdCopyText",  kButton,   "复制过程(&C)",     120,  7860, 1500, 375,  {},           kSystemColour, 20, ""},
    {"cmdCopyGraph", kButton,   "复制图像(&I)",     1740, 7860, 1500, 375,  {},           kSystemColour, 21, ""},
    {"cmdPrint",     kButton,   "打印(&D)...",      3360, 7860, 1260, 375,  {},           kSystemColour, 22, "打印"},
    {"cmdSave",      kButton,   "保存为(&S)...",    4740, 7860, 1500, 375,  {},           kSystemColour, 23, "保存为"},
    {"lblZoom",      kLabel,    "",                6480, 7905, 1500, 300,  kMethodFont,  kSystemColour, 24, ""},
    {"cmdClose",     kButton,   "关闭",             10080, 7860, 1500, 375, {},           kSystemColour, 25, ""},
}};
// clang-format on

constexpr WindowFrame kQuadraticFrame{"解题过程 — 一元二次方程", 11700, 8400, kSystemColour,
                                      WindowFrame::Style::Resizable};
constexpr WindowFrame kLineFrame{"解题过程 — 一次函数", 11700, 8400, kSystemColour,
                                 WindowFrame::Style::Resizable};

struct Option {
    std::string_view control;
    Method method;
    std::string_view stored; // its name in the settings
};
constexpr std::array<Option, 3> kOptions{{
    {"optFormula", Method::Formula, "Formula"},
    {"optSquare", Method::CompletingSquare, "Square"},
    {"optFactor", Method::Factoring, "Factor"},
}};

constexpr std::array<std::string_view, 2> kPageNames{"Solve", "Function"};
constexpr std::array<std::string_view, 3> kMethodNames{"Formula", "Square", "Factor"};

std::string key(Topic topic, std::string_view name) {
    return std::string(WorkingForm::settings_group(topic)) + "/" + std::string(name);
}

const calc::Plot& empty_plot() {
    static const calc::Plot plot = [] {
        calc::Plot waiting;
        waiting.note = "按 GO 求解后，这里画出函数的图像.";
        return waiting;
    }();
    return plot;
}

} // namespace

WorkingForm::WorkingForm(View& view, Topic topic, Settings& settings)
    : view_(view), topic_(topic), settings_(settings) {}

std::span<const ControlRow> WorkingForm::table(Topic topic) {
    return topic == Topic::Quadratic ? std::span<const ControlRow>(kQuadraticControls)
                                     : std::span<const ControlRow>(kLineControls);
}

const WindowFrame& WorkingForm::window(Topic topic) {
    return topic == Topic::Quadratic ? kQuadraticFrame : kLineFrame;
}

std::string_view WorkingForm::settings_group(Topic topic) {
    return topic == Topic::Quadratic ? "QuadraticWorking" : "LineWorking";
}

void WorkingForm::load() {
    page_ = read_choice_setting(settings_, key(topic_, "Page"), kPageNames, "Solve") == "Function"
                ? draw::Page::Function
                : draw::Page::Solve;
    const std::string_view method =
        read_choice_setting(settings_, key(topic_, "Method"), kMethodNames, "");
    const auto option = std::ranges::find(kOptions, method, &Option::stored);
    if (option != kOptions.end()) {
        preferred_ = option->method;
    }
    const int stored = read_number_setting(settings_, key(topic_, "Zoom"), kZooms.front(),
                                           kZooms.back(), kZooms.front());
    zoom_ = std::ranges::find(kZooms, stored) != kZooms.end() ? stored : kZooms.front();
    view_.set_caption("lblZoom", "");
    refresh();
}

void WorkingForm::show(const calc::Exercise* exercise) {
    if (exercise == nullptr) {
        exercise_.reset();
    } else {
        exercise_ = *exercise;
    }
    // A new exercise is seen whole again.
    graph_.reset();
    refresh();
}

const calc::Working* WorkingForm::shown_working() const {
    return exercise_ ? draw::chosen_working(*exercise_, preferred_) : nullptr;
}

std::vector<calc::Formula> WorkingForm::shown_lines() const {
    if (!exercise_) {
        return {draw::words(
            topic_ == Topic::Quadratic
                ? "输入方程的系数 a、b、c，按 GO 求解，这里就写出解题过程，旁边画出函数的图像."
                : "输入两个点的坐标，按 GO 求解，这里就写出解题过程，旁边画出函数的图像.")};
    }
    return draw::page_lines(*exercise_, page_, preferred_);
}

const calc::Plot& WorkingForm::shown_plot() const {
    return exercise_ ? draw::page_plot(*exercise_, page_) : empty_plot();
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

draw::DocumentItem WorkingForm::document_item() const {
    return {shown_lines(), shown_plot()};
}

void WorkingForm::refresh() {
    view_.set_checked("optSolve", page_ == draw::Page::Solve);
    view_.set_checked("optFunction", page_ == draw::Page::Function);
    if (topic_ == Topic::Quadratic) {
        const calc::Working* working = shown_working();
        for (const Option& option : kOptions) {
            const bool applies = exercise_ && std::ranges::count(exercise_->workings, option.method,
                                                                 &calc::Working::method) > 0;
            view_.set_enabled(option.control, applies && page_ == draw::Page::Solve);
            view_.set_checked(option.control,
                              working != nullptr && working->method == option.method);
        }
    }
    view_.set_description("picWorking", text());
    graph_.describe(shown_plot());
    view_.repaint("picWorking");
    view_.repaint("picGraph");
}

void WorkingForm::choose_page(draw::Page page) {
    page_ = page;
    settings_.write(key(topic_, "Page"), kPageNames[page == draw::Page::Function ? 1 : 0]);
    graph_.reset();
    refresh();
}

void WorkingForm::clicked(std::string_view control) {
    const auto option = std::ranges::find(kOptions, control, &Option::control);
    if (option != kOptions.end()) {
        preferred_ = option->method;
        settings_.write(key(topic_, "Method"), option->stored);
        refresh();
    } else if (control == "optSolve" || control == "optFunction") {
        choose_page(control == "optSolve" ? draw::Page::Solve : draw::Page::Function);
    } else if (control == "cmdCopyText") {
        view_.copy_text(text());
    } else if (control == "cmdCopyGraph") {
        view_.copy_picture("picGraph");
    } else if (control == "cmdPrint" || control == "cmdSave") {
        draw::Document document({document_item()}, version_line());
        control == "cmdPrint" ? view_.print(document) : view_.save(document);
    } else if (control == "cmdClose") {
        view_.close();
    }
}

void WorkingForm::set_zoom(int zoom) {
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    settings_.write(key(topic_, "Zoom"), std::to_string(zoom_));
    view_.flash("lblZoom", "缩放 " + std::to_string(zoom_) + "%");
    arrange();
    view_.repaint("picWorking");
    view_.repaint("picGraph");
}

void WorkingForm::step_zoom(int steps) {
    const auto at = std::ranges::find(kZooms, zoom_);
    const auto index =
        std::clamp<std::ptrdiff_t>((at - kZooms.begin()) + steps, 0, std::ssize(kZooms) - 1);
    set_zoom(kZooms[static_cast<std::size_t>(index)]);
}

void WorkingForm::resized(int width, int height) {
    width_ = width;
    height_ = height;
    arrange();
}

void WorkingForm::arrange() {
    if (width_ <= 0 || height_ <= 0) {
        return;
    }
    for (const auto& [control, place] :
         arrange_working(controls(), frame(), width_, height_, zoom_)) {
        view_.place(control, place);
    }
}

bool WorkingForm::key_pressed(std::string_view control, Key key) {
    switch (key) {
    case Key::Escape:
        if (full_screen_) {
            full_screen_ = false;
            view_.set_full_screen(false);
        } else {
            view_.close();
        }
        return true;
    case Key::FullScreen:
        full_screen_ = !full_screen_;
        view_.set_full_screen(full_screen_);
        return true;
    case Key::ZoomIn:
    case Key::ZoomOut:
        step_zoom(key == Key::ZoomIn ? 1 : -1);
        return true;
    case Key::ZoomReset:
        set_zoom(kZooms.front());
        return true;
    case Key::Print:
    case Key::Save:
        clicked(key == Key::Print ? "cmdPrint" : "cmdSave");
        return true;
    default:
        break;
    }
    if (control == "picGraph" && graph_.key_pressed(key, shown_plot())) {
        return true;
    }
    return Form::key_pressed(control, key);
}

bool WorkingForm::pointer(std::string_view control, const PointerEvent& event) {
    if (event.kind == PointerEvent::Kind::Wheel && event.control_key) {
        // A fine wheel (a touchpad) sends parts of a notch: they add up.
        wheel_notches_ += event.amount;
        const double steps = std::trunc(wheel_notches_);
        wheel_notches_ -= steps;
        step_zoom(static_cast<int>(steps));
        return true;
    }
    if (control == "picWorking" && event.kind == PointerEvent::Kind::Pinch) {
        if (event.amount > 1.2 || event.amount < 1 / 1.2) {
            step_zoom(event.amount > 1 ? 1 : -1);
            return true;
        }
        return false;
    }
    return control == "picGraph" && graph_.pointer(event, shown_plot(), zoom_ / 100.0);
}

double WorkingForm::paint(std::string_view control, draw::Canvas& canvas) {
    const double zoom = zoom_ / 100.0;
    if (control == "picGraph") {
        graph_.paint(shown_plot(), zoom, canvas);
        return canvas.height();
    }
    canvas.fill(draw::Ink::Paper);
    const double margin = 8 * canvas.scale() * zoom;
    const std::vector<calc::Formula> lines = shown_lines();
    const draw::Typeset set =
        draw::typeset(lines, kPoints * zoom, canvas.width() - 2 * margin, canvas);
    draw::draw(set, canvas, {margin, margin});
    return set.height + 2 * margin;
}

} // namespace vornix::ui
