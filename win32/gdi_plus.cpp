#include "gdi_plus.hpp"

#include "system.hpp"

namespace vornix::win32 {
namespace {

struct StartupInput {
    UINT32 version = 1;
    void* debug_callback = nullptr;
    BOOL suppress_background_thread = FALSE;
    BOOL suppress_external_codecs = FALSE;
};
using Startup = GdiPlus::Status(WINAPI*)(ULONG_PTR*, const StartupInput*, void*);

template <typename Function> bool find(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

bool find_all(HMODULE library, GdiPlus& plus) {
    return find(library, "GdipCreateFromHDC", plus.create_from_hdc) &&
           find(library, "GdipDeleteGraphics", plus.delete_graphics) &&
           find(library, "GdipSetSmoothingMode", plus.set_smoothing_mode) &&
           find(library, "GdipSetPageUnit", plus.set_page_unit) &&
           find(library, "GdipCreatePen1", plus.create_pen) &&
           find(library, "GdipSetPenDashStyle", plus.set_pen_dash_style) &&
           find(library, "GdipSetPenLineJoin", plus.set_pen_line_join) &&
           find(library, "GdipDrawLines", plus.draw_lines) &&
           find(library, "GdipDeletePen", plus.delete_pen) &&
           find(library, "GdipCreateSolidFill", plus.create_solid_fill) &&
           find(library, "GdipFillEllipse", plus.fill_ellipse) &&
           find(library, "GdipFillPolygon", plus.fill_polygon) &&
           find(library, "GdipDeleteBrush", plus.delete_brush) &&
           find(library, "GdipCreateBitmapFromHBITMAP", plus.bitmap_from_hbitmap) &&
           find(library, "GdipBitmapSetResolution", plus.set_resolution) &&
           find(library, "GdipSaveImageToStream", plus.save_to_stream) &&
           find(library, "GdipDisposeImage", plus.dispose_image);
}

} // namespace

const GdiPlus& gdi_plus() {
    static const GdiPlus loaded = [] {
        GdiPlus plus;
        HMODULE library = system_library(L"gdiplus.dll");
        Startup startup = nullptr;
        if (library == nullptr || !find(library, "GdiplusStartup", startup) ||
            !find_all(library, plus)) {
            return plus;
        }
        ULONG_PTR token = 0;
        const StartupInput input;
        plus.ready = startup(&token, &input, nullptr) == 0;
        return plus;
    }();
    return loaded;
}

DWORD argb(COLORREF colour) {
    return 0xFF000000U | (DWORD(GetRValue(colour)) << 16) | (DWORD(GetGValue(colour)) << 8) |
           GetBValue(colour);
}

} // namespace vornix::win32
