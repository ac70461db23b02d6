// 解题过程 on Windows: the working window's rules (ui::WorkingForm) in a
// window of one size, with a taskbar button of its own.
#pragma once

#include "form_window.hpp"
#include "working_form.hpp"

namespace vornix::win32 {

class WorkingWindow final : public FormWindow {
  public:
    // Builds the window and runs its load step; hidden until shown.
    WorkingWindow(Services& services, ui::OpenWindows& windows, ui::Topic topic);

    ui::WorkingForm& form() { return form_; }

  private:
    ui::WorkingForm form_;
};

} // namespace vornix::win32
