#include "form_window.hpp"

#include "canvas_widget.hpp"
#include "controls.hpp"
#include "key_map.hpp"
#include "units.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <map>
#include <optional>

namespace vornix::qt {
namespace {

constexpr int kFlashMilliseconds = 1500;

std::string name_of(const QObject& control) {
    return control.objectName().toStdString();
}

} // namespace

FormWindow::FormWindow(Services& services) : services_(services) {}

void FormWindow::attach(ui::Form& form) {
    form_ = &form;
    build_frame(form.frame());
    build_controls(*this, form.controls(), this);
    connect_controls();
    form.load();
    if (form.frame().style == ui::WindowFrame::Style::Resizable) {
        form.resized(width() * ui::kTwipsPerInch / 96, height() * ui::kTwipsPerInch / 96);
    }
}

void FormWindow::connect_controls() {
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { form_->clicked(name_of(*button)); });
    }
    // An option is chosen however it came to be checked: a click, a key, or
    // a screen reader's Toggle. Each group is exclusive on its own.
    std::map<int, QButtonGroup*> groups;
    for (QRadioButton* option : findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        const int group = ui::option_group(form_->controls(), name_of(*option));
        QButtonGroup*& exclusive = groups[group];
        if (exclusive == nullptr) {
            exclusive = new QButtonGroup(this);
        }
        exclusive->addButton(option);
        connect(option, &QAbstractButton::toggled, this, [this, option](bool checked) {
            if (checked && !setting_option_) {
                form_->clicked(name_of(*option));
            }
        });
    }
    // A check box follows its state as an option does.
    for (QCheckBox* box : findChildren<QCheckBox*>(Qt::FindDirectChildrenOnly)) {
        connect(box, &QAbstractButton::toggled, this, [this, box] {
            if (!setting_option_) {
                form_->clicked(name_of(*box));
            }
        });
    }
    // No meta-object of its own, so a canvas is told apart by dynamic_cast.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        auto* canvas = dynamic_cast<CanvasWidget*>(child);
        if (canvas == nullptr) {
            continue;
        }
        const std::string name = name_of(*canvas);
        canvas->set_painter(
            [this, name](draw::Canvas& drawn_on) { return form_->paint(name, drawn_on); });
        canvas->set_pointer_handler(
            [this, name](const ui::PointerEvent& event) { return form_->pointer(name, event); });
    }
}

void FormWindow::build_frame(const ui::WindowFrame& frame) {
    QPalette palette = light_palette();
    if (frame.background != ui::kSystemColour) {
        palette.setColor(QPalette::Window, colour_from_bgr(frame.background));
    }
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setWindowTitle(from_utf8(frame.caption));
    const QSize client(twips_to_pixels(frame.client_width), twips_to_pixels(frame.client_height));
    switch (frame.style) {
    case ui::WindowFrame::Style::FixedDialog:
        setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
        setFixedSize(client);
        break;
    case ui::WindowFrame::Style::Fixed:
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint);
        setFixedSize(client);
        break;
    case ui::WindowFrame::Style::Sizable:
        resize(client);
        break;
    case ui::WindowFrame::Style::Resizable:
        setWindowFlags(Qt::Window);
        setMinimumSize(client);
        resize(client);
        break;
    }
    if (frame.place) {
        place_on_screen(frame);
    }
}

// The stored place, moved just enough to keep the whole window on a small screen.
void FormWindow::place_on_screen(const ui::WindowFrame& frame) {
    const int left = twips_to_pixels(frame.place->first);
    const int top = twips_to_pixels(frame.place->second);
    ui::Rect client{left, top, left + width(), top + height()};
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        client = ui::keep_within(client, {available.left(), available.top(), available.right() + 1,
                                          available.bottom() + 1});
    }
    setGeometry(client.left, client.top, width(), height());
}

void FormWindow::paintEvent(QPaintEvent*) {
    const ui::WindowFrame& frame = form_->frame();
    QPainter painter(this);
    if (frame.not_xor) {
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    }
    for (const ui::Rule& rule : frame.rules) {
        painter.setPen(QPen(colour_from_bgr(rule.colour), rule.pixels, Qt::SolidLine, Qt::FlatCap));
        const int y = twips_to_pixels(rule.y);
        painter.drawLine(twips_to_pixels(rule.left), y, twips_to_pixels(rule.right), y);
    }
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (form_ != nullptr && form_->frame().style == ui::WindowFrame::Style::Resizable) {
        form_->resized(width() * ui::kTwipsPerInch / 96, height() * ui::kTwipsPerInch / 96);
    }
}

void FormWindow::mouseMoveEvent(QMouseEvent*) {
    form_->mouse_moved(ui::kBackground);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (!key_pressed(QString(), *event)) {
        QWidget::keyPressEvent(event);
    }
}

bool FormWindow::key_pressed(const QString& control, const QKeyEvent& key) {
    const std::string name = control.toStdString();
    const bool on_button =
        !control.isEmpty() && qobject_cast<QPushButton*>(findChild<QWidget*>(control)) != nullptr;
    const std::optional<ui::Key> known = key_of(key, on_button);
    return known.has_value() && form_->key_pressed(name, *known);
}

