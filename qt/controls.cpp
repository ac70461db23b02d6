#include "controls.hpp"

#include "canvas_widget.hpp"
#include "units.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionFocusRect>

#include <limits>
#include <vector>

namespace vornix::qt {

using ui::ControlKind;
using ui::ControlRow;
namespace {

// A label that takes the keyboard focus and shows it with a dotted frame.
class LinkLabel final : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            QStyleOptionFocusRect frame;
            frame.initFrom(this);
            frame.backgroundColor = palette().color(backgroundRole());
            // Shown however the focus came, not only after the keyboard moved it.
            frame.state |= QStyle::State_KeyboardFocusChange;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
        }
    }
};

// Opaque, in the button face's colours, the text where the table puts it.
QLabel* label(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Button);
    label->setForegroundRole(QPalette::ButtonText);
    return label;
}

QWidget* create(ControlKind kind, QWidget& window, const ControlRow& row) {
    switch (kind) {
    case ControlKind::EntryBox: {
        auto* box = new QLineEdit(&window);
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case ControlKind::Button:
        return new QPushButton(from_utf8(row.caption), &window);
    case ControlKind::Picture:
        return new QLabel(&window);
    case ControlKind::Option:
        return new QRadioButton(from_utf8(row.caption), &window);
    case ControlKind::CheckBox:
        return new QCheckBox(from_utf8(row.caption), &window);
    case ControlKind::Canvas:
        return new CanvasWidget(&window);
    case ControlKind::Label:
        return label(new QLabel(from_utf8(row.caption), &window));
    case ControlKind::Link: {
        QLabel* link = label(new LinkLabel(from_utf8(row.caption), &window));
        link->setFocusPolicy(Qt::StrongFocus);
        return link;
    }
    }
    return nullptr;
}

void place(QWidget& widget, const ControlRow& row) {
    widget.setObjectName(from_utf8(row.name));
    widget.setGeometry(twips_to_pixels(row.left), twips_to_pixels(row.top),
                       twips_to_pixels(row.width), twips_to_pixels(row.height));
    widget.setFont(make_font(row.font));
    if (row.text_colour != ui::kSystemColour) {
        set_text_colour(widget, row.text_colour);
    }
    // Without a name of its own, a control is read by its text.
    if (!row.accessible_name.empty()) {
        widget.setAccessibleName(from_utf8(row.accessible_name));
    }
    widget.setAccessibleDescription(from_utf8(row.description));
    widget.setMouseTracking(true);
    // Qt would otherwise hand a move that a label or button ignores on to the
    // window, as if the mouse were over the bare background.
    widget.setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace

QString from_utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void set_text_colour(QWidget& control, ui::Colour bgr) {
    // Mouse moves set the link's colour again and again; repaint only on a change.
    const QColor colour = colour_from_bgr(bgr);
    if (control.palette().color(QPalette::WindowText) == colour) {
        return;
    }
    QPalette palette = control.palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(role, colour);
    }
    control.setPalette(palette);
}

QPalette light_palette() {
    // The system colours of a light Windows desktop: button face F0F0F0, black texts.
    return QPalette(QColor(0xF0, 0xF0, 0xF0));
}

void build_controls(QWidget& window, std::span<const ControlRow> table, QObject* event_filter) {
    std::vector<QWidget*> focusable;
    for (const ControlRow* row : ui::in_tab_order(table)) {
        QWidget* widget = create(row->kind, window, *row);
        place(*widget, *row);
        if (event_filter != nullptr) {
            widget->installEventFilter(event_filter);
        }
        if (ui::takes_focus(row->kind)) {
            if (!focusable.empty()) {
                QWidget::setTabOrder(focusable.back(), widget);
            }
            focusable.push_back(widget);
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
    // A label's access key hands the focus to the control it names.
    for (const ControlRow& row : table) {
        if (const ControlRow* buddy = ui::buddy_of(table, row.name)) {
            control<QLabel>(window, row.name).setBuddy(&control<QWidget>(window, buddy->name));
        }
    }
    const std::vector<const ControlRow*> stacked = ui::stacking_order(table);
    for (auto row = stacked.rbegin(); row != stacked.rend(); ++row) {
        control<QWidget>(window, (*row)->name).raise();
    }
}

} // namespace vornix::qt
