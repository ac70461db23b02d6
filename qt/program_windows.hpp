// The program's windows on Qt: a window counts as open while it is shown.
#pragma once

#include "open_windows.hpp"

#include <QObject>
#include <QWidget>

#include <functional>

namespace vornix::qt {

class ProgramWindows : public QObject {
  public:
    // `when_all_closed` runs once, after the last tracked window has closed.
    explicit ProgramWindows(std::function<void()> when_all_closed);

    // Counts `window` among the program's windows while it is shown.
    void track(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void counted(QObject& window, bool open);

    ui::OpenWindows open_;
    bool ended_ = false;
};

} // namespace vornix::qt
