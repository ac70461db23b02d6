#include "link.hpp"

#include <string>

namespace vornix::win32 {
namespace {

// The font the window gave, kept in the window's extra bytes.
constexpr int kFontSlot = 0;

std::wstring text_of(HWND link) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(link)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(link, text.data(), int(text.size()))));
    return text;
}

bool shows_focus(HWND link) {
    const auto state = static_cast<UINT>(SendMessageW(link, WM_QUERYUISTATE, 0, 0));
    return GetFocus() == link && (state & UISF_HIDEFOCUS) == 0;
}

void paint(HWND link, HDC dc) {
    RECT area{};
    GetClientRect(link, &area);
    // The window chooses the colours, as it does for its labels.
    auto* face = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(link), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(link)));
    FillRect(dc, &area, face != nullptr ? face : GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(GetWindowLongPtrW(link, kFontSlot)));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = text_of(link);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    if (shows_focus(link)) {
        DrawFocusRect(dc, &area);
    }
}

LRESULT CALLBACK link_procedure(HWND link, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint_struct{};
        HDC dc = BeginPaint(link, &paint_struct);
        paint(link, dc);
        EndPaint(link, &paint_struct);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(link, reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_SETFONT:
        SetWindowLongPtrW(link, kFontSlot, static_cast<LONG_PTR>(wparam));
        if (LOWORD(lparam) != 0) {
            InvalidateRect(link, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(link, kFontSlot);
    case WM_GETDLGCODE: {
        // Enter is the link's own, not the dialog's default button.
        const auto* key = reinterpret_cast<const MSG*>(lparam);
        const bool enter = key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
        return enter ? DLGC_WANTMESSAGE : 0;
    }
    case WM_LBUTTONDOWN:
        SetFocus(link);
        return 0;
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case WM_ENABLE: {
        const LRESULT result = DefWindowProcW(link, message, wparam, lparam);
        InvalidateRect(link, nullptr, TRUE);
        return result;
    }
    default:
        break;
    }
    return DefWindowProcW(link, message, wparam, lparam);
}

} // namespace

void register_link_class() {
    WNDCLASSEXW link_class{};
    link_class.cbSize = sizeof link_class;
    link_class.lpfnWndProc = link_procedure;
    link_class.cbWndExtra = sizeof(LONG_PTR);
    link_class.hInstance = GetModuleHandleW(nullptr);
    link_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    link_class.lpszClassName = kLinkClass;
    RegisterClassExW(&link_class);
}

} // namespace vornix::win32
