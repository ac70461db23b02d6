#include "canvas_control.hpp"

#include "colours.hpp"
#include "fonts.hpp"
#include "system.hpp"
#include "wide_text.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace vornix::win32 {
namespace {

// GDI+'s flat interface, as much of it as the drawings use.
struct GdiPlus {
    struct StartupInput {
        UINT32 version = 1;
        void* debug_callback = nullptr;
        BOOL suppress_background_thread = FALSE;
        BOOL suppress_external_codecs = FALSE;
    };
    struct PointF {
        float x;
        float y;
    };
    using Status = int;
    using Startup = Status(WINAPI*)(ULONG_PTR*, const StartupInput*, void*);
    using CreateFromHdc = Status(WINAPI*)(HDC, void**);
    using DeleteGraphics = Status(WINAPI*)(void*);
    using SetSmoothingMode = Status(WINAPI*)(void*, int);
    using CreatePen = Status(WINAPI*)(DWORD, float, int, void**);
    using SetPenDashStyle = Status(WINAPI*)(void*, int);
    using SetPenLineJoin = Status(WINAPI*)(void*, int);
    using DrawLines = Status(WINAPI*)(void*, void*, const PointF*, int);
    using DeletePen = Status(WINAPI*)(void*);
    using CreateSolidFill = Status(WINAPI*)(DWORD, void**);
    using FillEllipse = Status(WINAPI*)(void*, void*, float, float, float, float);
    using DeleteBrush = Status(WINAPI*)(void*);

    static constexpr int kAntiAlias = 4;
    static constexpr int kUnitPixel = 2;
    static constexpr int kDash = 1;
    static constexpr int kRoundJoin = 2;

