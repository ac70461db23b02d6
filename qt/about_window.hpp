// frmAbout on Qt: a fixed dialog built from the About window's table; its
// buttons go to the window's rules (ui::AboutForm).
#pragma once

#include "about_form.hpp"
#include "services.hpp"
#include "widget_view.hpp"

#include <QDialog>

namespace vornix::qt {

class AboutWindow : public QDialog {
  public:
    // Builds the window and runs its load step; it deletes itself once closed.
    AboutWindow(Services& services, sysinfo::Registry& registry);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void place_on_screen();

    WidgetView view_;
    ui::AboutForm form_;
};

} // namespace vornix::qt
