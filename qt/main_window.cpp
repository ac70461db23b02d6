#include "main_window.hpp"

#include "about_window.hpp"
#include "controls.hpp"
#include "units.hpp"
#include "vornix_mark.hpp"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace vornix::qt {
namespace {

const ui::MainWindowSpec& kSpec = ui::kMainWindow;

std::string name_of(const QObject& control) {
    return control.objectName().toStdString();
}

} // namespace

MainWindow::MainWindow(Services& services, ProgramWindows& windows)
    : services_(services), windows_(windows), view_(*this, services), form_(view_, *this),
      registry_(sysinfo::make_system_registry()) {
    setObjectName(QStringLiteral("Form1"));
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
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::wire_controls() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        connect(button, &QPushButton::clicked, this,
                [this, button] { form_.clicked(name_of(*button)); });
    }
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::returnPressed, this,
                [this, box] { form_.enter_pressed(name_of(*box)); });
    }
}

void MainWindow::offer_copy(const QString& answer, const QPoint& where) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("复制"), this,
                    [this, answer] { form_.copy_answer(answer.toStdString()); });
    menu->popup(where);
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
    case QEvent::ContextMenu:
        if (ui::MainForm::is_answer(name)) {
            offer_copy(watched->objectName(), static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vornix::qt
