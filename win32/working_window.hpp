// 解题过程 on Windows: the working window's rules (ui::WorkingForm) in a
// window that grows, with a taskbar button of its own. It comes back where
// and as large as the user left it (maximised too), where that still fits
// the monitors there are now.
#pragma once

#include "form_window.hpp"
#include "working_form.hpp"

namespace vornix::win32 {

class WorkingWindow final : public FormWindow {
  public:
    // Builds the window and runs its load step; hidden until shown.
    WorkingWindow(Services& services, ui::OpenWindows& windows, ui::Topic topic);
    ~WorkingWindow() override;
    WorkingWindow(const WorkingWindow&) = delete;
    WorkingWindow& operator=(const WorkingWindow&) = delete;

    ui::WorkingForm& form() { return form_; }

  private:
    void on_destroying() override;
    void restore_place();
    void keep_place();

    ui::Topic topic_;
    ui::WorkingForm form_;
};

} // namespace vornix::win32
