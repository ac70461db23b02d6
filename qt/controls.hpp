// Builds a window's Qt widgets from its control table.
#pragma once

#include "form.hpp"

#include <QWidget>

#include <span>
#include <string_view>

namespace vornix::qt {

// Creates one child widget per row, named after the row, in its place:
// entry boxes (single line, no length limit), opaque word-wrapped labels in
// the button-face colour, links (labels that take the focus), push buttons
// and options ("&" marks the access key), pictures and bare canvases.
// Controls that take the focus lie above the labels they overlap and take it
// in the rows' tab order. Every control reports its mouse moves
// to `event_filter` (may be null) and never passes them to the window.
void build_controls(QWidget& window, std::span<const ui::ControlRow> table, QObject* event_filter);

// Text in the UTF-8 the window tables and rules speak.
QString from_utf8(std::string_view text);

// The built control of that name and type; aborts when the table has none,
// since that is a fault in the window's own definition.
template <typename Widget> Widget& control(const QWidget& window, std::string_view name) {
    auto* widget = window.findChild<Widget*>(from_utf8(name), Qt::FindDirectChildrenOnly);
    if (widget == nullptr) {
        qFatal("control %.*s is not in the window's table", int(name.size()), name.data());
    }
    return *widget;
}

// Sets a label's text colour (0x00BBGGRR).
void set_text_colour(QWidget& control, ui::Colour bgr);

// The colours Vornix's windows keep whatever the desktop's palette: its
// fixed colours (the grey window, the answer, the link, the black About
// texts) were chosen for a light one.
QPalette light_palette();

} // namespace vornix::qt
