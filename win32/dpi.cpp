// Where a window and its controls go at a resolution, and how they follow
// the window to a monitor of another resolution; a window that grows, and
// full screen.
#include "form_window.hpp"

#include "system.hpp"

#include <commctrl.h>

namespace vornix::win32 {
namespace {

// The program's icon in the resource file.
constexpr int kIconResource = 1;

} // namespace

DWORD FormWindow::style() const {
    switch (form_->frame().style) {
    case ui::WindowFrame::Style::FixedDialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case ui::WindowFrame::Style::Fixed:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    case ui::WindowFrame::Style::Sizable:
    case ui::WindowFrame::Style::Resizable: // WS_THICKFRAME and WS_MAXIMIZEBOX
        break;
    }
    return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

DWORD FormWindow::ex_style() const {
    const bool dialog = form_->frame().style == ui::WindowFrame::Style::FixedDialog;
    return WS_EX_CONTROLPARENT | (dialog ? WS_EX_DLGMODALFRAME : 0);
}

// The stored place in pixels of the primary screen, moved just enough to keep
// the whole window on a small screen; CW_USEDEFAULT lets Windows choose.
POINT FormWindow::designed_place() const {
    const ui::WindowFrame& frame = form_->frame();
    if (!frame.place) {
        return {CW_USEDEFAULT, CW_USEDEFAULT};
    }
    const int dpi = system_dpi();
    const int left = ui::twips_to_pixels(frame.place->first, dpi);
    const int top = ui::twips_to_pixels(frame.place->second, dpi);
    ui::Rect client{left, top, left + ui::twips_to_pixels(frame.client_width, dpi),
                    top + ui::twips_to_pixels(frame.client_height, dpi)};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromPoint({left, top}, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        const RECT& work = monitor.rcWork;
        client = ui::keep_within(client, {work.left, work.top, work.right, work.bottom});
    }
    return {client.left, client.top};
}

// Sizes the frame around the client area at the window's resolution.
void FormWindow::place_window(const ui::Rect& client_in_screen) {
    const RECT client{client_in_screen.left, client_in_screen.top, client_in_screen.right,
                      client_in_screen.bottom};
    const RECT outer = frame_around(client, style(), ex_style(), dpi_);
    SetWindowPos(window_, nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::place_controls(int dpi) {
    dpi_ = dpi;
    for (const Control& control : controls_) {
        const ui::ControlRow& row = *control.row;
        SetWindowPos(control.window, nullptr, pixels(row.left), pixels(row.top), pixels(row.width),
                     pixels(row.height), SWP_NOZORDER | SWP_NOACTIVATE);
        ui::Font font = row.font;
        font.underline = control.underline;
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(font, dpi_)),
                     TRUE);
    }
    if (tooltips_ != nullptr) {
        // A width makes the tip break its text at line feeds.
        SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, pixels(ui::kTwipsPerInch * 5));
    }
    set_icons();
    on_placed();
    tell_size(); // the rules place a resizable window's controls again
}

bool FormWindow::resizable() const {
    return form_ != nullptr && form_->frame().style == ui::WindowFrame::Style::Resizable;
}

void FormWindow::tell_size() {
    if (!resizable() || controls_.empty() || window_ == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(window_, &client);
    form_->resized(MulDiv(client.right, ui::kTwipsPerInch, dpi_),
                   MulDiv(client.bottom, ui::kTwipsPerInch, dpi_));
}

// A resizable window is never smaller than designed, at its own resolution.
void FormWindow::keep_smallest_size(MINMAXINFO& limits) const {
    if (!resizable() || full_screen_) {
        return;
    }
    const ui::WindowFrame& frame = form_->frame();
    const RECT client{0, 0, pixels(frame.client_width), pixels(frame.client_height)};
    const RECT outer = frame_around(client, style(), ex_style(), dpi_);
    limits.ptMinTrackSize = {outer.right - outer.left, outer.bottom - outer.top};
}

void FormWindow::place(std::string_view control, const ui::Rect& twips) {
    const int left = pixels(twips.left);
    const int top = pixels(twips.top);
    SetWindowPos(find(control).window, nullptr, left, top, pixels(twips.right) - left,
                 pixels(twips.bottom) - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without its frame over the whole of its monitor, taskbar included; back
// where and as it was (maximised or not) on leaving.
void FormWindow::set_full_screen(bool full_screen) {
    if (full_screen == full_screen_) {
        return;
    }
    constexpr LONG_PTR kFrame = WS_CAPTION | WS_THICKFRAME;
    const LONG_PTR now = GetWindowLongPtrW(window_, GWL_STYLE);
    if (full_screen) {
        before_full_screen_ = placement();
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
        full_screen_ = true;
        SetWindowLongPtrW(window_, GWL_STYLE, now & ~kFrame);
        const RECT& area = monitor.rcMonitor;
        SetWindowPos(window_, HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
        return;
    }
    full_screen_ = false;
    SetWindowLongPtrW(window_, GWL_STYLE, now | (LONG_PTR(style()) & kFrame));
    WINDOWPLACEMENT back = before_full_screen_;
    if (!IsWindowVisible(window_)) {
        back.showCmd = SW_HIDE;
    }
    SetWindowPlacement(window_, &back);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
}

WINDOWPLACEMENT FormWindow::placement() const {
    if (full_screen_) {
        return before_full_screen_;
    }
    WINDOWPLACEMENT place{};
    place.length = sizeof place;
    GetWindowPlacement(window_, &place);
    return place;
}

// Windows suggests where the window goes at the new resolution: it goes
// there, keeping the size the user gave it.
void FormWindow::moved_to_dpi(int dpi, const RECT& suggested) {
    place_controls(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fonts_.forget_other_than(dpi);
}

HICON FormWindow::icon(int pixels) {
    HICON made = load_program_icon(kIconResource, pixels);
    if (made != nullptr) {
        icons_.push_back(made);
    }
    return made;
}

// The title bar's and Alt+Tab's icons, for the resolution; the ones they
// replace are destroyed.
void FormWindow::set_icons() {
    std::vector<HICON> replaced;
    replaced.swap(icons_);
    for (const auto& [which, metric] :
         {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        SendMessageW(window_, WM_SETICON, which,
                     reinterpret_cast<LPARAM>(icon(system_metric(metric, dpi_))));
    }
    for (HICON old : replaced) {
        DestroyIcon(old);
    }
}

} // namespace vornix::win32
