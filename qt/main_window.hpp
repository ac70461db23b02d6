// Form1 on Qt: the main window's rules (ui::MainForm) in a window built from
// their table, and the program's other windows, which it makes and shows.
#pragma once

#include "form_window.hpp"
#include "main_form.hpp"
#include "program_windows.hpp"
#include "registry.hpp"

#include <QPointer>

#include <array>
#include <memory>

namespace vornix::qt {

class AboutWindow;
class WorkingWindow;

class MainWindow : public FormWindow, private ui::Windows {
  public:
    // `windows` keeps the program alive while any of its windows is open.
    MainWindow(Services& services, ProgramWindows& windows);
    ~MainWindow() override;
    using FormWindow::show;

  private:
    bool is_open(ui::Secondary window) const override;
    void open(ui::Secondary window) override;
    void show(ui::Secondary window) override;
    ui::WorkingForm* working(ui::Secondary window) override;
    QPointer<QWidget>& slot(ui::Secondary window);
    const QPointer<QWidget>& slot(ui::Secondary window) const;

    ProgramWindows& windows_;
    ui::MainForm form_;
    std::unique_ptr<sysinfo::Registry> registry_;
    // The About window and the two working windows, while they are open.
    std::array<QPointer<QWidget>, 3> others_;
};

} // namespace vornix::qt
