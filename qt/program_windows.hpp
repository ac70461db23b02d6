// The program ends when the last of its windows has closed, whatever kind of
// window that is (Qt's own rule overlooks tool windows and dialogs).
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace vornix::qt {

class ProgramWindows : public QObject {
  public:
    // `when_all_closed` runs once, after the last tracked window has closed.
    explicit ProgramWindows(std::function<void()> when_all_closed);

    // Counts `window` among the program's windows while it is shown or alive.
    void track(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void check_soon();
    void check();

    std::function<void()> when_all_closed_;
    std::vector<QPointer<QWidget>> windows_;
    bool ended_ = false;
};

} // namespace vornix::qt
