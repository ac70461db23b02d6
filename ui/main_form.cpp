#include "main_form.hpp"

#include "exercise.hpp"
#include "working_form.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace vornix::ui {
namespace {

constexpr ControlKind kEntry = ControlKind::EntryBox;
constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kButton = ControlKind::Button;
constexpr ControlKind kHyperlink = ControlKind::Link;

constexpr Font song(double points, bool underline = false) {
    return {Typeface::Song, points, underline};
}
constexpr Font kai(double points) {
    return {Typeface::Kai, points, false};
}
constexpr Font kSystemFont{};

constexpr Colour kAnswerColour = 0x000040C0;
constexpr Colour kLinkColour = 0x00FF0000;
constexpr Colour kLinkHoverColour = 0x000000FF;

// clang-format off
constexpr std::array<ControlRow, 27> kControls{{
//   name        kind     caption                        left  top   width height font              text colour    tab accessible name (empty: its text), description
    {"Text1",    kEntry,  "",                            360,  600,  615,  615,  song(15.75),      kSystemColour, 0,  "二次项系数 a"},
    {"Text2",    kEntry,  "",                            2040, 600,  615,  615,  song(15.75),      kSystemColour, 1,  "一次项系数 b"},
    {"Text3",    kEntry,  "",                            3480, 600,  615,  615,  song(15.75),      kSystemColour, 2,  "常数项 c"},
    {"Label1",   kLabel,  "X^2+",                        1080, 600,  855,  615,  song(21.75),      kSystemColour, 3,  "X 的平方加"},
    {"Label2",   kLabel,  "X+",                          2760, 600,  615,  615,  song(21.75),      kSystemColour, 4,  "X 加"},
    {"Label3",   kLabel,  "=",                           4200, 600,  615,  615,  song(21.75),      kSystemColour, 5,  "等于"},
    {"Label4",   kLabel,  "",                            360,  1560, 4815, 615,  song(14.25),      kAnswerColour, 6,  "", "方程的解"},
    {"Command1", kButton, "GO",                          5640, 600,  735,  1695, song(24),         kSystemColour, 7,  "GO，解方程"},
    {"Label5",   kLabel,  "0",                           4680, 600,  735,  615,  song(21.75),      kSystemColour, 8,  "零"},
    {"Label6",   kLabel,  "二次函数Vornix",               120,  120,  5415, 495,  kai(15.75),       kSystemColour, 9,  ""},
    {"Command2", kButton, "About",                       120,  5400, 975,  375,  kSystemFont,      kSystemColour, 10, "About，关于 Vornix"},
    {"Label7",   kLabel,  " 由坐标求一次函数式",           0,    2520, 3375, 495,  kai(15.75),       kSystemColour, 11, ""},
    {"Label8",   kLabel,  "坐标1",                        240,  3240, 735,  375,  song(12),         kSystemColour, 12, ""},
    {"Label9",   kLabel,  "坐标2",                        3240, 3240, 735,  375,  song(12),         kSystemColour, 13, ""},
    {"Text4",    kEntry,  "",                            1200, 3120, 615,  615,  song(15.75),      kSystemColour, 14, "坐标1 的 x"},
    {"Text5",    kEntry,  "",                            2280, 3120, 615,  615,  song(15.75),      kSystemColour, 15, "坐标1 的 y"},
    {"Text6",    kEntry,  "",                            4200, 3120, 615,  615,  song(15.75),      kSystemColour, 16, "坐标2 的 x"},
    {"Text7",    kEntry,  "",                            5280, 3120, 615,  615,  song(15.75),      kSystemColour, 17, "坐标2 的 y"},
    {"Label10",  kLabel,  "，",                           1920, 2880, 375,  615,  song(36),         kSystemColour, 18, "逗号"},
    {"Label11",  kLabel,  "，",                           4920, 2880, 495,  615,  song(36),         kSystemColour, 19, "逗号"},
    {"Label12",  kLabel,  "(",                           960,  3240, 375,  975,  song(21.75),      kSystemColour, 20, "左括号"},
    {"Label13",  kLabel,  ")",                           2880, 3240, 375,  975,  song(21.75),      kSystemColour, 21, "右括号"},
    {"Label14",  kLabel,  "(",                           3840, 3240, 375,  975,  song(21.75),      kSystemColour, 22, "左括号"},
    {"Label15",  kLabel,  ")",                           5880, 3240, 375,  975,  song(21.75),      kSystemColour, 23, "右括号"},
    {"Command3", kButton, "GO",                          5640, 3960, 735,  1815, song(24),         kSystemColour, 24, "GO，求一次函数式"},
    {"Label16",  kLabel,  "",                            360,  3960, 4695, 1215, song(12),         kSystemColour, 25, "", "一次函数式"},
    {"Label17",  kHyperlink,  "提意见、建议，更多资讯？ 请到我空间留言", 1320, 5520, 4695, 375, song(10.5, true), kLinkColour,   26, "", "网页链接"},
}};
// clang-format on

// Line1, the rule between the two exercises, drawn with a not-xor pen so that
// over the light grey it shows mid grey.
constexpr std::array<Rule, 1> kRule{{{0, 6480, 2400, 0x00404040, 3}}};

constexpr WindowFrame kFrame{"求根及点坐标运算",          6510,         5970,  0x00C0C0C0,
                             WindowFrame::Style::Sizable, std::nullopt, kRule, true};

constexpr std::string_view kLink = "Label17";

// Where the answer's tip and description say how to see the working.
constexpr std::string_view kWorkingHint = "双击或按 Alt+Enter 查看解题过程与图像";

calc::Exercise evaluate_quadratic(const View& view) {
    return calc::evaluate_quadratic(view.text("Text1"), view.text("Text2"), view.text("Text3"));
}

calc::Exercise evaluate_line(const View& view) {
    return calc::evaluate_line(view.text("Text4"), view.text("Text5"), view.text("Text6"),
                               view.text("Text7"));
}

// An exercise: its entry boxes, its GO button, its answer label and its working window.
struct Exercise {
    std::string_view go;
    std::string_view answer;
    std::array<std::string_view, 4> boxes; // in the order the solver reads them
    calc::Exercise (*evaluate)(const View& view);
    Secondary working;
};

const std::array<Exercise, 2> kExercises{{
    {"Command1",
     "Label4",
     {"Text1", "Text2", "Text3", ""},
     evaluate_quadratic,
     Secondary::QuadraticWorking},
    {"Command3",
     "Label16",
     {"Text4", "Text5", "Text6", "Text7"},
     evaluate_line,
     Secondary::LineWorking},
}};

const Exercise* exercise_of_go(std::string_view go) {
    const auto found = std::ranges::find(kExercises, go, &Exercise::go);
    return found == kExercises.end() ? nullptr : &*found;
}

const Exercise* exercise_of_answer(std::string_view answer) {
    const auto found = std::ranges::find(kExercises, answer, &Exercise::answer);
    return found == kExercises.end() ? nullptr : &*found;
}

std::size_t exercise_index(const Exercise& exercise) {
    return static_cast<std::size_t>(&exercise - kExercises.data());
}

const Exercise* exercise_of_box(std::string_view box) {
    const auto found = std::ranges::find_if(
        kExercises, [box](const Exercise& e) { return std::ranges::count(e.boxes, box) > 0; });
    return box.empty() || found == kExercises.end() ? nullptr : &*found;
}

} // namespace

