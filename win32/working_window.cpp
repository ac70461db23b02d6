#include "working_window.hpp"

namespace vornix::win32 {

WorkingWindow::WorkingWindow(Services& services, ui::OpenWindows& windows, ui::Topic topic)
    : FormWindow(services, windows), form_(*this, topic) {
    create(form_);
}

} // namespace vornix::win32
