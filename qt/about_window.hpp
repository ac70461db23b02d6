// frmAbout on Qt: the About window's rules (ui::AboutForm) in a fixed dialog
// built from their table.
#pragma once

#include "about_form.hpp"
#include "form_window.hpp"

namespace vornix::qt {

class AboutWindow : public FormWindow {
  public:
    // Builds the window and runs its load step; it deletes itself once closed.
    AboutWindow(Services& services, sysinfo::Registry& registry);

  private:
    ui::AboutForm form_;
};

} // namespace vornix::qt
