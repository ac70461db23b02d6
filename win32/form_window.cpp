#include "form_window.hpp"

#include "accessible.hpp"
#include "wide_text.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <utility>

namespace vornix::win32 {
namespace {

using sysinfo::utf8;
using sysinfo::wide;

constexpr int kFirstControlId = 100;

struct Created {
    const wchar_t* window_class;
    DWORD style;
    DWORD ex_style;
};

Created created(ui::ControlKind kind) {
    switch (kind) {
    case ui::ControlKind::EntryBox:
        return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ui::ControlKind::Button:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ui::ControlKind::Picture:
        return {L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_NOTIFY, 0};
    case ui::ControlKind::Link:
        return {L"STATIC", WS_TABSTOP | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0};
    case ui::ControlKind::Label:
        break;
    }
    // SS_NOTIFY: a label takes its own mouse moves instead of passing them to the window.
    return {L"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0};
}

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

void draw_focus_frame(HWND control) {
    HDC dc = GetDC(control);
    RECT area{};
    GetClientRect(control, &area);
    DrawFocusRect(dc, &area);
    ReleaseDC(control, dc);
}

FormWindow* owner_of(HWND window) {
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace

FormWindow::FormWindow(Services& services, OpenWindows& windows,
                       std::span<const ui::ControlSpec> table)
    : services_(services), windows_(windows), table_(table) {}

// Detached first, so that no message reaches a window object being destroyed.
FormWindow::~FormWindow() {
    if (window_ == nullptr) {
        return;
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    for (const Control& control : controls_) {
        RemoveWindowSubclass(control.window, control_procedure, 0);
    }
    DestroyWindow(window_);
    window_ = nullptr;
    windows_.closed();
}

const wchar_t* FormWindow::window_class(const wchar_t* name, HBRUSH background, HICON icon) {
    static std::set<std::wstring> registered;
    if (registered.insert(name).second) {
        WNDCLASSEXW window_class{};
        window_class.cbSize = sizeof window_class;
        window_class.lpfnWndProc = window_procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window_class.hbrBackground = background;
        window_class.hIcon = icon;
        window_class.lpszClassName = name;
        RegisterClassExW(&window_class);
    }
    return name;
}

bool FormWindow::is_form(HWND window) {
    return GetWindowLongPtrW(window, GWLP_WNDPROC) ==
           reinterpret_cast<LONG_PTR>(&FormWindow::window_procedure);
}

void FormWindow::create(const Frame& frame, POINT client_origin) {
    frame_ = frame;
    dpi_ = static_cast<int>(GetDpiForSystem());
    CreateWindowExW(frame.ex_style, frame.window_class, L"", frame.style, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, frame.owner, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        std::abort(); // no window class or no desktop: nothing can be shown
    }
    // The window's own monitor decides its resolution.
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
    build_controls();
    stack_controls();
    place(dpi_);
    RECT client{0, 0, pixels(frame.client_width), pixels(frame.client_height)};
    if (client_origin.x != CW_USEDEFAULT) {
        OffsetRect(&client, client_origin.x, client_origin.y);
    } else {
        POINT chosen{0, 0};
        ClientToScreen(window_, &chosen);
        OffsetRect(&client, chosen.x, chosen.y);
    }
    place_window(client);
}

// Sizes the frame around the client area at the window's resolution.
void FormWindow::place_window(const RECT& client_in_screen) {
    RECT outer{0, 0, client_in_screen.right - client_in_screen.left,
               client_in_screen.bottom - client_in_screen.top};
    AdjustWindowRectExForDpi(&outer, frame_.style, FALSE, frame_.ex_style, static_cast<UINT>(dpi_));
    SetWindowPos(window_, nullptr, client_in_screen.left + outer.left,
                 client_in_screen.top + outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::build_controls() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (std::size_t row = 0; row < table_.size(); ++row) {
        const ui::ControlSpec& spec = table_[row];
        Created kind = created(spec.kind);
        if (spec.kind == ui::ControlKind::Button && spec.name == default_button()) {
            kind.style |= BS_DEFPUSHBUTTON;
        }
        HWND control = CreateWindowExW(
            kind.ex_style, kind.window_class, wide(spec.caption).c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + row)), instance,
            nullptr);
        if (spec.kind == ui::ControlKind::EntryBox) {
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0); // no limit but the system's own
        }
        SetWindowSubclass(control, control_procedure, 0, reinterpret_cast<DWORD_PTR>(this));
        controls_.push_back(
            {&spec, control, spec.text_colour, spec.font.underline, wide(spec.description)});
    }
}

// Entry boxes and buttons lie above the labels, in tab order, which is also
// the order Tab walks; later labels lie above earlier ones.
void FormWindow::stack_controls() {
    std::vector<HWND> order;
    const std::vector<const ui::ControlSpec*> rows = ui::in_tab_order(table_);
    for (const ui::ControlSpec* row : rows) {
        if (ui::takes_focus(row->kind)) {
            order.push_back(find(row->name).window);
        }
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (!ui::takes_focus((*row)->kind)) {
            order.push_back(find((*row)->name).window);
        }
    }
    HWND above = HWND_TOP;
    for (HWND control : order) {
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
}

void FormWindow::place(int dpi) {
    dpi_ = dpi;
    for (const Control& control : controls_) {
        const ui::ControlSpec& spec = *control.spec;
        SetWindowPos(control.window, nullptr, pixels(spec.left), pixels(spec.top),
                     pixels(spec.width), pixels(spec.height), SWP_NOZORDER | SWP_NOACTIVATE);
        ui::FontSpec font = spec.font;
        font.underline = control.underline;
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(font, dpi_)),
                     TRUE);
    }
    on_placed();
}

HICON FormWindow::program_icon(int pixels) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                         pixels, pixels, LR_DEFAULTCOLOR | LR_SHARED));
}

