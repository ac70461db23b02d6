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

WorkingForm::WorkingForm(View& view, Topic topic, Settings& settings, std::uint64_t practice_seed)
    : view_(view), topic_(topic), settings_(settings),
      answers_(view, settings, std::string(settings_group(topic))),
      practice_(view, settings, std::string(settings_group(topic)), practice_seed) {}

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
    answers_.load();
    practice_.load();
    answers_.new_exercise(nullptr);
    refresh();
}

void WorkingForm::show(const calc::Exercise* exercise) {
    if (exercise == nullptr) {
        exercise_.reset();
    } else {
        exercise_ = *exercise;
    }
    // The main window's exercise again: practice is over.
    if (practice_.active()) {
        practice_.end();
        view_.set_window_caption(frame().caption);
    }
    start_exercise();
}

void WorkingForm::start_exercise() {
    // A new exercise is seen whole again, and asked afresh.
    graph_.reset();
    answers_.new_exercise(exercise_ ? &*exercise_ : nullptr);
    refresh();
}

calc::PracticeKind WorkingForm::practice_kind() const {
    if (topic_ == Topic::Line) {
        return calc::PracticeKind::Line;
    }
    if (page_ == draw::Page::Function) {
        return calc::PracticeKind::Function;
    }
    const calc::Working* working = shown_working();
    switch (working != nullptr ? working->method : preferred_.value_or(Method::Formula)) {
    case Method::Factoring:
        return calc::PracticeKind::Factor;
    case Method::CompletingSquare:
        return calc::PracticeKind::Square;
    default:
        return calc::PracticeKind::Formula;
    }
}

void WorkingForm::next_practice() {
    const calc::PracticeKind kind = practice_kind();
    exercise_ = practice_.next(kind);
    // The method practised is the one shown, whatever a teacher would pick.
    if (kind == calc::PracticeKind::Factor || kind == calc::PracticeKind::Square ||
        kind == calc::PracticeKind::Formula) {
        preferred_ = kind == calc::PracticeKind::Factor   ? Method::Factoring
                     : kind == calc::PracticeKind::Square ? Method::CompletingSquare
                                                          : Method::Formula;
    }
    view_.set_window_caption(std::string(frame().caption) + "（练习）");
    start_exercise();
    answers_.hide_until_answered();
    refresh();
}

const calc::Working* WorkingForm::shown_working() const {
    return exercise_ ? draw::chosen_working(*exercise_, preferred_) : nullptr;
}

std::vector<calc::Formula> WorkingForm::shown_lines() const {
    if (exercise_ && answers_.hiding()) {
        const calc::Formula& statement =
            page_ == draw::Page::Function ? exercise_->function.statement : exercise_->statement;
        std::vector<calc::Formula> lines;
        if (!statement.empty()) {
            lines.push_back(statement);
        }
        lines.push_back(
            draw::words("先做后看：在下面写出你的答案，按“检查”；想看解题过程，按“显示过程”."));
        return lines;
    }
    return whole_lines();
}

std::vector<calc::Formula> WorkingForm::whole_lines() const {
    if (!exercise_) {
        return {draw::words(
            topic_ == Topic::Quadratic
                ? "输入方程的系数 a、b、c，按 GO 求解，这里就写出解题过程，旁边画出函数的图像."
                : "输入两个点的坐标，按 GO 求解，这里就写出解题过程，旁边画出函数的图像.")};
    }
    return draw::page_lines(*exercise_, page_, preferred_);
}

calc::Plot WorkingForm::shown_plot() const {
    const calc::Plot& whole = whole_plot();
    return answers_.hiding() && !copying_ ? unmarked(whole) : whole;
}

const calc::Plot& WorkingForm::whole_plot() const {
    return exercise_ ? draw::page_plot(*exercise_, page_) : empty_plot();
}

namespace {

std::string text_of(const std::vector<calc::Formula>& lines) {
    std::string text;
    for (const calc::Formula& line : lines) {
        if (!text.empty()) {
            text += '\n';
        }
        text += calc::linear_text(line);
    }
    return text;
}

} // namespace

std::string WorkingForm::text() const {
    return text_of(whole_lines());
}

draw::DocumentItem WorkingForm::document_item() const {
    return {whole_lines(), whole_plot()};
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
    view_.set_description("picWorking", text_of(shown_lines()));
    graph_.describe(shown_plot());
    view_.repaint("picWorking");
    view_.repaint("picGraph");
}

void WorkingForm::choose_page(draw::Page page) {
    page_ = page;
    settings_.write(key(topic_, "Page"), kPageNames[page == draw::Page::Function ? 1 : 0]);
    graph_.reset();
    answers_.question_changed(exercise_ ? &*exercise_ : nullptr, page_);
    refresh();
}

std::optional<Method> WorkingForm::shown_method() const {
    const calc::Working* working = shown_working();
    return working != nullptr ? std::optional<Method>(working->method) : std::nullopt;
}

void WorkingForm::clicked(std::string_view control) {
    const calc::Exercise* exercise = exercise_ ? &*exercise_ : nullptr;
    if (answers_.clicked(control, exercise, page_, shown_method())) {
        if (answers_.answered_correctly()) {
            practice_.answered_correctly();
        }
        refresh();
        return;
    }
    if (practice_.clicked(control)) {
        return;
    }
    const auto option = std::ranges::find(kOptions, control, &Option::control);
    if (option != kOptions.end()) {
        preferred_ = option->method;
        settings_.write(key(topic_, "Method"), option->stored);
        answers_.question_changed(exercise, page_);
        refresh();
    } else if (control == "cmdNext") {
        next_practice();
    } else if (control == "optSolve" || control == "optFunction") {
        choose_page(control == "optSolve" ? draw::Page::Solve : draw::Page::Function);
    } else if (control == "cmdCopyText") {
        view_.copy_text(text());
    } else if (control == "cmdCopyGraph") {
        // A copy, as a print, takes the whole graph, marks and all.
        copying_ = true;
        view_.copy_picture("picGraph");
        copying_ = false;
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
    const double width = canvas.width() - 2 * margin;
    const draw::Typeset set = draw::typeset(lines, kPoints * zoom, width, canvas);
    if (const std::optional<std::size_t> line = answers_.marked_line();
        line && exercise_ && !answers_.hiding()) {
        draw::mark_formula(set, page_line_of(*exercise_, page_, *line), canvas, {margin, margin},
                           width);
    }
    draw::draw(set, canvas, {margin, margin});
    return set.height + 2 * margin;
}

} // namespace vornix::ui