    bool ready = false;
    CreateFromHdc create_from_hdc = nullptr;
    DeleteGraphics delete_graphics = nullptr;
    SetSmoothingMode set_smoothing_mode = nullptr;
    CreatePen create_pen = nullptr;
    SetPenDashStyle set_pen_dash_style = nullptr;
    SetPenLineJoin set_pen_line_join = nullptr;
    DrawLines draw_lines = nullptr;
    DeletePen delete_pen = nullptr;
    CreateSolidFill create_solid_fill = nullptr;
    FillEllipse fill_ellipse = nullptr;
    DeleteBrush delete_brush = nullptr;
};

template <typename Function> bool find(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

// Loaded with the first drawing; without it, lines are drawn by GDI, jagged.
const GdiPlus& gdi_plus() {
    static const GdiPlus loaded = [] {
        GdiPlus plus;
        HMODULE library = system_library(L"gdiplus.dll");
        GdiPlus::Startup startup = nullptr;
        if (library == nullptr || !find(library, "GdiplusStartup", startup) ||
            !find(library, "GdipCreateFromHDC", plus.create_from_hdc) ||
            !find(library, "GdipDeleteGraphics", plus.delete_graphics) ||
            !find(library, "GdipSetSmoothingMode", plus.set_smoothing_mode) ||
            !find(library, "GdipCreatePen1", plus.create_pen) ||
            !find(library, "GdipSetPenDashStyle", plus.set_pen_dash_style) ||
            !find(library, "GdipSetPenLineJoin", plus.set_pen_line_join) ||
            !find(library, "GdipDrawLines", plus.draw_lines) ||
            !find(library, "GdipDeletePen", plus.delete_pen) ||
            !find(library, "GdipCreateSolidFill", plus.create_solid_fill) ||
            !find(library, "GdipFillEllipse", plus.fill_ellipse) ||
            !find(library, "GdipDeleteBrush", plus.delete_brush)) {
            return plus;
        }
        ULONG_PTR token = 0;
        const GdiPlus::StartupInput input;
        plus.ready = startup(&token, &input, nullptr) == 0;
        return plus;
    }();
    return loaded;
}

DWORD argb(COLORREF colour) {
    return 0xFF000000U | (DWORD(GetRValue(colour)) << 16) | (DWORD(GetGValue(colour)) << 8) |
           GetBValue(colour);
}

int rounded(double value) {
    return static_cast<int>(std::lround(std::clamp(value, -1e6, 1e6)));
}

// The Song face, and for the signs it lacks (a CJK face may have no U+2212
// minus) the first of the system's message font and the common Western faces
// that has them.
class CanvasFonts {
  public:
    static constexpr std::size_t kFallbacks = 4;

    CanvasFonts() = default;
    CanvasFonts(const CanvasFonts&) = delete;
    CanvasFonts& operator=(const CanvasFonts&) = delete;
    ~CanvasFonts() {
        for (const auto& [key, font] : fallbacks_) {
            DeleteObject(font);
        }
    }

    HFONT song(double points, int dpi) {
        return song_.get({ui::Typeface::Song, points, false}, dpi);
    }

    HFONT fallback(std::size_t which, double points, int dpi) {
        HFONT& font = fallbacks_[{which, points, dpi}];
        if (font == nullptr) {
            static constexpr std::array<const wchar_t*, kFallbacks - 1> kFaces{L"Segoe UI",
                                                                               L"Tahoma", L"Arial"};
            LOGFONTW face = nonclient_metrics(dpi).lfMessageFont;
            if (which > 0) {
                lstrcpynW(face.lfFaceName, kFaces[which - 1], LF_FACESIZE);
                face.lfCharSet = DEFAULT_CHARSET;
            }
            face.lfHeight = font_height(points, dpi);
            face.lfWidth = 0;
            face.lfWeight = FW_NORMAL;
            face.lfItalic = FALSE;
            face.lfUnderline = FALSE;
            font = CreateFontIndirectW(&face);
        }
        return font;
    }

  private:
    Fonts song_;
    std::map<std::tuple<std::size_t, double, int>, HFONT> fallbacks_;
};

bool has_glyph(HDC dc, HFONT font, wchar_t character) {
    SelectObject(dc, font);
    WORD glyph = 0;
    GetGlyphIndicesW(dc, &character, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    return glyph != 0xFFFF && glyph != 0; // 0: the font's .notdef
}

constexpr wchar_t kMinus = 0x2212;

// A piece of text in one font.
struct Run {
    std::wstring text;
    HFONT font;
};

// Draws on a memory DC: text through GDI in the Song face, lines and dots
// through GDI+. `top` is how far the drawing has been scrolled up.
class GdiCanvas final : public ui::Canvas {
  public:
    GdiCanvas(HDC dc, SIZE size, int dpi, CanvasFonts& fonts, double top)
        : dc_(dc), size_(size), dpi_(dpi), fonts_(fonts), top_(top) {
        SetBkMode(dc_, TRANSPARENT);
        SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    }

    double width() const override { return size_.cx; }
    double height() const override { return size_.cy; }
    double scale() const override { return double(dpi_) / USER_DEFAULT_SCREEN_DPI; }

    ui::TextExtent measure(std::string_view text, double points) override {
        ui::TextExtent total{0, 0, 0};
        for (const Run& run : runs(text, points)) {
            SelectObject(dc_, run.font);
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc_, &metrics);
            total.width += run_width(run);
            total.ascent = std::max(total.ascent, double(metrics.tmAscent));
            total.descent = std::max(total.descent, double(metrics.tmDescent));
        }
        return total;
    }

    void text(ui::Point at, std::string_view text, double points, ui::Ink ink) override {
        SetTextColor(dc_, ink_colour(ink));
        double x = at.x;
        for (const Run& run : runs(text, points)) {
            SelectObject(dc_, run.font);
            TextOutW(dc_, rounded(x), rounded(at.y - top_), run.text.c_str(),
                     static_cast<int>(run.text.size()));
            x += run_width(run);
        }
    }

    void lines(std::span<const ui::Point> points, double width, ui::Ink ink, bool dashed) override {
        if (points.size() < 2) {
            return;
        }
        const GdiPlus& plus = gdi_plus();
        if (!plus.ready) {
            lines_by_gdi(points, width, ink, dashed);
            return;
        }
        std::vector<GdiPlus::PointF> at;
        at.reserve(points.size());
        for (const ui::Point& point : points) {
            at.push_back({float(point.x), float(point.y - top_)});
        }
        void* graphics = smooth_graphics();
        void* pen = nullptr;
        plus.create_pen(argb(ink_colour(ink)), float(width), GdiPlus::kUnitPixel, &pen);
        plus.set_pen_line_join(pen, GdiPlus::kRoundJoin);
        if (dashed) {
            plus.set_pen_dash_style(pen, GdiPlus::kDash);
        }
        plus.draw_lines(graphics, pen, at.data(), static_cast<int>(at.size()));
        plus.delete_pen(pen);
        plus.delete_graphics(graphics);
    }

    void disc(ui::Point centre, double radius, ui::Ink ink) override {
        const GdiPlus& plus = gdi_plus();
        const double y = centre.y - top_;
        if (!plus.ready) {
            const HGDIOBJ old_brush = SelectObject(dc_, brush_of(ink_colour(ink)));
            const HGDIOBJ old_pen = SelectObject(dc_, GetStockObject(NULL_PEN));
            Ellipse(dc_, rounded(centre.x - radius), rounded(y - radius),
                    rounded(centre.x + radius) + 1, rounded(y + radius) + 1);
            SelectObject(dc_, old_pen);
            SelectObject(dc_, old_brush);
            return;
        }
        void* graphics = smooth_graphics();
        void* brush = nullptr;
        plus.create_solid_fill(argb(ink_colour(ink)), &brush);
        plus.fill_ellipse(graphics, brush, float(centre.x - radius), float(y - radius),
                          float(2 * radius), float(2 * radius));
        plus.delete_brush(brush);
        plus.delete_graphics(graphics);
    }

    void fill(ui::Ink ink) override {
        const RECT area{0, 0, size_.cx, size_.cy};
        FillRect(dc_, &area, brush_of(ink_colour(ink)));
    }

  private:
    // The text split where the Song face lacks a glyph and the fallback steps in.
    std::vector<Run> runs(std::string_view text, double points) {
        const std::wstring wide = sysinfo::wide(text);
        HFONT song = fonts_.song(points, dpi_);
        SelectObject(dc_, song);
        std::vector<WORD> glyphs(wide.size() + 1);
        GetGlyphIndicesW(dc_, wide.c_str(), static_cast<int>(wide.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS);
        std::vector<Run> runs;
        for (std::size_t i = 0; i < wide.size(); ++i) {

            const bool surrogate = wide[i] >= 0xD800 && wide[i] < 0xE000;
            HFONT font = song;
            wchar_t character = wide[i];
            if (!surrogate && (glyphs[i] == 0xFFFF || glyphs[i] == 0)) {
                font = font_having(character, points, nullptr);
                if (font == nullptr) { // no face at hand has it: the nearest sign every face has
                    font = song;
                    character = character == kMinus ? L'-' : character;
                }
            }
            if (runs.empty() || runs.back().font != font) {
                runs.push_back({{}, font});
            }
            runs.back().text += character;
        }
        return runs;
    }

    HFONT font_having(wchar_t character, double points, HFONT otherwise) {
        for (std::size_t which = 0; which < CanvasFonts::kFallbacks; ++which) {
            HFONT font = fonts_.fallback(which, points, dpi_);
            if (has_glyph(dc_, font, character)) {
                return font;
            }
        }
        return otherwise;
    }

    double run_width(const Run& run) {
        SelectObject(dc_, run.font);
        SIZE extent{};
        GetTextExtentPoint32W(dc_, run.text.c_str(), static_cast<int>(run.text.size()), &extent);
        return extent.cx;
    }

    void* smooth_graphics() {
        const GdiPlus& plus = gdi_plus();
        void* graphics = nullptr;
        plus.create_from_hdc(dc_, &graphics);
        plus.set_smoothing_mode(graphics, GdiPlus::kAntiAlias);
        return graphics;
    }

    void lines_by_gdi(std::span<const ui::Point> points, double width, ui::Ink ink, bool dashed) {
        LOGBRUSH brush{BS_SOLID, ink_colour(ink), 0};
        HPEN pen =
            ExtCreatePen(PS_GEOMETRIC | (dashed ? PS_DASH : PS_SOLID) | PS_JOIN_ROUND,
                         static_cast<DWORD>(std::max(1, rounded(width))), &brush, 0, nullptr);
        const HGDIOBJ old = SelectObject(dc_, pen);
        std::vector<POINT> at;
        for (const ui::Point& point : points) {
            at.push_back({rounded(point.x), rounded(point.y - top_)});
        }
        Polyline(dc_, at.data(), static_cast<int>(at.size()));
        SelectObject(dc_, old);
        DeleteObject(pen);
    }

    HDC dc_;
    SIZE size_;
    int dpi_;
    CanvasFonts& fonts_;
    double top_;
};

// What a canvas keeps between its messages.
struct CanvasState {
    CanvasPainter painter;
    CanvasFonts fonts;
    int scrolled = 0;
    int drawing_height = 0;
};

CanvasState* state_of(HWND canvas) {
    return reinterpret_cast<CanvasState*>(GetWindowLongPtrW(canvas, GWLP_USERDATA));
}

// Paints the drawing into `dc`; returns its height.
double draw(CanvasState& state, HDC dc, SIZE size, int dpi, double top) {
    GdiCanvas canvas(dc, size, dpi, state.fonts, top);
    if (!state.painter) {
        canvas.fill(ui::Ink::Paper);
        return 0;
    }
    return state.painter(canvas);
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

void paint(HWND canvas, HDC target) {
    CanvasState& state = *state_of(canvas);
    RECT area{};
    GetClientRect(canvas, &area);
    const SIZE size{area.right, area.bottom};
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, std::max(1L, size.cx), std::max(1L, size.cy));
    const HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    const HGDIOBJ old_font = GetCurrentObject(memory, OBJ_FONT);
    const double drawn = draw(state, memory, size, window_dpi(canvas), state.scrolled);
    SelectObject(memory, old_font);
    const auto ui_state = static_cast<UINT>(SendMessageW(canvas, WM_QUERYUISTATE, 0, 0));
    if (GetFocus() == canvas && (ui_state & UISF_HIDEFOCUS) == 0) {
        RECT frame = area;
        InflateRect(&frame, -1, -1);
        SetTextColor(memory, ink_colour(ui::Ink::Text));
        SetBkColor(memory, ink_colour(ui::Ink::Paper));
        DrawFocusRect(memory, &frame);
    }
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
    WORD request = 0;
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(canvas, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new CanvasState));
        break;
    case WM_NCDESTROY:
        delete state_of(canvas);
        SetWindowLongPtrW(canvas, GWLP_USERDATA, 0);
        break;
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
    case WM_MOUSEWHEEL:
        scroll_to(canvas, state_of(canvas)->scrolled -
                              GET_WHEEL_DELTA_WPARAM(wparam) * 3 * line_step(canvas) / WHEEL_DELTA);
        return 0;
    case WM_KEYDOWN:
        if (scroll_request_of(wparam, request)) {
            on_vertical_scroll(canvas, request);
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
        SetFocus(canvas);
        return 0;
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

void register_canvas_class() {
    static const bool registered = [] {
        WNDCLASSEXW canvas_class{};
        canvas_class.cbSize = sizeof canvas_class;
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
        draw(*state_of(canvas), memory, size, window_dpi(canvas) * scale, 0);
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
