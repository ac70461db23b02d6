#include "colours.hpp"

#include "system.hpp"

#include <map>

namespace vornix::win32 {
namespace {

// The button face and the text of a light Windows desktop.
constexpr COLORREF kLightFace = RGB(0xF0, 0xF0, 0xF0);
constexpr COLORREF kLightText = RGB(0, 0, 0);

} // namespace

COLORREF face_colour(ui::Colour background) {
    if (high_contrast()) {
        return GetSysColor(COLOR_BTNFACE);
    }
    return background == ui::kSystemColour ? kLightFace : COLORREF(background);
}

HBRUSH brush_of(COLORREF colour) {
    static std::map<COLORREF, HBRUSH> brushes;
    HBRUSH& brush = brushes[colour];
    if (brush == nullptr) {
        brush = CreateSolidBrush(colour);
    }
    return brush;
}

HBRUSH face_brush(ui::Colour background) {
    return brush_of(face_colour(background));
}

COLORREF text_colour(ui::Colour wanted) {
    if (high_contrast()) {
        return GetSysColor(COLOR_BTNTEXT);
    }
    return wanted == ui::kSystemColour ? kLightText : COLORREF(wanted);
}

COLORREF link_colour(ui::Colour wanted, bool hovered) {
    if (high_contrast()) {
        return GetSysColor(hovered ? COLOR_HIGHLIGHTTEXT : COLOR_HOTLIGHT);
    }
    return text_colour(wanted);
}

COLORREF link_face(ui::Colour background, bool hovered) {
    if (high_contrast() && hovered) {
        return GetSysColor(COLOR_HIGHLIGHT);
    }
    return face_colour(background);
}

COLORREF ink_colour(draw::Ink ink) {
    if (!high_contrast()) {
        return COLORREF(draw::light_colour(ink));
    }
    switch (ink) {
    case draw::Ink::Paper:
    case draw::Ink::Region:    // no fill the system's colours have: the region's edges say enough
    case draw::Ink::Highlight: // the bar beside it, in the highlight colour, says it
        return GetSysColor(COLOR_WINDOW);
    case draw::Ink::Curve:
        return GetSysColor(COLOR_HOTLIGHT);
    case draw::Ink::Mark:
    case draw::Ink::Trace:
        return GetSysColor(COLOR_HIGHLIGHT);
    case draw::Ink::Grid:
    case draw::Ink::Base:
        return GetSysColor(COLOR_GRAYTEXT);
    default:
        return GetSysColor(COLOR_WINDOWTEXT);
    }
}

} // namespace vornix::win32