const FormWindow::Control& FormWindow::find(std::string_view name) const {
    for (const Control& control : controls_) {
        if (control.spec->name == name) {
            return control;
        }
    }
    std::abort(); // a name missing from the window's own table
}

FormWindow::Control& FormWindow::find(std::string_view name) {
    return const_cast<Control&>(std::as_const(*this).find(name));
}

FormWindow::Control* FormWindow::find(HWND window) {
    for (Control& control : controls_) {
        if (control.window == window) {
            return &control;
        }
    }
    return nullptr;
}

HWND FormWindow::control(std::string_view name) const {
    return find(name).window;
}

std::string_view FormWindow::name_of(HWND control) const {
    for (const Control& candidate : controls_) {
        if (candidate.window == control) {
            return candidate.spec->name;
        }
    }
    return ui::kBackground;
}

void FormWindow::draw_line(HDC dc, const ui::LineSpec& line) const {
    LOGBRUSH brush{BS_SOLID, line.colour, 0};
    const DWORD width = static_cast<DWORD>(MulDiv(line.pixels, dpi_, USER_DEFAULT_SCREEN_DPI));
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, width, &brush, 0, nullptr);
    const HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, pixels(line.left), pixels(line.y), nullptr);
    LineTo(dc, pixels(line.right), pixels(line.y));
    SelectObject(dc, old);
    DeleteObject(pen);
}

std::string FormWindow::text(std::string_view control) const {
    return utf8(window_text(find(control).window));
}

std::string FormWindow::caption(std::string_view control) const {
    return text(control);
}

void FormWindow::set_caption(std::string_view control, std::string_view text) {
    SetWindowTextW(find(control).window, wide(text).c_str());
}

void FormWindow::set_text_colour(std::string_view control, ui::Colour colour) {
    Control& target = find(control);
    // Mouse moves set the link's colour again and again; repaint only on a change.
    if (target.colour != colour) {
        target.colour = colour;
        InvalidateRect(target.window, nullptr, TRUE);
    }
}

void FormWindow::set_underline(std::string_view control, bool underline) {
    Control& target = find(control);
    target.underline = underline;
    ui::FontSpec font = target.spec->font;
    font.underline = underline;
    SendMessageW(target.window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(font, dpi_)), TRUE);
}

void FormWindow::set_window_caption(std::string_view text) {
    SetWindowTextW(window_, wide(text).c_str());
}

void FormWindow::set_tooltip(std::string_view control, std::string_view text) {
    if (tooltips_ == nullptr) {
        tooltips_ =
            CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                            0, 0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
        // A width makes the tip break its text at line feeds.
        SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, pixels(ui::kTwipsPerInch * 5));
    }
    Control& target = find(control);
    std::wstring tip = wide(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(target.window);
    tool.lpszText = tip.data();
    SendMessageW(tooltips_, target.has_tooltip ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&tool));
    target.has_tooltip = true;
}

void FormWindow::set_description(std::string_view control, std::string_view text) {
    find(control).description = wide(text);
}

void FormWindow::set_pointer(ui::Pointer pointer) {
    pointer_ = pointer;
}

void FormWindow::announce(std::string_view control) {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, find(control).window, OBJID_WINDOW, CHILDID_SELF);
}

void FormWindow::open_page(std::string_view address) {
    services_.open_page(window_, wide(address));
}

