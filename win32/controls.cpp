// The controls of a window, made from its table.
#include "controls.hpp"

#include "canvas_control.hpp"
#include "form_window.hpp"
#include "link.hpp"
#include "wide_text.hpp"

#include <commctrl.h>

#include <cstdlib>
#include <utility>

namespace vornix::win32 {
namespace {

constexpr int kFirstControlId = 100;

// The entry box's menu, in the words of its own.
constexpr UINT kUndo = 1;
constexpr UINT kCut = 2;
constexpr UINT kCopy = 3;
constexpr UINT kPaste = 4;
constexpr UINT kDelete = 5;
constexpr UINT kSelectAll = 6;

} // namespace

ControlClass control_class(ui::ControlKind kind) {
    switch (kind) {
    case ui::ControlKind::EntryBox:
        return {L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ui::ControlKind::Button:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ui::ControlKind::Option:
        return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ui::ControlKind::CheckBox:
        return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ui::ControlKind::Picture:
        return {L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_NOTIFY, 0};
    case ui::ControlKind::Link:
        return {kLinkClass, WS_TABSTOP, 0};
    case ui::ControlKind::Canvas:
        return {kCanvasClass, WS_TABSTOP | WS_VSCROLL, 0};
    case ui::ControlKind::Label:
        break;
    }
    // SS_NOTIFY: a label takes its own mouse moves instead of passing them to the window.
    return {L"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0};
}

ControlClass control_class(const ui::ControlRow& row) {
    ControlClass kind = control_class(row.kind);
    // A label's access key: the dialog manager hands the focus to the control
    // stacked below it, its buddy.
    if (row.kind == ui::ControlKind::Label && ui::access_key(row.caption) != 0) {
        kind.style &= ~static_cast<DWORD>(SS_NOPREFIX);
    }
    return kind;
}

HWND hidden_owner() {
    static HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    return owner;
}

void append_edit_commands(HMENU menu, HWND box) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selected = start != end;
    const auto state = [](bool enabled) { return MF_STRING | (enabled ? 0U : MF_GRAYED); };
    AppendMenuW(menu, state(SendMessageW(box, EM_CANUNDO, 0, 0) != 0), kUndo, L"撤消(&U)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, state(selected), kCut, L"剪切(&T)");
    AppendMenuW(menu, state(selected), kCopy, L"复制(&C)");
    AppendMenuW(menu, state(IsClipboardFormatAvailable(CF_UNICODETEXT) != 0), kPaste, L"粘贴(&P)");
    AppendMenuW(menu, state(selected), kDelete, L"删除(&D)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, state(GetWindowTextLengthW(box) > 0), kSelectAll, L"全选(&A)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

void run_edit_command(HWND box, UINT command) {
    switch (command) {
    case kUndo:
        SendMessageW(box, EM_UNDO, 0, 0);
        break;
    case kCut:
        SendMessageW(box, WM_CUT, 0, 0);
        break;
    case kCopy:
        SendMessageW(box, WM_COPY, 0, 0);
        break;
    case kPaste:
        SendMessageW(box, WM_PASTE, 0, 0);
        break;
    case kDelete:
        SendMessageW(box, WM_CLEAR, 0, 0);
        break;
    case kSelectAll:
        SendMessageW(box, EM_SETSEL, 0, -1);
        break;
    default:
        break;
    }
}

void FormWindow::build_controls() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::span<const ui::ControlRow> table = form_->controls();
    for (std::size_t index = 0; index < table.size(); ++index) {
        const ui::ControlRow& row = table[index];
        ControlClass kind = control_class(row);
        // Each group of options is entered by Tab and walked by the arrow
        // keys; the control after a group starts one of its own, ending it.
        if (ui::starts_group(table, row.name)) {
            kind.style |= WS_GROUP | (row.kind == ui::ControlKind::Option ? WS_TABSTOP : 0);
        }
        HWND control = CreateWindowExW(
            kind.ex_style, kind.name, sysinfo::wide(row.caption).c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), instance,
            nullptr);
        if (row.kind == ui::ControlKind::EntryBox) {
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0); // no limit but the system's own
        }
        if (row.kind == ui::ControlKind::Canvas) {
            set_canvas_painter(control, [this, name = row.name](draw::Canvas& canvas) {
                return form_->paint(name, canvas);
            });
            set_canvas_pointer(control, [this, name = row.name](const ui::PointerEvent& event) {
                return form_->pointer(name, event);
            });
        }
        SetWindowSubclass(control, control_procedure, 0, reinterpret_cast<DWORD_PTR>(this));
        controls_.push_back({&row,
                             control,
                             row.text_colour,
                             row.font.underline,
                             sysinfo::wide(row.description),
                             {}});
    }
}

// The order Tab walks is the order of the windows: the topmost first.
void FormWindow::stack_controls() {
    HWND above = HWND_TOP;
    for (const ui::ControlRow* row : ui::stacking_order(form_->controls())) {
        HWND control = find(row->name).window;
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
}

const FormWindow::Control& FormWindow::find(std::string_view name) const {
    for (const Control& control : controls_) {
        if (control.row->name == name) {
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
            return candidate.row->name;
        }
    }
    return ui::kBackground;
}

} // namespace vornix::win32
