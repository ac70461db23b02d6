#include "about_window.hpp"

namespace vornix::win32 {

AboutWindow::AboutWindow(Services& services, ui::OpenWindows& windows, sysinfo::Registry& registry)
    : FormWindow(services, windows), form_(*this, registry) {
    create(form_);
}

void AboutWindow::on_placed() {
    HWND picture = control("picIcon");
    SendMessageW(picture, STM_SETICON,
                 reinterpret_cast<WPARAM>(
                     icon(MulDiv(ui::AboutForm::kIconPixels, dpi(), USER_DEFAULT_SCREEN_DPI))),
                 0);
    // Setting the icon resizes the picture; it keeps its place from the table.
    const ui::ControlRow& row = *ui::find_control(ui::AboutForm::table(), "picIcon");
    SetWindowPos(picture, nullptr, pixels(row.left), pixels(row.top), pixels(row.width),
                 pixels(row.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace vornix::win32
