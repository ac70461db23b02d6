#include "widget_view.hpp"

#include "controls.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>

namespace vornix::qt {

std::string WidgetView::text(std::string_view control) const {
    return qt::control<QLineEdit>(window_, control).text().toStdString();
}

std::string WidgetView::caption(std::string_view control) const {
    return qt::control<QLabel>(window_, control).text().toStdString();
}

void WidgetView::set_caption(std::string_view control, std::string_view text) {
    qt::control<QLabel>(window_, control).setText(from_utf8(text));
}

void WidgetView::set_text_colour(std::string_view control, ui::Colour colour) {
    qt::set_text_colour(qt::control<QWidget>(window_, control), colour);
}

void WidgetView::set_underline(std::string_view control, bool underline) {
    auto& widget = qt::control<QWidget>(window_, control);
    QFont font = widget.font();
    font.setUnderline(underline);
    widget.setFont(font);
}

void WidgetView::set_window_caption(std::string_view text) {
    window_.setWindowTitle(from_utf8(text));
}

void WidgetView::set_tooltip(std::string_view control, std::string_view text) {
    qt::control<QWidget>(window_, control).setToolTip(from_utf8(text));
}

void WidgetView::set_description(std::string_view control, std::string_view text) {
    qt::control<QWidget>(window_, control).setAccessibleDescription(from_utf8(text));
}

void WidgetView::set_pointer(ui::Pointer pointer) {
    if (pointer == ui::Pointer::Cross) {
        window_.setCursor(Qt::CrossCursor);
    } else {
        window_.unsetCursor();
    }
}

void WidgetView::announce(std::string_view control) {
    services_.announce(qt::control<QWidget>(window_, control));
}

void WidgetView::open_page(std::string_view address) {
    services_.open_url(&window_, QUrl(from_utf8(address)));
}

void WidgetView::copy_text(std::string_view text) {
    QGuiApplication::clipboard()->setText(from_utf8(text));
}

void WidgetView::close() {
    window_.close();
}

bool WidgetView::start_program(const std::string& path) {
    return services_.start_program(from_utf8(path));
}

void WidgetView::show_message(const std::string& text) {
    services_.show_message(&window_, from_utf8(text));
}

} // namespace vornix::qt
