#include "view.hpp"

namespace vornix::ui {

bool Form::key_pressed(std::string_view control, Key key) {
    if (key != Key::Enter) {
        return false;
    }
    const std::string_view button = is_button(control) ? control : default_button(control);
    if (button.empty()) {
        return false;
    }
    clicked(button);
    return true;
}

bool Form::is_button(std::string_view control) const {
    const ControlRow* row = find_control(controls(), control);
    return row != nullptr && row->kind == ControlKind::Button;
}

} // namespace vornix::ui
