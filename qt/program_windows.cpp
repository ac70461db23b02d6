#include "program_windows.hpp"

#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace vornix::qt {

ProgramWindows::ProgramWindows(std::function<void()> when_all_closed)
    : when_all_closed_(std::move(when_all_closed)) {}

void ProgramWindows::track(QWidget& window) {
    windows_.emplace_back(&window);
    window.installEventFilter(this);
    connect(&window, &QObject::destroyed, this, [this] { check_soon(); });
}

bool ProgramWindows::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Hide || event->type() == QEvent::Close) {
        check_soon();
    }
    return false;
}

// Waits for the event loop, so that a window being closed has finished closing
// and one being opened in its place is already shown.
void ProgramWindows::check_soon() {
    QTimer::singleShot(0, this, [this] { check(); });
}

void ProgramWindows::check() {
    std::erase_if(windows_, [](const QPointer<QWidget>& window) { return window.isNull(); });
    const bool any_open = std::ranges::any_of(
        windows_, [](const QPointer<QWidget>& window) { return window->isVisible(); });
    if (!any_open && !ended_) {
        ended_ = true;
        when_all_closed_();
    }
}

} // namespace vornix::qt
