// GDI fonts for the tables' font column, made once per size and resolution.
#pragma once

#include "form.hpp"

#include <windows.h>

#include <map>
#include <tuple>

namespace vornix::win32 {

class Fonts {
  public:
    Fonts() = default;
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // The font at `dpi`: the Song and Kai faces by their Chinese names in the
    // GB2312 character set, normal weight; the system's message font where
    // the table names none. Owned by this object.
    HFONT get(const ui::FontSpec& spec, int dpi);

  private:
    using Key = std::tuple<ui::Typeface, double, bool, int>;
    std::map<Key, HFONT> fonts_;
};

// Pixel height of a font of `points` at `dpi`, as GDI wants it (negative: character height).
int font_height(double points, int dpi);

} // namespace vornix::win32
