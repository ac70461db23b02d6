#include "working_window.hpp"

#include "vornix_mark.hpp"

namespace vornix::qt {

WorkingWindow::WorkingWindow(Services& services, ui::Topic topic)
    : FormWindow(services), form_(*this, topic) {
    setObjectName(QStringLiteral("frmWorking"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(vornix_icon());
    attach(form_);
}

} // namespace vornix::qt
