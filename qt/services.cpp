#include "services.hpp"

#include "app_info.hpp"

#include <QAccessible>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>

namespace vornix::qt {

void DesktopServices::show_message(QWidget* owner, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon,
                    title.isEmpty() ? QString::fromUtf8(ui::kApplication.title) : title, text,
                    QMessageBox::Ok, owner);
    box.exec();
}

namespace {

// Paths come in the Windows form; here its "\" is the folder separator "/".
QString native_path(const QString& path) {
    return QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

bool DesktopServices::start_program(const QString& path) {
    QProcess process;
    process.setProgram(native_path(path));
    process.setArguments({});
    return process.startDetached();
}

bool DesktopServices::open_url(QWidget*, const QUrl& address) {
    return QDesktopServices::openUrl(address);
}

void DesktopServices::announce(QWidget& control) {
    QAccessibleEvent changed(&control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace vornix::qt
