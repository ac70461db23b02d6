// The drawing copied as a picture, for the clipboard.
#include "canvas_control.hpp"

#include "system.hpp"

#include <cstring>

namespace vornix::win32 {

HGLOBAL canvas_picture(HWND canvas, int scale) {
    RECT area{};
    GetClientRect(canvas, &area);
    const SIZE size{area.right * scale, area.bottom * scale};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = size.cx;
    header.biHeight = size.cy; // rows from the bottom up, as every program reads them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const std::size_t row_bytes = (std::size_t(size.cx) * 3 + 3) & ~std::size_t(3);
    const std::size_t bytes = row_bytes * std::size_t(size.cy);
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGLOBAL packed = nullptr;
    if (bitmap != nullptr && memory != nullptr) {
        const HGDIOBJ old = SelectObject(memory, bitmap);
        draw_canvas(canvas, memory, {size, window_dpi(canvas) * scale, {0, 0}, false});
        GdiFlush();
        packed = GlobalAlloc(GMEM_MOVEABLE, sizeof header + bytes);
        if (void* target = packed != nullptr ? GlobalLock(packed) : nullptr) {
            header.biSizeImage = static_cast<DWORD>(bytes);
            std::memcpy(target, &header, sizeof header);
            std::memcpy(static_cast<char*>(target) + sizeof header, bits, bytes);
            GlobalUnlock(packed);
        }
        SelectObject(memory, old);
    }
    if (memory != nullptr) {
        DeleteDC(memory);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    return packed;
}

} // namespace vornix::win32
