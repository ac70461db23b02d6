#include "main_window.hpp"

namespace vornix::win32 {
namespace {

std::size_t working_index(ui::Secondary window) {
    return window == ui::Secondary::QuadraticWorking ? 0 : 1;
}

} // namespace

MainWindow::MainWindow(Services& services, ui::OpenWindows& windows, sysinfo::Registry& registry)
    : FormWindow(services, windows), form_(*this, *this), windows_(windows), registry_(registry) {
    create(form_);
}

// The other windows still open when the program ends go with it.
MainWindow::~MainWindow() = default;

FormWindow* MainWindow::other(ui::Secondary window) const {
    FormWindow* made = window == ui::Secondary::About ? static_cast<FormWindow*>(about_.get())
                                                      : workings_[working_index(window)].get();
    return made != nullptr && made->handle() != nullptr ? made : nullptr;
}

AboutWindow* MainWindow::about() const {
    return static_cast<AboutWindow*>(other(ui::Secondary::About));
}

WorkingWindow* MainWindow::working_window(ui::Topic topic) const {
    return static_cast<WorkingWindow*>(other(topic == ui::Topic::Quadratic
                                                 ? ui::Secondary::QuadraticWorking
                                                 : ui::Secondary::LineWorking));
}

bool MainWindow::is_open(ui::Secondary window) const {
    return other(window) != nullptr;
}

void MainWindow::open(ui::Secondary window) {
    switch (window) {
    case ui::Secondary::About:
        about_ = std::make_unique<AboutWindow>(services(), windows_, registry_);
        break;
    case ui::Secondary::QuadraticWorking:
    case ui::Secondary::LineWorking:
        const ui::Topic topic =
            window == ui::Secondary::QuadraticWorking ? ui::Topic::Quadratic : ui::Topic::Line;
        workings_[working_index(window)] =
            std::make_unique<WorkingWindow>(services(), windows_, topic);
        break;
    }
}

void MainWindow::show(ui::Secondary window) {
    other(window)->show();
}

ui::WorkingForm* MainWindow::working(ui::Secondary window) {
    WorkingWindow* open =
        window == ui::Secondary::About ? nullptr : static_cast<WorkingWindow*>(other(window));
    return open == nullptr ? nullptr : &open->form();
}

} // namespace vornix::win32
