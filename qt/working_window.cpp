#include "working_window.hpp"

#include "units.hpp"
#include "vornix_mark.hpp"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <vector>

namespace vornix::qt {

WorkingWindow::WorkingWindow(Services& services, ui::Topic topic)
    : FormWindow(services), topic_(topic), form_(*this, topic, services.settings()) {
    setObjectName(QStringLiteral("frmWorking"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(vornix_icon());
    attach(form_);
    restore_place();
}

void WorkingWindow::restore_place() {
    std::vector<ui::Rect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.left(), area.top(), area.right() + 1, area.bottom() + 1});
    }
    const ui::WindowFrame& frame = ui::WorkingForm::window(topic_);
    const auto place = ui::read_window_place(
        services().settings(), ui::WorkingForm::settings_group(topic_), screens,
        twips_to_pixels(frame.client_width), twips_to_pixels(frame.client_height));
    if (!place) {
        return;
    }
    const ui::Rect& r = place->frame;
    setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (place->maximised) {
        setWindowState(Qt::WindowMaximized);
    }
}

void WorkingWindow::closeEvent(QCloseEvent* event) {
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    ui::write_window_place(
        services().settings(), ui::WorkingForm::settings_group(topic_),
        {{normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1}, isMaximized()});
    FormWindow::closeEvent(event);
}

} // namespace vornix::qt
