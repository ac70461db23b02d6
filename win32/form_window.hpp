// A window on Win32 built from its rules' table with the system's own
// controls (STATIC, EDIT, BUTTON) and the program's link, laid out in twips at
// the window's own DPI, and run by the system's dialog manager: Tab, arrows,
// Enter for the default button, Esc and access keys. Its events go to the
// rules (ui::Form); it does what the rules ask (ui::View).
//
// The parts live in: dialog_host.cpp (the window and its messages),
// control_messages.cpp (what its controls are told: keys, mouse, menus),
// controls.cpp (the controls from the table), canvas_control.cpp (the
// drawings), dpi.cpp (placing them at a resolution, a size, full screen),
// window_view.cpp (the view), link.cpp (the link control).
#pragma once

#include "fonts.hpp"
#include "form.hpp"
#include "open_windows.hpp"
#include "services.hpp"
#include "view.hpp"

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::win32 {

class FormWindow : public ui::View {
  public:
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // The window, or nullptr once it has been closed.
    HWND handle() const { return window_; }
    // The control of that name; aborts when the table has none.
    HWND control(std::string_view name) const;
    int dpi() const { return dpi_; }
    // The window's tooltip control, made on first need.
    HWND tooltips();

    // Whether `window` is one of the program's form windows, whose keyboard
    // the message loop hands to the dialog manager.
    static bool is_form(HWND window);

    std::string text(std::string_view control) const override;
    void set_text(std::string_view control, std::string_view text) override;
    std::string caption(std::string_view control) const override;
    void set_caption(std::string_view control, std::string_view text) override;
    void set_text_colour(std::string_view control, ui::Colour colour) override;
    void set_underline(std::string_view control, bool underline) override;
    void set_window_caption(std::string_view text) override;
    void set_tooltip(std::string_view control, std::string_view text) override;
    void set_description(std::string_view control, std::string_view text) override;
    void set_pointer(ui::Pointer pointer) override;
    void announce(std::string_view control) override;
    bool open_page(std::string_view address) override;
    void copy_text(std::string_view text) override;
    void copy_picture(std::string_view control) override;
    void set_enabled(std::string_view control, bool enabled) override;
    void set_checked(std::string_view control, bool checked) override;
    void repaint(std::string_view control) override;
    void close() override;
    bool start_program(const std::string& path) override;
    void show_message(const std::string& text) override;
    void place(std::string_view control, const ui::Rect& twips) override;
    void set_full_screen(bool full_screen) override;
    void flash(std::string_view control, std::string_view text) override;
    void print(draw::Document& document) override;
    void save(draw::Document& document) override;

    // Shows the window, restored if minimised, raised and active; the first
    // time, maximised if it was when last closed.
    void show(int show_command = SW_SHOW);

  protected:
    FormWindow(Services& services, ui::OpenWindows& windows);

    // Creates the window and its controls from the rules' table and frame,
    // hidden, then runs the load step.
    void create(ui::Form& form);
    Services& services() { return services_; }
    int pixels(int twips) const { return ui::twips_to_pixels(twips, dpi_); }
    std::string_view name_of(HWND control) const;

    // What a window adds to its table: drawing, work after each placing, and
    // before the window goes.
    virtual void paint(HDC) {}
    virtual void on_placed() {}
    virtual void on_destroying() {}
    // Where the window goes when neither maximised nor full screen, in
    // workspace coordinates, and whether it is maximised.
    WINDOWPLACEMENT placement() const;
    // Shows the window maximised the first time it is shown.
    void show_maximised_first() { first_show_ = SW_SHOWMAXIMIZED; }
    // The program's icon at `pixels` square, made for this window.
    HICON icon(int pixels);

  private:
    struct Control {
        const ui::ControlRow* row;
        HWND window;
        ui::Colour colour;
        bool underline;
        std::wstring description;
        std::wstring tip;
        bool has_tooltip = false;
        bool live_region = false;
    };

    // dialog_host.cpp
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam);
    static LRESULT CALLBACK control_procedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam, UINT_PTR id, DWORD_PTR self);
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT on_control_message(const Control& control, UINT message, WPARAM wparam, LPARAM lparam);
    void on_command(WPARAM wparam, LPARAM lparam);
    void on_timer(WPARAM timer);
    void route_wheel(WPARAM wparam, LPARAM lparam);
    // control_messages.cpp
    void forward_mouse(std::string_view name, UINT message, LPARAM lparam, HWND source);
    bool forward_key(const Control& control, WPARAM key);
    void register_tip(Control& target);
    void offer_menu(HWND control, POINT where);
    LRESULT colour_static(HDC dc, HWND control);
    void follow_focus(HWND focused);
    void paint_rules(HDC dc) const;
    void repaint_all();
    // controls.cpp
    void build_controls();
    void stack_controls();
    const Control& find(std::string_view name) const;
    Control& find(std::string_view name);
    Control* find(HWND window);
    // dpi.cpp
    void place_window(const ui::Rect& client_in_screen);
    void place_controls(int dpi);
    void moved_to_dpi(int dpi, const RECT& suggested);
    bool resizable() const;
    // Tells a resizable window's rules its client area, which they fill.
    void tell_size();
    void keep_smallest_size(MINMAXINFO& limits) const;
    POINT designed_place() const;
    DWORD style() const;
    DWORD ex_style() const;
    void set_icons();

    Services& services_;
    ui::OpenWindows& windows_;
    ui::Form* form_ = nullptr;
    HWND window_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<Control> controls_;
    Fonts fonts_;
    std::vector<HICON> icons_;
    ui::Pointer pointer_ = ui::Pointer::Default;
    HWND tooltips_ = nullptr;
    bool alt_enter_taken_ = false;
    bool full_screen_ = false;
    WINDOWPLACEMENT before_full_screen_{};
    std::string flashed_; // the label showing a flash, until its timer
    int first_show_ = SW_SHOW;
};

} // namespace vornix::win32