std::span<const ControlRow> MainForm::table() {
    return kControls;
}

const WindowFrame& MainForm::window() {
    return kFrame;
}

std::string_view MainForm::feedback_address() {
    return VORNIX_FEEDBACK_URL;
}

std::string_view MainForm::fault_message() {
    return "运算错误：除数为零或数值溢出，请检查输入的数字。";
}

bool MainForm::is_answer(std::string_view control) {
    return std::ranges::count(kExercises, control, &Exercise::answer) > 0;
}

void MainForm::load() {
    view_.set_underline(kLink, true);
    view_.set_text_colour(kLink, kLinkColour);
    for (const Exercise& exercise : kExercises) {
        view_.set_tooltip(exercise.answer, kWorkingHint);
    }
}

void MainForm::clicked(std::string_view control) {
    if (exercise_of_go(control) != nullptr) {
        solve(control);
    } else if (control == "Command2") {
        // One About window at a time: made and loaded on first use, shown
        // again while open, made anew once it has been closed.
        if (!windows_.is_open(Secondary::About)) {
            windows_.open(Secondary::About);
        }
        windows_.show(Secondary::About);
    }
}

void MainForm::solve(std::string_view go) {
    const Exercise& exercise = *exercise_of_go(go);
    std::optional<calc::Exercise>& result = results_[exercise_index(exercise)];
    result = exercise.evaluate(view_);
    if (WorkingForm* working = windows_.working(exercise.working)) {
        working->show(&*result);
    }
    if (result->answer.empty()) {
        view_.show_message(std::string(fault_message()));
        return;
    }
    const std::string role(find_control(kControls, exercise.answer)->description);
    const std::string exact = result->exact.empty() ? "" : result->exact + "\n";
    shown_exact_[exercise_index(exercise)] = result->exact;
    view_.set_caption(exercise.answer, result->answer);
    view_.set_tooltip(exercise.answer, exact + std::string(kWorkingHint));
    view_.set_description(exercise.answer, role + "\n" + exact + std::string(kWorkingHint));
    view_.announce(exercise.answer);
}

