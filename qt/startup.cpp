#include "startup.hpp"

#include "app_info.hpp"

#include <QApplication>

namespace vornix::qt {

using ui::kApplication;

int run(int& argc, char** argv, const StartupWindowFactory& make_startup_window) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kApplication.title));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(kApplication.major)
                                            .arg(kApplication.minor)
                                            .arg(kApplication.revision));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kApplication.id));
    QApplication::setQuitOnLastWindowClosed(false);
    DesktopServices services;
    ProgramWindows windows([] { QApplication::quit(); });
    const std::unique_ptr<QWidget> startup_window = make_startup_window(services, windows);
    windows.track(*startup_window);
    startup_window->show();
    return QApplication::exec();
}

} // namespace vornix::qt
