// 解题过程 on Qt: the working window's rules (ui::WorkingForm) in a window
// that grows, with a taskbar button of its own; it comes back where and as
// large as the user left it, where that still fits the screens.
#pragma once

#include "form_window.hpp"
#include "working_form.hpp"

namespace vornix::qt {

class WorkingWindow : public FormWindow {
  public:
    // Builds the window and runs its load step; it deletes itself once closed.
    WorkingWindow(Services& services, ui::Topic topic);

    ui::WorkingForm& form() { return form_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void restore_place();

    ui::Topic topic_;
    ui::WorkingForm form_;
};

} // namespace vornix::qt
