#include "program_windows.hpp"

#include <QEvent>
#include <QTimer>

namespace vornix::qt {
namespace {

constexpr const char* kCounted = "vornix_counted_open";

} // namespace

ProgramWindows::ProgramWindows(std::function<void()> when_all_closed)
    : open_([this, end = std::move(when_all_closed)] {
          if (!ended_) {
              ended_ = true;
              end();
          }
      }) {}

void ProgramWindows::track(QWidget& window) {
    window.installEventFilter(this);
    counted(window, window.isVisible());
    connect(&window, &QObject::destroyed, this, [this](QObject* gone) { counted(*gone, false); });
}

bool ProgramWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        counted(*watched, true);
    } else if (event->type() == QEvent::Hide) {
        counted(*watched, false);
    }
    return false;
}

// A window closing is counted once the event loop has run, so that one
// being opened in its place is already shown.
void ProgramWindows::counted(QObject& window, bool open) {
    if (window.property(kCounted).toBool() == open) {
        return;
    }
    window.setProperty(kCounted, open);
    if (open) {
        open_.opened();
    } else {
        QTimer::singleShot(0, this, [this] { open_.closed(); });
    }
}

} // namespace vornix::qt
