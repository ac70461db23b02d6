#include "main_window.hpp"

#include "about_window.hpp"
#include "controls.hpp"
#include "units.hpp"
#include "vornix_mark.hpp"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace vornix::qt {
namespace {

const ui::MainWindowSpec& kSpec = ui::kMainWindow;
const QKeySequence kCopyAnswer(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

std::string name_of(const QObject& control) {
    return control.objectName().toStdString();
}

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
    : services_(services), windows_(windows), view_(*this, services), form_(view_, *this),
      registry_(sysinfo::make_system_registry()) {
    static const bool accessible_as_window =
        (QAccessible::installFactory(main_window_accessible), true);
    Q_UNUSED(accessible_as_window);
    setObjectName(QStringLiteral("Form1"));
    setPalette(light_palette());
    setWindowTitle(from_utf8(kSpec.caption));
    resize(twips_to_pixels(kSpec.client_width), twips_to_pixels(kSpec.client_height));
    QPalette background = palette();
    background.setColor(QPalette::Window, colour_from_bgr(kSpec.background));
    setPalette(background);
    setAutoFillBackground(true);
    setMouseTracking(true);
    build_controls(*this, ui::MainForm::controls(), this);
    wire_controls();
    setWindowIcon(vornix_icon());
    form_.load();
}

// An About window still open when the program ends goes with it.
MainWindow::~MainWindow() {
    delete about_;
}

bool MainWindow::about_is_open() const {
    return !about_.isNull();
}

void MainWindow::open_about() {
    about_ = new AboutWindow(services_, *registry_);
    windows_.track(*about_);
}

void MainWindow::show_about() {
    if (about_->isMinimized()) {
        about_->showNormal();
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::wire_controls() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        connect(button, &QPushButton::clicked, this,
                [this, button] { form_.clicked(name_of(*button)); });
    }
    // An answer takes the focus when clicked, so that the menu key opens its menu.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (ui::MainForm::is_answer(name_of(*label))) {
            label->setFocusPolicy(Qt::ClickFocus);
        }
    }
}

void MainWindow::offer_copy(const QString& answer, const QPoint& where) {
    const std::string name = answer.toStdString();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("复制"), this, [this, name] { form_.copy_answer(name); });
    menu->addAction(QStringLiteral("复制精确解"), this,
                    [this, name] { form_.copy_exact_form(name); })
        ->setEnabled(form_.has_exact_form(name));
    menu->popup(where);
}

// The entry box's own menu, and its exercise's answer to copy.
void MainWindow::offer_entry_menu(QLineEdit& box, const QPoint& where) {
    QMenu* menu = box.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction* copy = menu->addAction(QStringLiteral("复制答案"), this,
                                    [this, &box] { form_.copy_answer_of(name_of(box)); });
    copy->setShortcut(kCopyAnswer);
    menu->popup(where);
}

bool MainWindow::key_pressed(QObject& control, const QKeyEvent& key) {
    const std::string name = name_of(control);
    if (key.keyCombination() == kCopyAnswer[0]) {
        return form_.copy_answer_of(name);
    }
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return form_.key_pressed(name, ui::MainForm::Key::Enter);
    case Qt::Key_Space: // a button presses itself on Space
        return qobject_cast<QPushButton*>(&control) == nullptr &&
               form_.key_pressed(name, ui::MainForm::Key::Space);
    default:
        return false;
    }
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    const ui::LineSpec& rule = kSpec.rule;
    QPen pen(colour_from_bgr(rule.colour), rule.pixels);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const int y = twips_to_pixels(rule.y);
    painter.drawLine(twips_to_pixels(rule.left), y, twips_to_pixels(rule.right), y);
}

void MainWindow::mouseMoveEvent(QMouseEvent*) {
    form_.mouse_moved(ui::kBackground);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const std::string name = name_of(*watched);
    switch (event->type()) {
    case QEvent::MouseMove:
        form_.mouse_moved(name);
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            form_.mouse_pressed(name);
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton) {
            const auto& widget = static_cast<const QWidget&>(*watched);
            form_.mouse_released(name, widget.rect().contains(release->position().toPoint()));
        }
        break;
    }
    case QEvent::KeyPress:
        if (key_pressed(*watched, *static_cast<QKeyEvent*>(event))) {
            return true;
        }
        break;
    case QEvent::ContextMenu: {
        const QPoint where = static_cast<QContextMenuEvent*>(event)->globalPos();
        if (ui::MainForm::is_answer(name)) {
            offer_copy(watched->objectName(), where);
            return true;
        }
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            offer_entry_menu(*box, where);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vornix::qt