// Made and loaded on first use, then shown with the exercise's latest GO.
void MainForm::open_working(std::string_view answer) {
    const Exercise& exercise = *exercise_of_answer(answer);
    if (!windows_.is_open(exercise.working)) {
        windows_.open(exercise.working);
    }
    windows_.show(exercise.working);
    if (WorkingForm* working = windows_.working(exercise.working)) {
        const std::optional<calc::Exercise>& result = results_[exercise_index(exercise)];
        working->show(result ? &*result : nullptr);
    }
}

void MainForm::double_clicked(std::string_view control) {
    if (is_answer(control)) {
        open_working(control);
    }
}

void MainForm::mouse_moved(std::string_view control) {
    if (control == kLink) {
        show_link_hovered(true);
    } else if (control == kBackground) {
        show_link_hovered(false);
    }
}

void MainForm::show_link_hovered(bool hovered) {
    view_.set_text_colour(kLink, hovered ? kLinkHoverColour : kLinkColour);
    view_.set_pointer(hovered ? Pointer::Cross : Pointer::Default);
}

void MainForm::mouse_pressed(std::string_view control) {
    pressed_ = control == kLink ? kLink : std::string_view();
}

void MainForm::mouse_released(std::string_view control, bool over_control) {
    const bool click = !pressed_.empty() && control == pressed_ && over_control;
    pressed_ = {};
    if (click) {
        open_page();
    }
}

// A page that cannot be opened is said so, so that a click is never lost in silence.
void MainForm::open_page() {
    if (!view_.open_page(feedback_address())) {
        view_.show_message("无法打开网页，请检查是否设置了默认浏览器：\n" +
                           std::string(feedback_address()));
    }
}

bool MainForm::key_pressed(std::string_view control, Key key) {
    if (control == kLink && (key == Key::Enter || key == Key::Space)) {
        open_page();
        return true;
    }
    const Exercise* exercise =
        is_answer(control) ? exercise_of_answer(control) : exercise_of_box(control);
    if (key == Key::ShowWorking && exercise != nullptr) {
        open_working(exercise->answer);
        return true;
    }
    if (key == Key::CopyAnswer && !is_answer(control) && exercise != nullptr) {
        copy_answer(exercise->answer);
        return true;
    }
    return Form::key_pressed(control, key);
}

std::string_view MainForm::default_button(std::string_view focused) const {
    const Exercise* exercise = exercise_of_box(focused);
    return exercise == nullptr ? std::string_view() : exercise->go;
}

std::vector<MenuItem> MainForm::menu(std::string_view control) const {
    if (is_answer(control)) {
        return {{"复制"}, {"复制精确解", has_exact_form(control)}, {"解题过程与图像…"}};
    }
    if (exercise_of_box(control) != nullptr) {
        return {{"复制答案", true, "Ctrl+Shift+C"}, {"解题过程与图像…", true, "Alt+Enter"}};
    }
    return {};
}

void MainForm::menu_chosen(std::string_view control, std::size_t item) {
    if (const Exercise* exercise = exercise_of_box(control)) {
        if (item == 0) {
            copy_answer(exercise->answer);
        } else if (item == 1) {
            open_working(exercise->answer);
        }
    } else if (is_answer(control)) {
        if (item == 0) {
            copy_answer(control);
        } else if (item == 1) {
            copy_exact_form(control);
        } else if (item == 2) {
            open_working(control);
        }
    }
}

void MainForm::copy_answer(std::string_view answer_label) {
    if (is_answer(answer_label)) {
        view_.copy_text(view_.caption(answer_label));
    }
}

// The exact form of the answer shown: a GO that faulted left the answer, and its form, as they
// were.
const std::string* MainForm::exact_form(std::string_view answer_label) const {
    const Exercise* exercise = exercise_of_answer(answer_label);
    if (exercise == nullptr) {
        return nullptr;
    }
    const std::string& shown = shown_exact_[exercise_index(*exercise)];
    return shown.empty() ? nullptr : &shown;
}

bool MainForm::has_exact_form(std::string_view answer_label) const {
    return exact_form(answer_label) != nullptr;
}

void MainForm::copy_exact_form(std::string_view answer_label) {
    if (const std::string* exact = exact_form(answer_label)) {
        view_.copy_text(*exact);
    }
}

} // namespace vornix::ui
