// Conversions from the units the window tables are written in.
#pragma once

#include <QColor>
#include <QFont>

#include <cstdint>
#include <string_view>

namespace vornix::host {

inline constexpr int kTwipsPerPixel = 15;

// Twips (1/1440 inch) to logical pixels, rounded to the nearest pixel;
// Qt's high-DPI scaling turns logical pixels into device pixels.
int twips_to_pixels(int twips);

// A colour given as 0x00BBGGRR.
QColor colour_from_bgr(std::uint32_t bgr);

// The typefaces the windows ask for, by the names they were designed with.
enum class Typeface { SystemDefault, Song, Kai };

struct FontSpec {
    Typeface face = Typeface::SystemDefault;
    double points = 0; // 0: the system's size
    bool underline = false;
};

// Builds the font: the original family name first, then Debian's Song or Kai
// face, then any CJK face fontconfig offers.
QFont make_font(const FontSpec& spec);

} // namespace vornix::host
