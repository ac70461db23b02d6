// draw::Canvas on a GDI device context: a window's memory bitmap, a picture for
// the clipboard or a file, or a printer's page. Text through GDI in the Song
// face, with the signs it lacks from a fallback face; lines, dots and fills
// smooth-edged through GDI+, or through GDI where GDI+ cannot start.
#pragma once

#include "canvas.hpp"
#include "fonts.hpp"
#include "gdi_plus.hpp"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace vornix::win32 {

// The Song face, and for the signs it lacks (a CJK face may have no U+2212
// minus) the first of the system's message font and the common Western faces
// that has them. Made once per size and resolution; owned here.
class CanvasFonts {
  public:
    static constexpr std::size_t kFallbacks = 4;

    CanvasFonts() = default;
    CanvasFonts(const CanvasFonts&) = delete;
    CanvasFonts& operator=(const CanvasFonts&) = delete;
    ~CanvasFonts();

    HFONT song(double points, int dpi);
    HFONT fallback(std::size_t which, double points, int dpi);

  private:
    Fonts song_;
    std::map<std::tuple<std::size_t, double, int>, HFONT> fallbacks_;
};

class GdiCanvas final : public draw::Canvas {
  public:
    struct Surface {
        SIZE size;    // what the drawing may take, in the DC's pixels
        int dpi;      // of the DC: a window's, 300 for a file, a printer's
        POINT origin; // the DC's pixel that the drawing's (0, 0) falls on
        bool paper;   // black on white, whatever the screen's colours
    };
    GdiCanvas(HDC dc, const Surface& surface, CanvasFonts& fonts);

    double width() const override { return surface_.size.cx; }
    double height() const override { return surface_.size.cy; }
    double scale() const override { return double(surface_.dpi) / USER_DEFAULT_SCREEN_DPI; }
    draw::TextExtent measure(std::string_view text, double points) override;
    void text(draw::Point at, std::string_view text, double points, draw::Ink ink) override;
    void lines(std::span<const draw::Point> points, double width, draw::Ink ink,
               bool dashed) override;
    void disc(draw::Point centre, double radius, draw::Ink ink) override;
    void polygon(std::span<const draw::Point> points, draw::Ink ink) override;
    void fill(draw::Ink ink) override;

  private:
    // A piece of text in one font.
    struct Run {
        std::wstring text;
        HFONT font;
    };
    std::vector<Run> runs(std::string_view text, double points);
    HFONT font_having(wchar_t character, double points);
    double run_width(const Run& run);
    COLORREF colour(draw::Ink ink) const;
    int x_of(double x) const;
    int y_of(double y) const;
    std::vector<GdiPlus::PointF> plus_points(std::span<const draw::Point> points) const;
    void* smooth_graphics();
    void lines_by_gdi(std::span<const draw::Point> points, double width, draw::Ink ink,
                      bool dashed);
    void polygon_by_gdi(std::span<const draw::Point> points, draw::Ink ink);

    HDC dc_;
    Surface surface_;
    CanvasFonts& fonts_;
};

} // namespace vornix::win32
