#include "fonts.hpp"

#include <array>
#include <cmath>
#include <cwchar>
#include <span>

namespace vornix::win32 {
namespace {

// The designed name first; newer Windows call the Kai face 楷体.
constexpr std::array<const wchar_t*, 1> kSong{L"宋体"};
constexpr std::array<const wchar_t*, 2> kKai{L"楷体_GB2312", L"楷体"};

bool face_is(HFONT font, const wchar_t* face) {
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    std::array<wchar_t, LF_FACESIZE> chosen{};
    GetTextFaceW(dc, static_cast<int>(chosen.size()), chosen.data());
    SelectObject(dc, old);
    DeleteDC(dc);
    return std::wcscmp(chosen.data(), face) == 0;
}

HFONT chinese_font(std::span<const wchar_t* const> faces, const ui::FontSpec& spec, int dpi) {
    HFONT font = nullptr;
    for (const wchar_t* face : faces) {
        if (font != nullptr) {
            DeleteObject(font);
        }
        font = CreateFontW(font_height(spec.points, dpi), 0, 0, 0, FW_NORMAL, FALSE,
                           spec.underline ? TRUE : FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
        if (face_is(font, face)) {
            break;
        }
    }
    return font;
}

HFONT system_font(const ui::FontSpec& spec, int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                               static_cast<UINT>(dpi));
    LOGFONTW font = metrics.lfMessageFont;
    if (spec.points > 0) {
        font.lfHeight = font_height(spec.points, dpi);
    }
    font.lfUnderline = spec.underline ? TRUE : FALSE;
    return CreateFontIndirectW(&font);
}

} // namespace

int font_height(double points, int dpi) {
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

Fonts::~Fonts() {
    for (const auto& [key, font] : fonts_) {
        DeleteObject(font);
    }
}

HFONT Fonts::get(const ui::FontSpec& spec, int dpi) {
    const Key key{spec.face, spec.points, spec.underline, dpi};
    if (const auto found = fonts_.find(key); found != fonts_.end()) {
        return found->second;
    }
    HFONT font = nullptr;
    switch (spec.face) {
    case ui::Typeface::Song:
        font = chinese_font(kSong, spec, dpi);
        break;
    case ui::Typeface::Kai:
        font = chinese_font(kKai, spec, dpi);
        break;
    case ui::Typeface::SystemDefault:
        font = system_font(spec, dpi);
        break;
    }
    fonts_.emplace(key, font);
    return font;
}

} // namespace vornix::win32
