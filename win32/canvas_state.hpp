// What a canvas control keeps between its messages; shared by its files.
#pragma once

#include "canvas_control.hpp"

#include <optional>

namespace vornix::win32 {

struct CanvasState {
    CanvasPainter painter;
    CanvasPointer pointer;
    CanvasFonts fonts;
    int scrolled = 0;
    int drawing_height = 0;
    bool tracking_leave = false; // TrackMouseEvent asked for WM_MOUSELEAVE
    double spread = 0;           // the fingers' distance in the last zoom gesture
};

CanvasState* state_of(HWND canvas);

// The scroll position, kept within the drawing.
void scroll_to(HWND canvas, int position);
int line_step(HWND canvas);

// The canvas's pointer messages (canvas_pointer.cpp): the answer, or nothing
// when the message is left to the rest of the canvas.
std::optional<LRESULT> on_pointer_message(HWND canvas, UINT message, WPARAM wparam, LPARAM lparam);

} // namespace vornix::win32
