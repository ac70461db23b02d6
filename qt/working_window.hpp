// 解题过程 on Qt: the working window's rules (ui::WorkingForm) in a window of
// one size, with a taskbar button of its own.
#pragma once

#include "form_window.hpp"
#include "working_form.hpp"

namespace vornix::qt {

class WorkingWindow : public FormWindow {
  public:
    // Builds the window and runs its load step; it deletes itself once closed.
    WorkingWindow(Services& services, ui::Topic topic);

    ui::WorkingForm& form() { return form_; }

  private:
    ui::WorkingForm form_;
};

} // namespace vornix::qt
