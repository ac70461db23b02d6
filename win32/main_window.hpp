// Form1 on Windows: the main window's rules (ui::MainForm) in a window built
// from their table, and the program's other windows, which it makes and shows.
#pragma once

#include "about_window.hpp"
#include "form_window.hpp"
#include "main_form.hpp"
#include "working_window.hpp"

#include <array>
#include <memory>

namespace vornix::win32 {

class MainWindow final : public FormWindow, private ui::Windows {
  public:
    // Builds the window and runs its load step; hidden until shown.
    MainWindow(Services& services, ui::OpenWindows& windows, sysinfo::Registry& registry);
    ~MainWindow() override;
    using FormWindow::show;

    // The About window while it is open, else nullptr.
    AboutWindow* about() const;
    // The working window of the quadratic or the line while it is open, else nullptr.
    WorkingWindow* working_window(ui::Topic topic) const;

  private:
    bool is_open(ui::Secondary window) const override;
    void open(ui::Secondary window) override;
    void show(ui::Secondary window) override;
    ui::WorkingForm* working(ui::Secondary window) override;
    FormWindow* other(ui::Secondary window) const;

    ui::MainForm form_;
    ui::OpenWindows& windows_;
    sysinfo::Registry& registry_;
    std::unique_ptr<AboutWindow> about_;
    // The quadratic's and the line's working windows, in that order.
    std::array<std::unique_ptr<WorkingWindow>, 2> workings_;
};

} // namespace vornix::win32
