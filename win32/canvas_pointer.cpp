// The pointer over a canvas, handed to its rules: the mouse and pen, the
// wheel (an unused one scrolls), and touch gestures (an unused pan scrolls,
// as the system does for a window with a scroll bar).
#include "canvas_state.hpp"

#include <windowsx.h>

#include <cmath>

namespace vornix::win32 {
namespace {

using Kind = ui::PointerEvent::Kind;

bool tell(HWND canvas, Kind kind, POINT at, double amount = 0, bool control = false) {
    const CanvasState& state = *state_of(canvas);
    return state.pointer &&
           state.pointer({kind, double(at.x), double(at.y + state.scrolled), amount, control});
}

POINT client_point(LPARAM lparam) {
    return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
}

void follow_leave(HWND canvas) {
    CanvasState& state = *state_of(canvas);
    if (!state.tracking_leave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, canvas, 0};
        state.tracking_leave = TrackMouseEvent(&track) != FALSE;
    }
}

LRESULT on_wheel(HWND canvas, WPARAM wparam, LPARAM lparam) {
    POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; // on the screen
    ScreenToClient(canvas, &at);
    const int delta = GET_WHEEL_DELTA_WPARAM(wparam);
    const bool control = (GET_KEYSTATE_WPARAM(wparam) & MK_CONTROL) != 0;
    if (delta != 0 && tell(canvas, Kind::Wheel, at, double(delta) / WHEEL_DELTA, control)) {
        return 0;
    }
    scroll_to(canvas, state_of(canvas)->scrolled - delta * 3 * line_step(canvas) / WHEEL_DELTA);
    return 0;
}

std::optional<LRESULT> on_gesture(HWND canvas, LPARAM lparam) {
    GESTUREINFO gesture{};
    gesture.cbSize = sizeof gesture;
    const auto handle = reinterpret_cast<HGESTUREINFO>(lparam);
    if (!GetGestureInfo(handle, &gesture)) {
        return std::nullopt;
    }
    POINT at{gesture.ptsLocation.x, gesture.ptsLocation.y};
    ScreenToClient(canvas, &at);
    CanvasState& state = *state_of(canvas);
    const std::vector<ui::PointerEvent> events =
        gesture_events(gesture, {at.x, at.y + state.scrolled}, state.spread);
    bool used = false;
    for (const ui::PointerEvent& event : events) {
        used = (state.pointer && state.pointer(event)) || used;
    }
    if (!used) {
        return std::nullopt; // the system's own: a pan scrolls
    }
    CloseGestureInfoHandle(handle);
    return 0;
}

} // namespace

std::vector<ui::PointerEvent> gesture_events(const GESTUREINFO& gesture, POINT at, double& spread) {
    const bool begins = (gesture.dwFlags & GF_BEGIN) != 0;
    const bool ends = (gesture.dwFlags & GF_END) != 0;
    const ui::PointerEvent here{Kind::Move, double(at.x), double(at.y), 0, false};
    std::vector<ui::PointerEvent> events;
    if (gesture.dwID == GID_ZOOM) {
        // The arguments hold the distance between the two fingers.
        const auto distance = static_cast<double>(gesture.ullArguments & 0xFFFFFFFF);
        if (!begins && spread > 0 && distance > 0) {
            ui::PointerEvent pinch = here;
            pinch.kind = Kind::Pinch;
            pinch.amount = distance / spread;
            events.push_back(pinch);
        }
        spread = ends ? 0 : distance;
    } else if (gesture.dwID == GID_PAN) {
        ui::PointerEvent drag = here;
        drag.kind = begins ? Kind::Press : Kind::Move;
        events.push_back(drag);
        if (ends) {
            drag.kind = Kind::Release;
            events.push_back(drag);
        }
    }
    return events;
}

std::optional<LRESULT> on_pointer_message(HWND canvas, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_MOUSEMOVE:
        follow_leave(canvas);
        tell(canvas, Kind::Move, client_point(lparam));
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(canvas);
        SetCapture(canvas); // a drag goes on outside the canvas
        tell(canvas, Kind::Press, client_point(lparam));
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == canvas) {
            ReleaseCapture();
        }
        tell(canvas, Kind::Release, client_point(lparam));
        return 0;
    case WM_LBUTTONDBLCLK:
        tell(canvas, Kind::DoubleClick, client_point(lparam));
        return 0;
    case WM_MOUSELEAVE:
        state_of(canvas)->tracking_leave = false;
        tell(canvas, Kind::Leave, {0, 0});
        return 0;
    case WM_MOUSEWHEEL:
        return on_wheel(canvas, wparam, lparam);
    case WM_GESTURE:
        return on_gesture(canvas, lparam);
    default:
        return std::nullopt;
    }
}

} // namespace vornix::win32
