#include "working_window.hpp"

#include "system.hpp"

#include <vector>

namespace vornix::win32 {
namespace {

BOOL CALLBACK note_work_area(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& work = info.rcWork;
        reinterpret_cast<std::vector<ui::Rect>*>(areas)->push_back(
            {work.left, work.top, work.right, work.bottom});
    }
    return TRUE;
}

// The work areas of the monitors there are now, on the desktop.
std::vector<ui::Rect> work_areas() {
    std::vector<ui::Rect> areas;
    EnumDisplayMonitors(nullptr, nullptr, note_work_area, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

// A placement's rectangle is in workspace coordinates, which start at the
// primary monitor's work area: what to add to have the desktop's.
POINT workspace_offset() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

} // namespace

WorkingWindow::WorkingWindow(Services& services, ui::OpenWindows& windows, ui::Topic topic)
    : FormWindow(services, windows), topic_(topic), form_(*this, topic, services.settings()) {
    create(form_);
    restore_place();
}

// The window closed with the program keeps its place too.
WorkingWindow::~WorkingWindow() {
    if (handle() != nullptr) {
        keep_place();
    }
}

void WorkingWindow::on_destroying() {
    keep_place();
}

void WorkingWindow::restore_place() {
    const ui::WindowFrame& frame = ui::WorkingForm::window(topic_);
    const RECT smallest = frame_around(
        {0, 0, pixels(frame.client_width), pixels(frame.client_height)},
        GetWindowLongW(handle(), GWL_STYLE), GetWindowLongW(handle(), GWL_EXSTYLE), dpi());
    const std::vector<ui::Rect> screens = work_areas();
    const auto place = ui::read_window_place(
        services().settings(), ui::WorkingForm::settings_group(topic_), screens,
        smallest.right - smallest.left, smallest.bottom - smallest.top);
    if (!place) {
        return; // where the system puts it
    }
    const POINT offset = workspace_offset();
    WINDOWPLACEMENT stored = placement();
    stored.rcNormalPosition = {place->frame.left - offset.x, place->frame.top - offset.y,
                               place->frame.right - offset.x, place->frame.bottom - offset.y};
    stored.showCmd = SW_HIDE; // shown when the main window shows it
    SetWindowPlacement(handle(), &stored);
    if (place->maximised) {
        show_maximised_first();
    }
}

void WorkingWindow::keep_place() {
    const WINDOWPLACEMENT now = placement();
    const POINT offset = workspace_offset();
    const RECT& normal = now.rcNormalPosition;
    const bool maximised =
        now.showCmd == SW_SHOWMAXIMIZED || (now.flags & WPF_RESTORETOMAXIMIZED) != 0;
    ui::write_window_place(services().settings(), ui::WorkingForm::settings_group(topic_),
                           {{normal.left + offset.x, normal.top + offset.y, normal.right + offset.x,
                             normal.bottom + offset.y},
                            maximised});
}

} // namespace vornix::win32
