// GDI fonts for the tables' font column, made once per size and resolution.
#pragma once

#include "form.hpp"

#include <windows.h>

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <tuple>

namespace vornix::win32 {

class Fonts {
  public:
    Fonts() = default;
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // The font at `dpi`: the typeface's first installed face in the GB2312
    // character set, normal weight; the system's message font where the
    // table names none. Owned by this object.
    HFONT get(const ui::Font& font, int dpi);
    // Deletes the fonts made for other resolutions, once no control uses them.
    void forget_other_than(int dpi);

  private:
    using Key = std::tuple<ui::Typeface, double, bool, int>;
    std::map<Key, HFONT> fonts_;
};

// The first of `faces` installed with the GB2312 character set, else the
// face of the system's message font (its default CJK face on a Chinese Windows).
std::wstring first_installed_face(std::span<const std::string_view> faces);

// Pixel height of a font of `points` at `dpi`, as GDI wants it (negative: character height).
int font_height(double points, int dpi);

} // namespace vornix::win32
