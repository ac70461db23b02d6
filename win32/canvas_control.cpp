// The canvas control's window: painting through a memory bitmap, scrolling,
// the keys that scroll, and its pointer handed on (canvas_pointer.cpp).
#include "canvas_control.hpp"

#include "canvas_state.hpp"
#include "colours.hpp"
#include "system.hpp"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vornix::win32 {
namespace {

// The bar shows only while the drawing is taller than the canvas.
void fit_scroll_bar(HWND canvas, int drawing_height) {
    CanvasState& state = *state_of(canvas);
    if (drawing_height == state.drawing_height) {
        return;
    }
    state.drawing_height = drawing_height;
    RECT area{};
    GetClientRect(canvas, &area);
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE,
                    0,
                    std::max(drawing_height - 1, 0),
                    UINT(area.bottom),
                    0,
                    0};
    SetScrollInfo(canvas, SB_VERT, &info, TRUE);
    scroll_to(canvas, state.scrolled);
    InvalidateRect(canvas, nullptr, FALSE);
}

void draw_focus_frame(HWND canvas, HDC dc, RECT frame) {
    const auto ui_state = static_cast<UINT>(SendMessageW(canvas, WM_QUERYUISTATE, 0, 0));
    if (GetFocus() == canvas && (ui_state & UISF_HIDEFOCUS) == 0) {
        InflateRect(&frame, -1, -1);
        SetTextColor(dc, ink_colour(draw::Ink::Text));
        SetBkColor(dc, ink_colour(draw::Ink::Paper));
        DrawFocusRect(dc, &frame);
    }
}

void paint(HWND canvas, HDC target) {
    CanvasState& state = *state_of(canvas);
    RECT area{};
    GetClientRect(canvas, &area);
    const SIZE size{area.right, area.bottom};
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, std::max(1L, size.cx), std::max(1L, size.cy));
    const HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    const HGDIOBJ old_font = GetCurrentObject(memory, OBJ_FONT);
    GdiCanvas drawn_on(memory, {size, window_dpi(canvas), {0, -state.scrolled}, false},
                       state.fonts);
    double drawn = 0;
    if (state.painter) {
        drawn = state.painter(drawn_on);
    } else {
        drawn_on.fill(draw::Ink::Paper);
    }
    SelectObject(memory, old_font);
    draw_focus_frame(canvas, memory, area);
    BitBlt(target, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    fit_scroll_bar(canvas, static_cast<int>(std::ceil(drawn)));
}

void on_vertical_scroll(HWND canvas, WORD request) {
    RECT area{};
    GetClientRect(canvas, &area);
    const int at = state_of(canvas)->scrolled;
    SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    switch (request) {
    case SB_LINEUP:
        return scroll_to(canvas, at - line_step(canvas));
    case SB_LINEDOWN:
        return scroll_to(canvas, at + line_step(canvas));
    case SB_PAGEUP:
        return scroll_to(canvas, at - area.bottom);
    case SB_PAGEDOWN:
        return scroll_to(canvas, at + area.bottom);
    case SB_TOP:
        return scroll_to(canvas, 0);
    case SB_BOTTOM:
        return scroll_to(canvas, INT_MAX);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        GetScrollInfo(canvas, SB_VERT, &info);
        return scroll_to(canvas, info.nTrackPos);
    default:
        return;
    }
}

// The keys that scroll, as the scroll bar's own requests.
bool scroll_request_of(WPARAM key, WORD& request) {
    switch (key) {
    case VK_UP:
        request = SB_LINEUP;
        return true;
    case VK_DOWN:
        request = SB_LINEDOWN;
        return true;
    case VK_PRIOR:
        request = SB_PAGEUP;
        return true;
    case VK_NEXT:
        request = SB_PAGEDOWN;
        return true;
    case VK_HOME:
        request = SB_TOP;
        return true;
    case VK_END:
        request = SB_BOTTOM;
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK canvas_procedure(HWND canvas, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(canvas, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new CanvasState));
    } else if (message == WM_NCDESTROY) {
        delete state_of(canvas);
        SetWindowLongPtrW(canvas, GWLP_USERDATA, 0);
    } else if (state_of(canvas) != nullptr) {
        if (const auto answer = on_pointer_message(canvas, message, wparam, lparam)) {
            return *answer;
        }
    }
    WORD request = 0;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint_struct{};
        HDC dc = BeginPaint(canvas, &paint_struct);
        paint(canvas, dc);
        EndPaint(canvas, &paint_struct);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(canvas, reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_VSCROLL:
        on_vertical_scroll(canvas, LOWORD(wparam));
        return 0;
    case WM_KEYDOWN: // what the rules left: the keys that scroll
        if (scroll_request_of(wparam, request)) {
            on_vertical_scroll(canvas, request);
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        // The arrows, and the characters + and −, are the canvas's own; Tab,
        // Enter and Esc stay the dialog manager's.
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
        const LRESULT result = DefWindowProcW(canvas, message, wparam, lparam);
        InvalidateRect(canvas, nullptr, FALSE);
        return result;
    }
    default:
        break;
    }
    return DefWindowProcW(canvas, message, wparam, lparam);
}

} // namespace

CanvasState* state_of(HWND canvas) {
    return reinterpret_cast<CanvasState*>(GetWindowLongPtrW(canvas, GWLP_USERDATA));
}

int line_step(HWND canvas) {
    return MulDiv(20, window_dpi(canvas), USER_DEFAULT_SCREEN_DPI);
}

void scroll_to(HWND canvas, int position) {
    CanvasState& state = *state_of(canvas);
    RECT area{};
    GetClientRect(canvas, &area);
    const int most = std::max(0, state.drawing_height - int(area.bottom));
    position = std::clamp(position, 0, most);
    if (position != state.scrolled) {
        state.scrolled = position;
        SetScrollPos(canvas, SB_VERT, position, TRUE);
        InvalidateRect(canvas, nullptr, FALSE);
    }
}

void register_canvas_class() {
    static const bool registered = [] {
        WNDCLASSEXW canvas_class{};
        canvas_class.cbSize = sizeof canvas_class;
        canvas_class.style = CS_DBLCLKS;
        canvas_class.lpfnWndProc = canvas_procedure;
        canvas_class.hInstance = GetModuleHandleW(nullptr);
        canvas_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        canvas_class.lpszClassName = kCanvasClass;
        return RegisterClassExW(&canvas_class) != 0;
    }();
    (void)registered;
}

void set_canvas_painter(HWND canvas, CanvasPainter painter) {
    state_of(canvas)->painter = std::move(painter);
    InvalidateRect(canvas, nullptr, FALSE);
}

void set_canvas_pointer(HWND canvas, CanvasPointer pointer) {
    state_of(canvas)->pointer = std::move(pointer);
}

double draw_canvas(HWND canvas, HDC dc, const GdiCanvas::Surface& surface) {
    CanvasState& state = *state_of(canvas);
    GdiCanvas drawn_on(dc, surface, state.fonts);
    if (!state.painter) {
        drawn_on.fill(draw::Ink::Paper);
        return 0;
    }
    return state.painter(drawn_on);
}

} // namespace vornix::win32
