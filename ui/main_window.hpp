// Form1, the startup window: the quadratic exercise above, the line through
// two points below, the About button and the feedback link along the bottom.
// Entry texts go to the calculation core when a GO button is pressed; the
// answer text (or the fault message) comes back into the answer label.
#pragma once

#include "services.hpp"

#include <QWidget>

#include <functional>

class QLabel;

namespace vornix::ui {

class MainWindow : public QWidget {
  public:
    explicit MainWindow(host::Services& services);

    // What the About button does; the About window's owner sets it.
    void set_about_action(std::function<void()> action);

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

    host::Services& services_;
    std::function<void()> about_action_;
};

} // namespace vornix::ui
