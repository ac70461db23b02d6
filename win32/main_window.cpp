#include "main_window.hpp"

namespace vornix::win32 {

MainWindow::MainWindow(Services& services, ui::OpenWindows& windows, sysinfo::Registry& registry)
    : FormWindow(services, windows), form_(*this, *this), windows_(windows), registry_(registry) {
    create(form_);
}

// An About window still open when the program ends goes with it.
MainWindow::~MainWindow() = default;

AboutWindow* MainWindow::about() const {
    return is_open(ui::Secondary::About) ? about_.get() : nullptr;
}

bool MainWindow::is_open(ui::Secondary) const {
    return about_ != nullptr && about_->handle() != nullptr;
}

void MainWindow::open(ui::Secondary) {
    about_ = std::make_unique<AboutWindow>(services(), windows_, registry_);
}

void MainWindow::show(ui::Secondary) {
    about_->show();
}

} // namespace vornix::win32
