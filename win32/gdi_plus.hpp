// GDI+'s flat interface, as much of it as the drawings and the PNG files use,
// loaded from the system's folder with the first drawing: a program that
// never draws a graph never loads it. Without it, lines are drawn by GDI.
#pragma once

#include <windows.h>

namespace vornix::win32 {

struct GdiPlus {
    struct PointF {
        float x;
        float y;
    };
    using Status = int;

    static constexpr int kAntiAlias = 4;
    static constexpr int kUnitPixel = 2;
    static constexpr int kDash = 1;
    static constexpr int kRoundJoin = 2;
    static constexpr int kFillAlternate = 0;

    bool ready = false;
    Status(WINAPI* create_from_hdc)(HDC, void**) = nullptr;
    Status(WINAPI* delete_graphics)(void*) = nullptr;
    Status(WINAPI* set_smoothing_mode)(void*, int) = nullptr;
    Status(WINAPI* set_page_unit)(void*, int) = nullptr;
    Status(WINAPI* create_pen)(DWORD, float, int, void**) = nullptr;
    Status(WINAPI* set_pen_dash_style)(void*, int) = nullptr;
    Status(WINAPI* set_pen_line_join)(void*, int) = nullptr;
    Status(WINAPI* draw_lines)(void*, void*, const PointF*, int) = nullptr;
    Status(WINAPI* delete_pen)(void*) = nullptr;
    Status(WINAPI* create_solid_fill)(DWORD, void**) = nullptr;
    Status(WINAPI* fill_ellipse)(void*, void*, float, float, float, float) = nullptr;
    Status(WINAPI* fill_polygon)(void*, void*, const PointF*, int, int) = nullptr;
    Status(WINAPI* delete_brush)(void*) = nullptr;
    // Pictures: a bitmap from a GDI one, its resolution, and its PNG into a stream.
    Status(WINAPI* bitmap_from_hbitmap)(HBITMAP, HPALETTE, void**) = nullptr;
    Status(WINAPI* set_resolution)(void*, float, float) = nullptr;
    Status(WINAPI* save_to_stream)(void*, IStream*, const CLSID*, const void*) = nullptr;
    Status(WINAPI* dispose_image)(void*) = nullptr;
};

// GDI+, started on the first call; `ready` is false where it cannot be.
const GdiPlus& gdi_plus();

// GDI's 0x00BBGGRR as GDI+'s opaque 0xAARRGGBB.
DWORD argb(COLORREF colour);

// GDI+'s PNG encoder, {557CF406-1A04-11D3-9A73-0000F81EF32E}.
inline constexpr CLSID kPngEncoder{
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

} // namespace vornix::win32
