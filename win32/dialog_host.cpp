// The window itself: one window class for every form, run by the system's
// dialog procedure, and the messages that become the rules' events.
#include "form_window.hpp"

#include "accessible.hpp"
#include "canvas_control.hpp"
#include "colours.hpp"
#include "controls.hpp"
#include "link.hpp"
#include "system.hpp"
#include "wide_text.hpp"

#include <commctrl.h>
#include <oleacc.h>
#include <windowsx.h>

#include <cstdlib>
#include <utility>

namespace vornix::win32 {
namespace {

constexpr const wchar_t* kFormClass = L"VornixForm";

// The timer that ends a flash, and how long a flash shows.
constexpr UINT_PTR kFlashTimer = 1;
constexpr UINT kFlashMilliseconds = 1500;

FormWindow* owner_of(HWND window) {
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace

FormWindow::FormWindow(Services& services, ui::OpenWindows& windows)
    : services_(services), windows_(windows) {}

// Detached first, so that no message reaches a window object being destroyed.
FormWindow::~FormWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        for (const Control& control : controls_) {
            RemoveWindowSubclass(control.window, control_procedure, 0);
        }
        DestroyWindow(window_);
        window_ = nullptr;
        windows_.closed();
    }
    for (HICON icon : icons_) {
        DestroyIcon(icon);
    }
}

bool FormWindow::is_form(HWND window) {
    wchar_t name[32]{};
    return GetClassNameW(window, name, 32) > 0 && std::wstring_view(name) == kFormClass;
}

void FormWindow::create(ui::Form& form) {
    form_ = &form;
    static const bool registered = [] {
        register_link_class();
        register_canvas_class();
        WNDCLASSEXW window_class{};
        window_class.cbSize = sizeof window_class;
        window_class.lpfnWndProc = window_procedure;
        // The dialog procedure keeps its own data in these bytes.
        window_class.cbWndExtra = DLGWINDOWEXTRA;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window_class.lpszClassName = kFormClass;
        return RegisterClassExW(&window_class) != 0;
    }();
    const bool dialog = form.frame().style == ui::WindowFrame::Style::FixedDialog;
    const POINT place = designed_place();
    CreateWindowExW(ex_style(), kFormClass, L"", style(), place.x, place.y, CW_USEDEFAULT,
                    CW_USEDEFAULT, dialog ? hidden_owner() : nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (!registered || window_ == nullptr) {
        std::abort(); // no window class or no desktop: nothing can be shown
    }
    dpi_ = window_dpi(window_);
    build_controls();
    stack_controls();
    place_controls(dpi_);
    POINT origin{0, 0};
    if (place.x == CW_USEDEFAULT) {
        ClientToScreen(window_, &origin);
    } else {
        origin = place;
    }
    place_window({origin.x, origin.y, origin.x + pixels(form.frame().client_width),
                  origin.y + pixels(form.frame().client_height)});
    set_window_caption(form.frame().caption);
    // Focus frames and access-key lines follow the user's setting until the keyboard is used.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    form.load();
    // The rules lay a resizable window out at its zoom, which loading has read.
    tell_size();
}

void FormWindow::show(int show_command) {
    if (!IsWindowVisible(window_) && show_command == SW_SHOW) {
        show_command = std::exchange(first_show_, SW_SHOW);
    }
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : show_command);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    UpdateWindow(window_);
}

// Enter presses the focused button, or else the button the rules give for
// the focused control: the dialog manager draws that one as the default.
void FormWindow::flash(std::string_view control, std::string_view text) {
    set_caption(control, text);
    announce(control);
    flashed_ = std::string(control);
    // Set again, the timer starts again: only the latest flash clears the label.
    SetTimer(window_, kFlashTimer, kFlashMilliseconds, nullptr);
}

void FormWindow::on_timer(WPARAM timer) {
    if (timer == kFlashTimer) {
        KillTimer(window_, kFlashTimer);
        if (!flashed_.empty()) {
            set_caption(std::exchange(flashed_, {}), "");
        }
    }
}

// The wheel reaches the window from a control that has the focus and no use
// for it (Windows 7 sends it to the focus): it goes to the canvas under the
// pointer; elsewhere Ctrl and the wheel still zoom the window.
void FormWindow::route_wheel(WPARAM wparam, LPARAM lparam) {
    POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ScreenToClient(window_, &at);
    HWND under = ChildWindowFromPointEx(window_, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    const Control* control = under == nullptr ? nullptr : find(under);
    if (control != nullptr && control->row->kind == ui::ControlKind::Canvas) {
        SendMessageW(under, WM_MOUSEWHEEL, wparam, lparam);
        return;
    }
    const int delta = GET_WHEEL_DELTA_WPARAM(wparam);
    if ((GET_KEYSTATE_WPARAM(wparam) & MK_CONTROL) != 0 && delta != 0) {
        form_->pointer(ui::kBackground, {ui::PointerEvent::Kind::Wheel, double(at.x), double(at.y),
                                         double(delta) / WHEEL_DELTA, true});
    }
}

void FormWindow::follow_focus(HWND focused) {
    const std::string_view button = form_->default_button(name_of(focused));
    const int id = button.empty() ? IDOK : GetDlgCtrlID(find(button).window);
    SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
}

void FormWindow::on_command(WPARAM wparam, LPARAM lparam) {
    const auto source = reinterpret_cast<HWND>(lparam);
    const Control* control = source == nullptr ? nullptr : find(source);
    if (control == nullptr) {
        // From the dialog manager: Enter with no default button, or Esc.
        if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
            form_->key_pressed(name_of(GetFocus()),
                               LOWORD(wparam) == IDOK ? ui::Key::Enter : ui::Key::Escape);
        }
        return;
    }
    const ui::ControlKind kind = control->row->kind;
    const WORD code = HIWORD(wparam);
    const bool pressable = kind == ui::ControlKind::Button || kind == ui::ControlKind::Option ||
                           kind == ui::ControlKind::CheckBox;
    if (pressable && code == BN_CLICKED) {
        form_->clicked(control->row->name);
    } else if (kind == ui::ControlKind::Label && code == STN_DBLCLK) {
        form_->double_clicked(control->row->name);
    } else if (kind == ui::ControlKind::EntryBox && code == EN_SETFOCUS) {
        follow_focus(source);
    }
}

LRESULT FormWindow::colour_static(HDC dc, HWND control) {
    const Control* found = find(control);
    const ui::Colour colour = found == nullptr ? ui::kSystemColour : found->colour;
    if (found != nullptr && found->row->kind == ui::ControlKind::Link) {
        // The rules turn the link from its table's colour to another while it is hovered.
        const bool hovered = colour != found->row->text_colour;
        const COLORREF face = link_face(ui::kSystemColour, hovered);
        SetTextColor(dc, link_colour(colour, hovered));
        SetBkColor(dc, face);
        return reinterpret_cast<LRESULT>(brush_of(face));
    }
    SetTextColor(dc, text_colour(colour));
    // Labels keep the button face, whatever the window's own background; options lie on it.
    const bool option = found != nullptr && (found->row->kind == ui::ControlKind::Option ||
                                             found->row->kind == ui::ControlKind::CheckBox);
    const ui::Colour face = option ? form_->frame().background : ui::kSystemColour;
    SetBkColor(dc, face_colour(face));
    return reinterpret_cast<LRESULT>(face_brush(face));
}

void FormWindow::paint_rules(HDC dc) const {
    const ui::WindowFrame& frame = form_->frame();
    const int old_mode = SetROP2(dc, frame.not_xor ? R2_NOTXORPEN : R2_COPYPEN);
    for (const ui::Rule& rule : frame.rules) {
        const COLORREF colour =
            high_contrast() && !frame.not_xor ? GetSysColor(COLOR_BTNTEXT) : COLORREF(rule.colour);
        LOGBRUSH brush{BS_SOLID, colour, 0};
        const auto width = static_cast<DWORD>(MulDiv(rule.pixels, dpi_, USER_DEFAULT_SCREEN_DPI));
        HPEN pen =
            ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, width, &brush, 0, nullptr);
        const HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, pixels(rule.left), pixels(rule.y), nullptr);
        LineTo(dc, pixels(rule.right), pixels(rule.y));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    SetROP2(dc, old_mode);
}

