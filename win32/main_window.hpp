// Form1 on Windows: an ordinary sizable window with the main window's
// controls, its rule drawn with a not-xor pen, and the program's one About window.
#pragma once

#include "about_window.hpp"
#include "form_window.hpp"
#include "main_form.hpp"

#include <memory>

namespace vornix::win32 {

class MainWindow final : public FormWindow, private ui::AboutHost {
  public:
    // Builds the window and runs its load step; hidden until shown.
    MainWindow(Services& services, OpenWindows& windows, sysinfo::Registry& registry);
    ~MainWindow() override;

    void show(int show_command);
    // The About window while it is open, else nullptr.
    AboutWindow* about() const;

  private:
    void on_clicked(std::string_view control) override;
    void on_mouse_moved(std::string_view control) override;
    void on_mouse_pressed(std::string_view control) override;
    void on_mouse_released(std::string_view control, bool over_control) override;
    void on_enter(std::string_view control) override;
    void on_space(std::string_view control) override;
    bool on_copy_answer(std::string_view control) override;
    void on_context_menu(std::string_view control, POINT where) override;
    void on_placed() override;
    void paint(HDC dc) override;
    bool about_is_open() const override;
    void open_about() override;
    void show_about() override;

    ui::MainForm form_;
    OpenWindows& windows_;
    sysinfo::Registry& registry_;
    std::unique_ptr<AboutWindow> about_;
};

} // namespace vornix::win32
