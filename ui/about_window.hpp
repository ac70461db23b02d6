// frmAbout: the title, version and purpose of Vornix, a usage warning, and
// the button that starts the System Information program.
#pragma once

#include "services.hpp"

#include <QDialog>

namespace vornix::ui {

class AboutWindow : public QDialog {
  public:
    // Builds the window and runs its load step; it deletes itself once closed.
    explicit AboutWindow(host::Services& services);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void load();
    void place_on_screen();

    host::Services& services_;
};

} // namespace vornix::ui