void FormWindow::repaint_all() {
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

LRESULT CALLBACK FormWindow::window_procedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
        self->windows_.opened();
    }
    FormWindow* self = owner_of(window);
    if (self == nullptr) {
        return DefDlgProcW(window, message, wparam, lparam);
    }
    const LRESULT result = self->on_message(message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->windows_.closed();
    }
    return result;
}

LRESULT FormWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        on_command(wparam, lparam);
        return 0;
    case WM_CLOSE: // the dialog procedure would make it an Esc
        DestroyWindow(window_);
        return 0;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<LRESULT>(face_brush(form_->frame().background));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return colour_static(HDC(wparam), HWND(lparam));
    case WM_SETCURSOR:
        // The window's pointer shows over its background, its labels and its buttons.
        if (pointer_ == ui::Pointer::Cross && LOWORD(lparam) == HTCLIENT) {
            const Control* over = find(HWND(wparam));
            if (over == nullptr || over->row->kind != ui::ControlKind::EntryBox) {
                SetCursor(LoadCursorW(nullptr, IDC_CROSS));
                return TRUE;
            }
        }
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        forward_mouse(ui::kBackground, message, lparam, window_);
        return 0;
    case WM_MOUSEWHEEL:
        route_wheel(wparam, lparam);
        return 0;
    case WM_SIZE:
        if (wparam != SIZE_MINIMIZED) {
            tell_size();
        }
        break;
    case WM_GETMINMAXINFO:
        keep_smallest_size(*reinterpret_cast<MINMAXINFO*>(lparam));
        return 0;
    case WM_TIMER:
        on_timer(wparam);
        return 0;
    case WM_DESTROY:
        on_destroying();
        break;
    case WM_CONTEXTMENU:
        offer_menu(HWND(wparam), POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint_struct{};
        HDC dc = BeginPaint(window_, &paint_struct);
        paint_rules(dc);
        paint(dc);
        EndPaint(window_, &paint_struct);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (lparam & PRF_ERASEBKGND) {
            RECT area{};
            GetClientRect(window_, &area);
            FillRect(HDC(wparam), &area, face_brush(form_->frame().background));
        }
        paint_rules(HDC(wparam));
        paint(HDC(wparam));
        return 0;
    case WM_DPICHANGED:
        moved_to_dpi(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
        return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: // High Contrast turned on or off, or its colours changed
        repaint_all();
        break;
    default:
        break;
    }
    return DefDlgProcW(window_, message, wparam, lparam);
}

} // namespace vornix::win32
