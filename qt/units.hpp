// Conversions from the units the window tables are written in.
#pragma once

#include "form.hpp"

#include <QColor>
#include <QFont>

namespace vornix::qt {

// Twips to logical pixels (96 DPI), rounded to the nearest pixel; Qt's
// high-DPI scaling turns logical pixels into device pixels.
int twips_to_pixels(int twips);

// A colour given as 0x00BBGGRR.
QColor colour_from_bgr(ui::Colour bgr);

// Builds the font: the typeface's names best first, then any CJK face
// fontconfig offers.
QFont make_font(const ui::Font& spec);

} // namespace vornix::qt
