#include "services.hpp"

#include "app_info.hpp"

#include <QAccessible>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

namespace vornix::host {

void DesktopServices::show_message(QWidget* owner, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon,
                    title.isEmpty() ? QString::fromUtf8(kApplication.title) : title, text,
                    QMessageBox::Ok, owner);
    box.exec();
}

bool DesktopServices::start_program(const QString& path) {
    QProcess process;
    process.setProgram(path);
    process.setArguments({});
    return process.startDetached();
}

void DesktopServices::open_url(QWidget*, const QUrl& address) {
    QDesktopServices::openUrl(address);
}

void DesktopServices::announce(QWidget& control) {
    QAccessibleEvent changed(&control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

QString find_file(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() ? info.fileName() : QString();
}

} // namespace vornix::host
