// Windows are described by tables of controls; the host builds the widgets.
#pragma once

#include "units.hpp"

#include <QWidget>

#include <cstdint>
#include <span>
#include <string_view>

namespace vornix::host {

enum class ControlKind { EntryBox, Label, Button, Picture };

// Text colour left to the system's palette.
inline constexpr std::uint32_t kSystemColour = 0xFFFFFFFF;

// One row of a window's control table. Positions and sizes are twips
// relative to the client area; colours are 0x00BBGGRR.
struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    FontSpec font;
    std::uint32_t text_colour;
    int tab;
    std::string_view accessible_name;
};

// Creates one child widget per row, named after the row, in its place:
// entry boxes (single line, no length limit), opaque word-wrapped labels in
// the button-face colour, push buttons ("&" marks the access key) and
// pictures. Entry boxes and buttons lie above the labels they overlap and take
// the keyboard focus in the rows' tab order. Every control reports its mouse
// moves to `event_filter` (may be null) and never passes them to the window.
void build_controls(QWidget& window, std::span<const ControlSpec> table, QObject* event_filter);

// The built control of that name and type; aborts when the table has none,
// since that is a fault in the window's own definition.
template <typename Widget> Widget& control(const QWidget& window, std::string_view name) {
    auto* widget = window.findChild<Widget*>(QString::fromUtf8(name.data(), qsizetype(name.size())),
                                             Qt::FindDirectChildrenOnly);
    if (widget == nullptr) {
        qFatal("control %.*s is not in the window's table", int(name.size()), name.data());
    }
    return *widget;
}

// Sets a label's text colour (0x00BBGGRR).
void set_text_colour(QWidget& control, std::uint32_t bgr);

} // namespace vornix::host
