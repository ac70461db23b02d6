#include "main_window.hpp"

#include "about_window.hpp"
#include "controls.hpp"
#include "vornix_mark.hpp"
#include "working_window.hpp"

#include <QAccessibleWidget>
#include <QLabel>

namespace vornix::qt {
namespace {

// Screen readers see each of the program's windows as a window (the About
// window as a dialog), not as a filler, named by its title.
QAccessibleInterface* window_accessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow()) {
        return nullptr;
    }
    const QString name = widget->objectName();
    if (name == "Form1" || name == "frmWorking") {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    if (name == "frmAbout") {
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    }
    return nullptr;
}

} // namespace

MainWindow::MainWindow(Services& services, ProgramWindows& windows)
    : FormWindow(services), windows_(windows), form_(*this, *this),
      registry_(sysinfo::make_system_registry()) {
    static const bool accessible_as_window = (QAccessible::installFactory(window_accessible), true);
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

// The other windows still open when the program ends go with it.
MainWindow::~MainWindow() {
    for (const QPointer<QWidget>& other : others_) {
        delete other;
    }
}

QPointer<QWidget>& MainWindow::slot(ui::Secondary window) {
    return others_[static_cast<std::size_t>(window)];
}

const QPointer<QWidget>& MainWindow::slot(ui::Secondary window) const {
    return others_[static_cast<std::size_t>(window)];
}

bool MainWindow::is_open(ui::Secondary window) const {
    return !slot(window).isNull();
}

void MainWindow::open(ui::Secondary window) {
    QWidget* made = nullptr;
    switch (window) {
    case ui::Secondary::About:
        made = new AboutWindow(services(), *registry_);
        break;
    case ui::Secondary::QuadraticWorking:
        made = new WorkingWindow(services(), ui::Topic::Quadratic);
        break;
    case ui::Secondary::LineWorking:
        made = new WorkingWindow(services(), ui::Topic::Line);
        break;
    }
    slot(window) = made;
    windows_.track(*made);
}

void MainWindow::show(ui::Secondary window) {
    QWidget& shown = *slot(window);
    if (shown.isMinimized()) {
        shown.showNormal();
    }
    shown.show();
    shown.raise();
    shown.activateWindow();
}

ui::WorkingForm* MainWindow::working(ui::Secondary window) {
    auto* open = dynamic_cast<WorkingWindow*>(slot(window).data());
    return open == nullptr ? nullptr : &open->form();
}

} // namespace vornix::qt
