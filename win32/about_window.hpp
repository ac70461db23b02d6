// frmAbout on Windows: a fixed dialog frame with a close button only, owned
// by a hidden window so that it has no taskbar button.
#pragma once

#include "about_form.hpp"
#include "form_window.hpp"

namespace vornix::win32 {

class AboutWindow final : public FormWindow {
  public:
    // Builds the window and runs its load step; hidden until shown.
    AboutWindow(Services& services, OpenWindows& windows, sysinfo::Registry& registry);

    // Shows it, restored if minimised, raised and active.
    void show();

  private:
    void on_clicked(std::string_view control) override;
    void on_escape() override;
    std::string_view default_button() const override;
    void on_placed() override;
    void paint(HDC dc) override;

    ui::AboutForm form_;
};

} // namespace vornix::win32
