#include "key_map.hpp"

#include <QKeySequence>

namespace vornix::qt {
namespace {

const QKeySequence kCopyAnswer(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

// Keys with Ctrl alone (Shift too, where the sign needs it: "+").
std::optional<ui::Key> control_key_of(int key) {
    switch (key) {
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return ui::Key::ZoomIn;
    case Qt::Key_Minus:
        return ui::Key::ZoomOut;
    case Qt::Key_0:
        return ui::Key::ZoomReset;
    case Qt::Key_P:
        return ui::Key::Print;
    case Qt::Key_S:
        return ui::Key::Save;
    default:
        return std::nullopt;
    }
}

// Keys without Ctrl or Alt.
std::optional<ui::Key> plain_key_of(int key) {
    switch (key) {
    case Qt::Key_F11:
        return ui::Key::FullScreen;
    case Qt::Key_Home:
        return ui::Key::Home;
    case Qt::Key_Left:
        return ui::Key::Left;
    case Qt::Key_Right:
        return ui::Key::Right;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return ui::Key::Plus;
    case Qt::Key_Minus:
        return ui::Key::Minus;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<ui::Key> key_of(const QKeyEvent& key, bool on_button) {
    if (key.keyCombination() == kCopyAnswer[0]) {
        return ui::Key::CopyAnswer;
    }
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & ~Qt::ShiftModifier) == Qt::ControlModifier) {
        return control_key_of(key.key());
    }
    if ((modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
        if (const std::optional<ui::Key> plain = plain_key_of(key.key())) {
            return plain;
        }
    }
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter && modifiers == Qt::AltModifier) {
        return ui::Key::ShowWorking;
    }
    if (modifiers != Qt::NoModifier) {
        return std::nullopt;
    }
    if (enter) {
        return ui::Key::Enter;
    }
    if (key.key() == Qt::Key_Escape) {
        return ui::Key::Escape;
    }
    if (key.key() == Qt::Key_Space && !on_button) {
        return ui::Key::Space;
    }
    return std::nullopt;
}

} // namespace vornix::qt
