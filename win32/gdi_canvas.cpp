#include "gdi_canvas.hpp"

#include "colours.hpp"
#include "gdi_plus.hpp"
#include "system.hpp"
#include "wide_text.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace vornix::win32 {
namespace {

constexpr wchar_t kMinus = 0x2212;

int rounded(double value) {
    return static_cast<int>(std::lround(std::clamp(value, -1e6, 1e6)));
}

bool has_glyph(HDC dc, HFONT font, wchar_t character) {
    SelectObject(dc, font);
    WORD glyph = 0;
    GetGlyphIndicesW(dc, &character, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    return glyph != 0xFFFF && glyph != 0; // 0: the font's .notdef
}

} // namespace

CanvasFonts::~CanvasFonts() {
    for (const auto& [key, font] : fallbacks_) {
        DeleteObject(font);
    }
}

HFONT CanvasFonts::song(double points, int dpi) {
    return song_.get({ui::Typeface::Song, points, false}, dpi);
}

HFONT CanvasFonts::fallback(std::size_t which, double points, int dpi) {
    HFONT& font = fallbacks_[{which, points, dpi}];
    if (font == nullptr) {
        static constexpr std::array<const wchar_t*, kFallbacks - 1> kFaces{L"Segoe UI", L"Tahoma",
                                                                           L"Arial"};
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

GdiCanvas::GdiCanvas(HDC dc, const Surface& surface, CanvasFonts& fonts)
    : dc_(dc), surface_(surface), fonts_(fonts) {
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
}

COLORREF GdiCanvas::colour(draw::Ink ink) const {
    return surface_.paper ? COLORREF(draw::paper_colour(ink)) : ink_colour(ink);
}

int GdiCanvas::x_of(double x) const {
    return rounded(x + surface_.origin.x);
}

int GdiCanvas::y_of(double y) const {
    return rounded(y + surface_.origin.y);
}

draw::TextExtent GdiCanvas::measure(std::string_view text, double points) {
    draw::TextExtent total{0, 0, 0};
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

void GdiCanvas::text(draw::Point at, std::string_view text, double points, draw::Ink ink) {
    SetTextColor(dc_, colour(ink));
    double x = at.x;
    for (const Run& run : runs(text, points)) {
        SelectObject(dc_, run.font);
        TextOutW(dc_, x_of(x), y_of(at.y), run.text.c_str(), static_cast<int>(run.text.size()));
        x += run_width(run);
    }
}

// The text split where the Song face lacks a glyph and the fallback steps in.
std::vector<GdiCanvas::Run> GdiCanvas::runs(std::string_view text, double points) {
    const std::wstring wide = sysinfo::wide(text);
    HFONT song = fonts_.song(points, surface_.dpi);
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
            font = font_having(character, points);
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

HFONT GdiCanvas::font_having(wchar_t character, double points) {
    for (std::size_t which = 0; which < CanvasFonts::kFallbacks; ++which) {
        HFONT font = fonts_.fallback(which, points, surface_.dpi);
        if (has_glyph(dc_, font, character)) {
            return font;
        }
    }
    return nullptr;
}

double GdiCanvas::run_width(const Run& run) {
    SelectObject(dc_, run.font);
    SIZE extent{};
    GetTextExtentPoint32W(dc_, run.text.c_str(), static_cast<int>(run.text.size()), &extent);
    return extent.cx;
}

// Pixels as the unit, whatever the device: a printer's own unit is a hundredth of an inch.
void* GdiCanvas::smooth_graphics() {
    const GdiPlus& plus = gdi_plus();
    void* graphics = nullptr;
    plus.create_from_hdc(dc_, &graphics);
    plus.set_page_unit(graphics, GdiPlus::kUnitPixel);
    plus.set_smoothing_mode(graphics, GdiPlus::kAntiAlias);
    return graphics;
}

std::vector<GdiPlus::PointF> GdiCanvas::plus_points(std::span<const draw::Point> points) const {
    std::vector<GdiPlus::PointF> at;
    at.reserve(points.size());
    for (const draw::Point& point : points) {
        at.push_back({float(point.x + surface_.origin.x), float(point.y + surface_.origin.y)});
    }
    return at;
}

void GdiCanvas::lines(std::span<const draw::Point> points, double width, draw::Ink ink,
                      bool dashed) {
    if (points.size() < 2) {
        return;
    }
    const GdiPlus& plus = gdi_plus();
    if (!plus.ready) {
        lines_by_gdi(points, width, ink, dashed);
        return;
    }
    const std::vector<GdiPlus::PointF> at = plus_points(points);
    void* graphics = smooth_graphics();
    void* pen = nullptr;
    plus.create_pen(argb(colour(ink)), float(width), GdiPlus::kUnitPixel, &pen);
    plus.set_pen_line_join(pen, GdiPlus::kRoundJoin);
    if (dashed) {
        plus.set_pen_dash_style(pen, GdiPlus::kDash);
    }
    plus.draw_lines(graphics, pen, at.data(), static_cast<int>(at.size()));
    plus.delete_pen(pen);
    plus.delete_graphics(graphics);
}

void GdiCanvas::lines_by_gdi(std::span<const draw::Point> points, double width, draw::Ink ink,
                             bool dashed) {
    LOGBRUSH brush{BS_SOLID, colour(ink), 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | (dashed ? PS_DASH : PS_SOLID) | PS_JOIN_ROUND,
                            static_cast<DWORD>(std::max(1, rounded(width))), &brush, 0, nullptr);
    const HGDIOBJ old = SelectObject(dc_, pen);
    std::vector<POINT> at;
    for (const draw::Point& point : points) {
        at.push_back({x_of(point.x), y_of(point.y)});
    }
    Polyline(dc_, at.data(), static_cast<int>(at.size()));
    SelectObject(dc_, old);
    DeleteObject(pen);
}

void GdiCanvas::disc(draw::Point centre, double radius, draw::Ink ink) {
    const GdiPlus& plus = gdi_plus();
    if (!plus.ready) {
        const HGDIOBJ old_brush = SelectObject(dc_, brush_of(colour(ink)));
        const HGDIOBJ old_pen = SelectObject(dc_, GetStockObject(NULL_PEN));
        Ellipse(dc_, x_of(centre.x - radius), y_of(centre.y - radius), x_of(centre.x + radius) + 1,
                y_of(centre.y + radius) + 1);
        SelectObject(dc_, old_pen);
        SelectObject(dc_, old_brush);
        return;
    }
    void* graphics = smooth_graphics();
    void* brush = nullptr;
    plus.create_solid_fill(argb(colour(ink)), &brush);
    plus.fill_ellipse(graphics, brush, float(centre.x - radius + surface_.origin.x),
                      float(centre.y - radius + surface_.origin.y), float(2 * radius),
                      float(2 * radius));
    plus.delete_brush(brush);
    plus.delete_graphics(graphics);
}

void GdiCanvas::polygon(std::span<const draw::Point> points, draw::Ink ink) {
    if (points.size() < 3) {
        return;
    }
    const GdiPlus& plus = gdi_plus();
    if (!plus.ready) {
        polygon_by_gdi(points, ink);
        return;
    }
    const std::vector<GdiPlus::PointF> at = plus_points(points);
    void* graphics = smooth_graphics();
    void* brush = nullptr;
    plus.create_solid_fill(argb(colour(ink)), &brush);
    plus.fill_polygon(graphics, brush, at.data(), static_cast<int>(at.size()),
                      GdiPlus::kFillAlternate);
    plus.delete_brush(brush);
    plus.delete_graphics(graphics);
}

void GdiCanvas::polygon_by_gdi(std::span<const draw::Point> points, draw::Ink ink) {
    std::vector<POINT> at;
    for (const draw::Point& point : points) {
        at.push_back({x_of(point.x), y_of(point.y)});
    }
    const HGDIOBJ old_brush = SelectObject(dc_, brush_of(colour(ink)));
    const HGDIOBJ old_pen = SelectObject(dc_, GetStockObject(NULL_PEN));
    Polygon(dc_, at.data(), static_cast<int>(at.size()));
    SelectObject(dc_, old_pen);
    SelectObject(dc_, old_brush);
}

void GdiCanvas::fill(draw::Ink ink) {
    const RECT area{surface_.origin.x, surface_.origin.y, surface_.origin.x + surface_.size.cx,
                    surface_.origin.y + surface_.size.cy};
    FillRect(dc_, &area, brush_of(colour(ink)));
}

} // namespace vornix::win32