void FormWindow::offer_menu(QWidget& control, const QPoint& where) {
    const std::string name = name_of(control);
    const std::vector<ui::MenuItem> items = form_->menu(name);
    auto* box = qobject_cast<QLineEdit*>(&control);
    if (items.empty() && box == nullptr) {
        return;
    }
    // An entry box keeps its own menu, the rules' items below it.
    QMenu* menu = box != nullptr ? box->createStandardContextMenu() : new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (box != nullptr && !items.empty()) {
        menu->addSeparator();
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* action = menu->addAction(from_utf8(items[i].caption), this,
                                          [this, name, i] { form_->menu_chosen(name, i); });
        action->setEnabled(items[i].enabled);
        action->setShortcut(QKeySequence(from_utf8(items[i].shortcut)));
    }
    menu->popup(where);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    const std::string name = name_of(*watched);
    switch (event->type()) {
    case QEvent::MouseMove:
        form_->mouse_moved(name);
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            form_->mouse_pressed(name);
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton) {
            const auto& widget = static_cast<const QWidget&>(*watched);
            form_->mouse_released(name, widget.rect().contains(release->position().toPoint()));
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            form_->double_clicked(name);
        }
        break;
    case QEvent::KeyPress:
        if (key_pressed(watched->objectName(), *static_cast<QKeyEvent*>(event))) {
            return true;
        }
        break;
    case QEvent::ContextMenu:
        offer_menu(static_cast<QWidget&>(*watched),
                   static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

std::string FormWindow::text(std::string_view control) const {
    return qt::control<QLineEdit>(*this, control).text().toStdString();
}

void FormWindow::set_text(std::string_view control, std::string_view text) {
    qt::control<QLineEdit>(*this, control).setText(from_utf8(text));
}

std::string FormWindow::caption(std::string_view control) const {
    return qt::control<QLabel>(*this, control).text().toStdString();
}

void FormWindow::set_caption(std::string_view control, std::string_view text) {
    qt::control<QLabel>(*this, control).setText(from_utf8(text));
}

void FormWindow::set_text_colour(std::string_view control, ui::Colour colour) {
    qt::set_text_colour(qt::control<QWidget>(*this, control), colour);
}

void FormWindow::set_underline(std::string_view control, bool underline) {
    auto& widget = qt::control<QWidget>(*this, control);
    QFont font = widget.font();
    font.setUnderline(underline);
    widget.setFont(font);
}

void FormWindow::set_window_caption(std::string_view text) {
    setWindowTitle(from_utf8(text));
}

void FormWindow::set_tooltip(std::string_view control, std::string_view text) {
    qt::control<QWidget>(*this, control).setToolTip(from_utf8(text));
}

void FormWindow::set_description(std::string_view control, std::string_view text) {
    qt::control<QWidget>(*this, control).setAccessibleDescription(from_utf8(text));
}

void FormWindow::set_pointer(ui::Pointer pointer) {
    if (pointer == ui::Pointer::Cross) {
        setCursor(Qt::CrossCursor);
    } else {
        unsetCursor();
    }
}

void FormWindow::announce(std::string_view control) {
    services_.announce(qt::control<QWidget>(*this, control));
}

bool FormWindow::open_page(std::string_view address) {
    return services_.open_url(this, QUrl(from_utf8(address)));
}

void FormWindow::copy_text(std::string_view text) {
    QGuiApplication::clipboard()->setText(from_utf8(text));
}

void FormWindow::close() {
    QWidget::close();
}

void FormWindow::set_enabled(std::string_view control, bool enabled) {
    qt::control<QWidget>(*this, control).setEnabled(enabled);
}

void FormWindow::set_checked(std::string_view control, bool checked) {
    auto& option = qt::control<QAbstractButton>(*this, control);
    if (option.isChecked() == checked) {
        return;
    }
    setting_option_ = true;
    // Unchecking one of an exclusive group needs the group let go for a moment.
    QButtonGroup* group = option.group();
    if (group != nullptr) {
        group->setExclusive(checked);
    }
    option.setChecked(checked);
    if (group != nullptr) {
        group->setExclusive(true);
    }
    setting_option_ = false;
}

void FormWindow::repaint(std::string_view control) {
    qt::control<QWidget>(*this, control).update();
}

void FormWindow::copy_picture(std::string_view control) {
    QGuiApplication::clipboard()->setImage(qt::control<CanvasWidget>(*this, control).picture());
}

bool FormWindow::start_program(const std::string& path) {
    return services_.start_program(from_utf8(path));
}

void FormWindow::show_message(const std::string& text) {
    services_.show_message(this, from_utf8(text));
}

void FormWindow::place(std::string_view control, const ui::Rect& twips) {
    qt::control<QWidget>(*this, control)
        .setGeometry(twips_to_pixels(twips.left), twips_to_pixels(twips.top),
                     twips_to_pixels(twips.right - twips.left),
                     twips_to_pixels(twips.bottom - twips.top));
}

void FormWindow::set_full_screen(bool full_screen) {
    if (full_screen) {
        was_maximised_ = isMaximized();
        showFullScreen();
    } else if (was_maximised_) {
        showMaximized();
    } else {
        showNormal();
    }
}

void FormWindow::flash(std::string_view control, std::string_view text) {
    auto& label = qt::control<QLabel>(*this, control);
    label.setText(from_utf8(text));
    label.setAccessibleName(from_utf8(text));
    label.show();
    label.raise();
    services_.announce(label);
    // Only the latest flash clears it.
    const QString shown = label.text();
    QTimer::singleShot(kFlashMilliseconds, &label, [&label, shown] {
        if (label.text() == shown) {
            label.clear();
        }
    });
}

void FormWindow::print(draw::Document& document) {
    services_.print(this, document);
}

void FormWindow::save(draw::Document& document) {
    services_.save(this, document);
}

} // namespace vornix::qt
