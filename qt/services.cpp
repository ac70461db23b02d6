#include "services.hpp"

#include "app_info.hpp"
#include "paper.hpp"
#include "qt_settings.hpp"

#include <QAccessible>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

namespace vornix::qt {

DesktopServices::DesktopServices() = default;
DesktopServices::~DesktopServices() = default;

ui::Settings& DesktopServices::settings() {
    if (!settings_) {
        settings_ = std::make_unique<QtSettings>();
    }
    return *settings_;
}

void DesktopServices::print(QWidget* owner, draw::Document& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Vornix"));
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!paint_pages(document, printer)) {
        show_message(owner, QStringLiteral("无法打印：打印机没有接受这份文档."));
    }
}

void DesktopServices::save(QWidget* owner, draw::Document& document) {
    const QString png = QStringLiteral("PNG 图像 (*.png)");
    const QString svg = QStringLiteral("SVG 图形 (*.svg)");
    const QString pdf = QStringLiteral("PDF 文档 (*.pdf)");
    QString chosen_filter = png;
    QString path = QFileDialog::getSaveFileName(
        owner, QStringLiteral("保存为"), QDir::home().filePath(QStringLiteral("解题过程.png")),
        png + QStringLiteral(";;") + svg + QStringLiteral(";;") + pdf, &chosen_filter);
    if (path.isEmpty()) {
        return;
    }
    // A name without a known ending takes the kind chosen in the dialog.
    if (!draw::kind_of(path.toStdString())) {
        path += chosen_filter == svg   ? QStringLiteral(".svg")
                : chosen_filter == pdf ? QStringLiteral(".pdf")
                                       : QStringLiteral(".png");
    }
    QtPageRenderer renderer;
    const draw::Saved saved = draw::save_document(document, path.toStdString(), renderer);
    if (saved.outcome != draw::Saved::Outcome::Written) {
        show_message(owner, QString::fromStdString(saved.message));
    }
}

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
