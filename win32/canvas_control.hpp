// The windows' own drawings on Win32 (the working, the graph): a control
// that its window's rules paint through ui::Canvas, smooth-edged with GDI+
// (a system library since Windows XP, loaded when first drawn), with a
// vertical scroll bar while the drawing is taller than the control, and a
// focus frame once the keyboard is in use.
#pragma once

#include "canvas.hpp"

#include <windows.h>

#include <functional>

namespace vornix::win32 {

inline constexpr const wchar_t* kCanvasClass = L"VornixCanvas";

// Draws on the canvas; returns the drawing's height in the canvas's pixels.
using CanvasPainter = std::function<double(ui::Canvas& canvas)>;

// Registers the canvas's window class, once.
void register_canvas_class();
void set_canvas_painter(HWND canvas, CanvasPainter painter);

// The drawing at `scale` times the control's pixels, as a packed 24-bit DIB
// (BITMAPINFOHEADER then rows), as the clipboard's CF_DIB takes it.
HGLOBAL canvas_picture(HWND canvas, int scale);

} // namespace vornix::win32
