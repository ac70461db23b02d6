#include "about_window.hpp"

#include "controls.hpp"
#include "vornix_mark.hpp"

#include <QLabel>

namespace vornix::qt {

AboutWindow::AboutWindow(Services& services, sysinfo::Registry& registry)
    : FormWindow(services), form_(*this, registry) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    attach(form_);
    auto& icon = control<QLabel>(*this, "picIcon");
    icon.setAlignment(Qt::AlignCenter);
    icon.setPixmap(vornix_mark(ui::AboutForm::kIconPixels, devicePixelRatioF()));
}

} // namespace vornix::qt
