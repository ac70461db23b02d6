#include "about_window.hpp"

#include "wide_text.hpp"

namespace vornix::win32 {
namespace {

const ui::AboutWindowSpec& kSpec = ui::kAboutWindow;

// Never shown: owning the About window keeps it off the taskbar.
HWND hidden_owner() {
    static HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    return owner;
}

// The stored place in pixels of the primary screen, moved just enough to keep
// the whole window on a small screen.
POINT client_origin() {
    const int dpi = static_cast<int>(GetDpiForSystem());
    POINT origin{ui::twips_to_pixels(kSpec.client_left, dpi),
                 ui::twips_to_pixels(kSpec.client_top, dpi)};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        const RECT& work = monitor.rcWork;
        const LONG width = ui::twips_to_pixels(kSpec.client_width, dpi);
        const LONG height = ui::twips_to_pixels(kSpec.client_height, dpi);
        origin.x = std::max(work.left, std::min(origin.x, work.right - width));
        origin.y = std::max(work.top, std::min(origin.y, work.bottom - height));
    }
    return origin;
}

} // namespace

AboutWindow::AboutWindow(Services& services, OpenWindows& windows, sysinfo::Registry& registry)
    : FormWindow(services, windows, ui::AboutForm::controls()), form_(*this, registry) {
    static const wchar_t* const window_class =
        FormWindow::window_class(L"VornixAbout", GetSysColorBrush(COLOR_BTNFACE), nullptr);
    create({window_class, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_DLGMODALFRAME,
            hidden_owner(), kSpec.client_width, kSpec.client_height},
           client_origin());
    set_window_caption(kSpec.design_caption);
    form_.load();
}

void AboutWindow::show() {
    ShowWindow(handle(), IsIconic(handle()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(handle());
    SetActiveWindow(handle());
}

void AboutWindow::on_clicked(std::string_view control) {
    form_.clicked(control);
}

void AboutWindow::on_escape() {
    form_.clicked(ui::AboutForm::default_button());
}

std::string_view AboutWindow::default_button() const {
    return ui::AboutForm::default_button();
}

void AboutWindow::on_placed() {
    const int icon_pixels = MulDiv(kSpec.icon_pixels, dpi(), USER_DEFAULT_SCREEN_DPI);
    SendMessageW(control("picIcon"), STM_SETICON,
                 reinterpret_cast<WPARAM>(program_icon(icon_pixels)), 0);
    // Setting the icon resizes the picture; it keeps its place from the table.
    const ui::ControlSpec& row = *ui::find_control(ui::AboutForm::controls(), "picIcon");
    SetWindowPos(control("picIcon"), nullptr, pixels(row.left), pixels(row.top), pixels(row.width),
                 pixels(row.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::paint(HDC dc) {
    for (const ui::LineSpec& line : kSpec.rule) {
        draw_line(dc, line);
    }
}

} // namespace vornix::win32
