// The windows' own drawings on Win32 (the working, the graph): a control
// that its window's rules paint through draw::Canvas (gdi_canvas.hpp), with a
// vertical scroll bar while the drawing is taller than the control, a focus
// frame once the keyboard is in use, and the pointer (mouse, pen, wheel and
// touch gestures) handed to the rules, which may leave it to the canvas: an
// unused wheel or pan scrolls.
#pragma once

#include "canvas.hpp"
#include "gdi_canvas.hpp"
#include "view.hpp"

#include <windows.h>

#include <functional>
#include <vector>

namespace vornix::win32 {

inline constexpr const wchar_t* kCanvasClass = L"VornixCanvas";

// Draws on the canvas; returns the drawing's height in the canvas's pixels.
using CanvasPainter = std::function<double(draw::Canvas& canvas)>;
// The pointer over the canvas, in the drawing's pixels; returns whether it was used.
using CanvasPointer = std::function<bool(const ui::PointerEvent& event)>;

// Registers the canvas's window class, once.
void register_canvas_class();
void set_canvas_painter(HWND canvas, CanvasPainter painter);
void set_canvas_pointer(HWND canvas, CanvasPointer pointer);

// The canvas's drawing on any DC (a picture, a page), unscrolled; returns its height.
double draw_canvas(HWND canvas, HDC dc, const GdiCanvas::Surface& surface);

// The drawing at `scale` times the control's pixels, as a packed 24-bit DIB
// (BITMAPINFOHEADER then rows), as the clipboard's CF_DIB takes it.
HGLOBAL canvas_picture(HWND canvas, int scale);

// What a touch gesture (WM_GESTURE) tells the rules: a zoom is a pinch about
// the fingers' middle, by the ratio of their spread to the last one; a pan is
// a drag, pressed when it begins and released when it ends. `at` is the
// gesture's place in the drawing's pixels; `spread` keeps the fingers'
// distance between messages. Nothing for the other gestures.
std::vector<ui::PointerEvent> gesture_events(const GESTUREINFO& gesture, POINT at, double& spread);

} // namespace vornix::win32
