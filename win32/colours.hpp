// The colours the windows are drawn in. Outside High Contrast they keep
// their own fixed colours on a light face, whatever the desktop's theme; in
// High Contrast they take the system's colours only, so that no text ever
// disappears into its background.
#pragma once

#include "canvas.hpp"
#include "form.hpp"

#include <windows.h>

namespace vornix::win32 {

// The face behind labels and canvases; `background` is the window's own
// colour (kSystemColour: the light face).
COLORREF face_colour(ui::Colour background);
// A solid brush of that colour, kept for the program's life.
HBRUSH brush_of(COLORREF colour);
HBRUSH face_brush(ui::Colour background);

// A label's text; `wanted` is the table's or the rules' colour.
COLORREF text_colour(ui::Colour wanted);

// The link's text, and the face it is drawn on when hovered.
COLORREF link_colour(ui::Colour wanted, bool hovered);
COLORREF link_face(ui::Colour background, bool hovered);

// A part of a drawing; in High Contrast the window's text on the window's
// colour, the curve and the marks in the link's and the selection's colours.
COLORREF ink_colour(draw::Ink ink);

} // namespace vornix::win32
