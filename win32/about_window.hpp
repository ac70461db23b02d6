// frmAbout on Windows: the About window's rules (ui::AboutForm) in a fixed
// dialog frame, owned by a hidden window so that it has no taskbar button.
#pragma once

#include "about_form.hpp"
#include "form_window.hpp"

namespace vornix::win32 {

class AboutWindow final : public FormWindow {
  public:
    // Builds the window and runs its load step; hidden until shown.
    AboutWindow(Services& services, ui::OpenWindows& windows, sysinfo::Registry& registry);

  private:
    void on_placed() override;

    ui::AboutForm form_;
};

} // namespace vornix::win32
