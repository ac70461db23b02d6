#include "main_window.hpp"

#include "about_window.hpp"
#include "controls.hpp"
#include "vornix_mark.hpp"

#include <QAccessibleWidget>
#include <QLabel>

namespace vornix::qt {
namespace {

// Screen readers see the main window as a window, not as a filler.
QAccessibleInterface* main_window_accessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->isWindow() && widget->objectName() == "Form1") {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

MainWindow::MainWindow(Services& services, ProgramWindows& windows)
    : FormWindow(services), windows_(windows), form_(*this, *this),
      registry_(sysinfo::make_system_registry()) {
    static const bool accessible_as_window =
        (QAccessible::installFactory(main_window_accessible), true);
    Q_UNUSED(accessible_as_window);
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(vornix_icon());
    attach(form_);
    // An answer takes the focus when clicked, so that the menu key opens its menu.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (ui::MainForm::is_answer(label->objectName().toStdString())) {
            label->setFocusPolicy(Qt::ClickFocus);
        }
    }
}

// An About window still open when the program ends goes with it.
MainWindow::~MainWindow() {
    delete about_;
}

bool MainWindow::is_open(ui::Secondary) const {
    return !about_.isNull();
}

void MainWindow::open(ui::Secondary) {
    about_ = new AboutWindow(services(), *registry_);
    windows_.track(*about_);
}

void MainWindow::show(ui::Secondary) {
    if (about_->isMinimized()) {
        about_->showNormal();
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

} // namespace vornix::qt
