// Form1 on Qt: widgets built from the main window's table; every event goes
// to the window's rules (ui::MainForm), which act through a WidgetView.
#pragma once

#include "main_form.hpp"
#include "program_windows.hpp"
#include "registry.hpp"
#include "services.hpp"
#include "widget_view.hpp"

#include <QPointer>
#include <QWidget>

#include <memory>

class QKeyEvent;
class QLineEdit;

namespace vornix::qt {

class AboutWindow;

class MainWindow : public QWidget, private ui::AboutHost {
  public:
    // `windows` keeps the program alive while the About window is open.
    MainWindow(Services& services, ProgramWindows& windows);
    ~MainWindow() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void wire_controls();
    void offer_copy(const QString& answer, const QPoint& where);
    void offer_entry_menu(QLineEdit& box, const QPoint& where);
    bool key_pressed(QObject& control, const QKeyEvent& key);
    bool about_is_open() const override;
    void open_about() override;
    void show_about() override;

    Services& services_;
    ProgramWindows& windows_;
    WidgetView view_;
    ui::MainForm form_;
    std::unique_ptr<sysinfo::Registry> registry_;
    QPointer<AboutWindow> about_;
};

} // namespace vornix::qt