void FormWindow::copy_text(std::string_view text) {
    if (!OpenClipboard(window_)) {
        return;
    }
    EmptyClipboard();
    const std::wstring units = wide(text);
    const std::size_t bytes = (units.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), units.c_str(), bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

void FormWindow::close() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool FormWindow::start_program(const std::string& path) {
    return services_.start_program(wide(path));
}

void FormWindow::show_message(const std::string& text) {
    services_.show_message(window_, wide(text));
}

LRESULT FormWindow::colour_static(HDC dc, HWND control) {
    const Control* found = find(control);
    const ui::Colour colour = found == nullptr ? ui::kSystemColour : found->colour;
    SetTextColor(dc, colour == ui::kSystemColour ? GetSysColor(COLOR_BTNTEXT) : colour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The focused button, or else the window's default button.
LRESULT FormWindow::default_button_id() {
    HWND focus = GetFocus();
    const Control* focused = find(focus);
    std::string_view button = default_button();
    if (focused != nullptr && focused->spec->kind == ui::ControlKind::Button) {
        button = focused->spec->name;
    }
    if (button.empty()) {
        return 0;
    }
    return MAKELRESULT(GetDlgCtrlID(find(button).window), DC_HASDEFID);
}

void FormWindow::forward_mouse(std::string_view name, UINT message, LPARAM lparam, HWND source) {
    switch (message) {
    case WM_MOUSEMOVE:
        on_mouse_moved(name);
        break;
    case WM_LBUTTONDOWN:
        on_mouse_pressed(name);
        break;
    case WM_LBUTTONUP: {
        RECT area{};
        GetClientRect(source, &area);
        on_mouse_released(name, PtInRect(&area, POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}));
        break;
    }
    default:
        break;
    }
}

LRESULT CALLBACK FormWindow::control_procedure(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam, UINT_PTR, DWORD_PTR self) {
    auto& form = *reinterpret_cast<FormWindow*>(self);
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        form.forward_mouse(form.name_of(window), message, lparam, window);
    }
    const Control& control = *form.find(window);
    switch (message) {
    case WM_GETOBJECT:
        if (static_cast<LONG>(lparam) == OBJID_CLIENT) {
            if (const LRESULT object = accessible_object(
                    window, wparam, wide(control.spec->accessible_name), control.description)) {
                return object;
            }
        }
        break;
    case WM_CHAR: // Ctrl+C is character 3; with Shift it is not the box's own copy
        if (wparam == 3 && GetKeyState(VK_SHIFT) < 0 && form.on_copy_answer(control.spec->name)) {
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (wparam == VK_SPACE && control.spec->kind == ui::ControlKind::Link) {
            form.on_space(control.spec->name);
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window, nullptr, TRUE);
        break;
    case WM_PAINT:
        if (control.spec->kind == ui::ControlKind::Link && GetFocus() == window) {
            const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
            draw_focus_frame(window);
            return result;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wparam, lparam);
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
        return DefWindowProcW(window, message, wparam, lparam);
    }
    const LRESULT result = self->on_message(message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        self->windows_.closed();
    }
    return result;
}

LRESULT FormWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED && lparam != 0 && find(HWND(lparam)) != nullptr) {
            on_clicked(name_of(HWND(lparam)));
        } else if (LOWORD(wparam) == IDOK) {
            on_enter(name_of(GetFocus()));
        } else if (LOWORD(wparam) == IDCANCEL) {
            on_escape();
        }
        return 0;
    case DM_GETDEFID:
        return default_button_id();
    case WM_CTLCOLORSTATIC:
        return colour_static(HDC(wparam), HWND(lparam));
    case WM_SETCURSOR:
        // The window's pointer shows over its background, its labels and its buttons.
        if (pointer_ == ui::Pointer::Cross && LOWORD(lparam) == HTCLIENT) {
            const Control* over = find(HWND(wparam));
            if (over == nullptr || over->spec->kind != ui::ControlKind::EntryBox) {
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
    case WM_CONTEXTMENU: {
        POINT where{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        if (where.x == -1 && where.y == -1) { // from the keyboard
            RECT area{};
            GetWindowRect(HWND(wparam), &area);
            where = {area.left, area.bottom};
        }
        on_context_menu(name_of(HWND(wparam)), where);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            last_focus_ = IsChild(window_, GetFocus()) ? GetFocus() : last_focus_;
        } else {
            SetFocus(last_focus_ != nullptr ? last_focus_
                                            : GetNextDlgTabItem(window_, nullptr, FALSE));
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint_struct{};
        HDC dc = BeginPaint(window_, &paint_struct);
        paint(dc);
        EndPaint(window_, &paint_struct);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (lparam & PRF_ERASEBKGND) {
            DefWindowProcW(window_, WM_ERASEBKGND, wparam, 0);
        }
        paint(HDC(wparam));
        return 0;
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
        place(HIWORD(wparam));
        RECT client{0, 0, pixels(frame_.client_width), pixels(frame_.client_height)};
        RECT outer = client;
        AdjustWindowRectExForDpi(&outer, frame_.style, FALSE, frame_.ex_style, UINT(dpi_));
        OffsetRect(&client, suggested.left - outer.left, suggested.top - outer.top);
        place_window(client);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

} // namespace vornix::win32
