#include "fonts.hpp"

#include "system.hpp"
#include "wide_text.hpp"

#include <cmath>
#include <cwchar>

namespace vornix::win32 {
namespace {

int CALLBACK note_found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

bool installed(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = GB2312_CHARSET;
    if (face.size() >= LF_FACESIZE) {
        return false;
    }
    std::wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, note_found, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// Chosen once: the fonts a computer has do not change under a running program.
const std::wstring& face_of(ui::Typeface typeface) {
    static const std::wstring song = first_installed_face(ui::faces_of(ui::Typeface::Song));
    static const std::wstring kai = first_installed_face(ui::faces_of(ui::Typeface::Kai));
    return typeface == ui::Typeface::Kai ? kai : song;
}

HFONT chinese_font(const ui::Font& spec, int dpi) {
    return CreateFontW(font_height(spec.points, dpi), 0, 0, 0, FW_NORMAL, FALSE,
                       spec.underline ? TRUE : FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face_of(spec.face).c_str());
}

HFONT system_font(const ui::Font& spec, int dpi) {
    LOGFONTW font = nonclient_metrics(dpi).lfMessageFont;
    if (spec.points > 0) {
        font.lfHeight = font_height(spec.points, dpi);
    }
    font.lfUnderline = spec.underline ? TRUE : FALSE;
    return CreateFontIndirectW(&font);
}

} // namespace

std::wstring first_installed_face(std::span<const std::string_view> faces) {
    for (const std::string_view face : faces) {
        if (std::wstring name = sysinfo::wide(face); installed(name)) {
            return name;
        }
    }
    return nonclient_metrics(system_dpi()).lfMessageFont.lfFaceName;
}

int font_height(double points, int dpi) {
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

Fonts::~Fonts() {
    for (const auto& [key, font] : fonts_) {
        DeleteObject(font);
    }
}

HFONT Fonts::get(const ui::Font& spec, int dpi) {
    const Key key{spec.face, spec.points, spec.underline, dpi};
    if (const auto found = fonts_.find(key); found != fonts_.end()) {
        return found->second;
    }
    HFONT font =
        spec.face == ui::Typeface::SystemDefault ? system_font(spec, dpi) : chinese_font(spec, dpi);
    fonts_.emplace(key, font);
    return font;
}

void Fonts::forget_other_than(int dpi) {
    std::erase_if(fonts_, [dpi](const auto& entry) {
        const bool other = std::get<3>(entry.first) != dpi;
        if (other) {
            DeleteObject(entry.second);
        }
        return other;
    });
}

} // namespace vornix::win32
