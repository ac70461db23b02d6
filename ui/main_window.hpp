// Form1, the startup window: the quadratic exercise above, the line through
// two points below, the About button and the feedback link along the bottom.
// Entry texts go to the calculation core when a GO button is pressed; the
// answer text (or the fault message) comes back into the answer label.
#pragma once

#include "program_windows.hpp"
#include "services.hpp"

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;

namespace vornix::ui {

class AboutWindow;

class MainWindow : public QWidget {
  public:
    // `windows` keeps the program alive while the About window is open.
    MainWindow(host::Services& services, host::ProgramWindows& windows);
    ~MainWindow() override;

    static const QUrl& feedback_address();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void load();
    void wire_buttons();
    void solve_into(QLabel& answer, const std::function<std::string()>& solve);
    void offer_copy(QLabel& answer, const QPoint& where);
    void show_link_hovered(bool hovered);
    void show_about();

    host::Services& services_;
    host::ProgramWindows& windows_;
    QPointer<AboutWindow> about_;
};

} // namespace vornix::ui
