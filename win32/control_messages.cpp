// What the window's controls are told, handed to the rules first: the
// keys the rules act on, the mouse, the menus and what screen readers ask.
#include "form_window.hpp"

#include "accessible.hpp"
#include "controls.hpp"
#include "wide_text.hpp"

#include <commctrl.h>
#include <oleacc.h>
#include <windowsx.h>

#include <optional>

namespace vornix::win32 {
namespace {

// The rules' key for a key message a control is given, if it is one of theirs.
bool is_key(UINT message, WPARAM wparam, ui::Key& key) {
    if (message == WM_CHAR && wparam == 3 && GetKeyState(VK_SHIFT) < 0) {
        key = ui::Key::CopyAnswer; // Ctrl+C is character 3; with Shift it is not the box's copy
        return true;
    }
    if (message == WM_SYSKEYDOWN && wparam == VK_RETURN) {
        key = ui::Key::ShowWorking;
        return true;
    }
    return false;
}

// Keys with Ctrl (and Shift where the sign needs it: Ctrl++).
std::optional<ui::Key> control_key_of(WPARAM key) {
    switch (key) {
    case VK_OEM_PLUS: // the = and + key
    case VK_ADD:
        return ui::Key::ZoomIn;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
        return ui::Key::ZoomOut;
    case '0':
    case VK_NUMPAD0:
        return ui::Key::ZoomReset;
    case 'P':
        return ui::Key::Print;
    case 'S':
        return ui::Key::Save;
    default:
        return std::nullopt;
    }
}

// Keys without Ctrl or Alt (Shift may be held: + is Shift and = on many keyboards).
std::optional<ui::Key> plain_key_of(WPARAM key) {
    switch (key) {
    case VK_F11:
        return ui::Key::FullScreen;
    case VK_HOME:
        return ui::Key::Home;
    case VK_LEFT:
        return ui::Key::Left;
    case VK_RIGHT:
        return ui::Key::Right;
    case VK_OEM_PLUS:
    case VK_ADD:
        return ui::Key::Plus;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
        return ui::Key::Minus;
    default:
        return std::nullopt;
    }
}

// The role a screen reader is told where the system's own would be wrong.
LONG role_of(ui::ControlKind kind) {
    switch (kind) {
    case ui::ControlKind::Link:
        return ROLE_SYSTEM_LINK;
    case ui::ControlKind::Canvas:
        return ROLE_SYSTEM_GRAPHIC;
    default:
        return 0;
    }
}

// A button or an option: a screen reader's default action clicks it.
bool is_pressable(ui::ControlKind kind) {
    return kind == ui::ControlKind::Button || kind == ui::ControlKind::Option ||
           kind == ui::ControlKind::CheckBox;
}

} // namespace

void FormWindow::forward_mouse(std::string_view name, UINT message, LPARAM lparam, HWND source) {
    switch (message) {
    case WM_MOUSEMOVE:
        tooltips(); // the tips are shown from the pointer's first move on
        form_->mouse_moved(name);
        break;
    case WM_LBUTTONDOWN:
        form_->mouse_pressed(name);
        break;
    case WM_LBUTTONUP: {
        RECT area{};
        GetClientRect(source, &area);
        form_->mouse_released(name,
                              PtInRect(&area, POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}));
        break;
    }
    default:
        break;
    }
}

// A key the dialog manager handed to the control; true when the rules used it.
bool FormWindow::forward_key(const Control& control, WPARAM key) {
    const std::optional<ui::Key> known =
        GetKeyState(VK_CONTROL) < 0 ? control_key_of(key) : plain_key_of(key);
    return known && form_->key_pressed(control.row->name, *known);
}

void FormWindow::offer_menu(HWND control, POINT where) {
    const std::string_view name = name_of(control);
    const std::vector<ui::MenuItem> items = form_->menu(name);
    const Control* found = find(control);
    const bool box = found != nullptr && found->row->kind == ui::ControlKind::EntryBox;
    if (items.empty() && !box) {
        return;
    }
    if (where.x == -1 && where.y == -1) { // from the keyboard
        RECT area{};
        GetWindowRect(control, &area);
        where = {area.left, area.bottom};
    }
    HMENU menu = CreatePopupMenu();
    if (box) {
        append_edit_commands(menu, control);
    }
    constexpr UINT kFirstItem = 1000;
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::wstring caption = sysinfo::wide(items[i].caption);
        if (!items[i].shortcut.empty()) {
            caption += L"\t" + sysinfo::wide(items[i].shortcut);
        }
        AppendMenuW(menu, MF_STRING | (items[i].enabled ? 0 : MF_GRAYED),
                    kFirstItem + static_cast<UINT>(i), caption.c_str());
    }
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                         where.x, where.y, 0, window_, nullptr));
    DestroyMenu(menu);
    if (chosen >= kFirstItem && chosen < kFirstItem + items.size()) {
        form_->menu_chosen(name, chosen - kFirstItem);
    } else if (box && chosen != 0) {
        run_edit_command(control, chosen);
    }
}

LRESULT CALLBACK FormWindow::control_procedure(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam, UINT_PTR, DWORD_PTR self) {
    auto& form = *reinterpret_cast<FormWindow*>(self);
    const Control* control = form.find(window);
    if (control == nullptr) {
        return DefSubclassProc(window, message, wparam, lparam);
    }
    return form.on_control_message(*control, message, wparam, lparam);
}

LRESULT FormWindow::on_control_message(const Control& control, UINT message, WPARAM wparam,
                                       LPARAM lparam) {
    HWND window = control.window;
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        forward_mouse(control.row->name, message, lparam, window);
    }
    ui::Key key{};
    if (is_key(message, wparam, key) && form_->key_pressed(control.row->name, key)) {
        alt_enter_taken_ = key == ui::Key::ShowWorking;
        return 0;
    }
    switch (message) {
    case WM_SYSCHAR: // the character of an Alt+Enter the rules took: no beep
        if (alt_enter_taken_ && wparam == VK_RETURN) {
            alt_enter_taken_ = false;
            return 0;
        }
        break;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lparam) == OBJID_CLIENT) {
            if (const LRESULT object =
                    accessible_object(window, wparam, sysinfo::wide(control.row->accessible_name),
                                      control.description, role_of(control.row->kind),
                                      is_pressable(control.row->kind))) {
                return object;
            }
        }
        break;
    case WM_KEYDOWN: // the link's own keys, then the rules' keys
        if (control.row->kind == ui::ControlKind::Link &&
            (wparam == VK_RETURN || wparam == VK_SPACE)) {
            form_->key_pressed(control.row->name,
                               wparam == VK_RETURN ? ui::Key::Enter : ui::Key::Space);
            return 0;
        }
        if (forward_key(control, wparam)) {
            return 0;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

} // namespace vornix::win32
