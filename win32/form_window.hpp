// A window built from its control table with the Windows controls themselves
// (STATIC, EDIT, BUTTON), laid out in twips at the window's own DPI. It
// reports its events to the window's rules and implements their view.
#pragma once

#include "fonts.hpp"
#include "form.hpp"
#include "services.hpp"
#include "view.hpp"

#include <windows.h>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::win32 {

// Counts the program's open windows; the program ends when none is left.
class OpenWindows {
  public:
    explicit OpenWindows(std::function<void()> when_all_closed)
        : when_all_closed_(std::move(when_all_closed)) {}
    void opened() { ++open_; }
    void closed() {
        if (--open_ == 0) {
            when_all_closed_();
        }
    }
    int open() const { return open_; }

  private:
    std::function<void()> when_all_closed_;
    int open_ = 0;
};

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
    // The window's tooltip control, once a tooltip has been set.
    HWND tooltips() const { return tooltips_; }

    // Whether `window` is one of the program's form windows, whose keyboard
    // (Tab, Enter, Esc, access keys) the message loop hands to IsDialogMessage.
    static bool is_form(HWND window);

    std::string text(std::string_view control) const override;
    std::string caption(std::string_view control) const override;
    void set_caption(std::string_view control, std::string_view text) override;
    void set_text_colour(std::string_view control, ui::Colour colour) override;
    void set_underline(std::string_view control, bool underline) override;
    void set_window_caption(std::string_view text) override;
    void set_tooltip(std::string_view control, std::string_view text) override;
    void set_description(std::string_view control, std::string_view text) override;
    void set_pointer(ui::Pointer pointer) override;
    void announce(std::string_view control) override;
    void open_page(std::string_view address) override;
    void copy_text(std::string_view text) override;
    void close() override;
    bool start_program(const std::string& path) override;
    void show_message(const std::string& text) override;

  protected:
    struct Frame {
        const wchar_t* window_class;
        DWORD style;
        DWORD ex_style;
        HWND owner;
        int client_width; // twips
        int client_height;
    };

    FormWindow(Services& services, OpenWindows& windows, std::span<const ui::ControlSpec> table);

    // Creates the window and its controls, hidden. `client_origin` places the
    // client area's top-left corner, in screen pixels; CW_USEDEFAULT lets Windows choose.
    void create(const Frame& frame, POINT client_origin);
    // Registers a window class of this program once; `background` may be null.
    static const wchar_t* window_class(const wchar_t* name, HBRUSH background, HICON icon);

    int pixels(int twips) const { return ui::twips_to_pixels(twips, dpi_); }
    std::string_view name_of(HWND control) const;
    // Draws a table's straight line in the window's pixels.
    void draw_line(HDC dc, const ui::LineSpec& line) const;
    Services& services() { return services_; }

    virtual LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    virtual void on_clicked(std::string_view control) = 0;
    // `control` is ui::kBackground over the window's bare background.
    virtual void on_mouse_moved(std::string_view) {}
    virtual void on_mouse_pressed(std::string_view) {}
    virtual void on_mouse_released(std::string_view, bool /*over_control*/) {}
    // Enter with the focus on a control that is not a button.
    virtual void on_enter(std::string_view) {}
    virtual void on_escape() {}
    // Space with the focus on a link.
    virtual void on_space(std::string_view) {}
    // Ctrl+Shift+C with the focus on a control; returns whether it copied.
    virtual bool on_copy_answer(std::string_view) { return false; }
    // The button Enter presses when the focus is on no button; empty for none.
    virtual std::string_view default_button() const { return {}; }
    virtual void on_context_menu(std::string_view, POINT) {}
    virtual void paint(HDC) {}
    // The controls have been placed at a (new) resolution.
    virtual void on_placed() {}
    // An icon of the program's resource file at `pixels` square.
    static HICON program_icon(int pixels);

  private:
    struct Control {
        const ui::ControlSpec* spec;
        HWND window;
        ui::Colour colour;
        bool underline;
        std::wstring description;
        bool has_tooltip = false;
    };

    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam);
    static LRESULT CALLBACK control_procedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam, UINT_PTR id, DWORD_PTR self);
    void build_controls();
    void stack_controls();
    void place(int dpi);
    void place_window(const RECT& client_in_screen);
    const Control& find(std::string_view name) const;
    Control& find(std::string_view name);
    Control* find(HWND window);
    LRESULT colour_static(HDC dc, HWND control);
    LRESULT default_button_id();
    void forward_mouse(std::string_view name, UINT message, LPARAM lparam, HWND source);

    Services& services_;
    OpenWindows& windows_;
    std::span<const ui::ControlSpec> table_;
    HWND window_ = nullptr;
    Frame frame_{};
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<Control> controls_;
    Fonts fonts_;
    ui::Pointer pointer_ = ui::Pointer::Default;
    HWND last_focus_ = nullptr;
    HWND tooltips_ = nullptr;
};

} // namespace vornix::win32
