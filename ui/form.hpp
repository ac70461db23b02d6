// A window is described by a table of its controls, in the units it was
// designed in; each front end builds its toolkit's own controls from the table.
// Nothing here knows a toolkit.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vornix::ui {

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

// Text colour left to the system's palette.
inline constexpr Colour kSystemColour = 0xFFFFFFFF;

// A link is a label that takes the keyboard focus and opens a page.
enum class ControlKind { EntryBox, Label, Button, Picture, Link };

// The typefaces the windows ask for, by the names they were designed with.
enum class Typeface { SystemDefault, Song, Kai };

struct FontSpec {
    Typeface face = Typeface::SystemDefault;
    double points = 0; // 0: the system's size
    bool underline = false;
};

// One row of a window's control table. Positions and sizes are twips
// relative to the client area.
struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    FontSpec font;
    Colour text_colour;
    int tab;
    // What a screen reader says: the name (empty: the control's own text,
    // whatever it is at the time) and the description (its role, if any).
    std::string_view accessible_name = {};
    std::string_view description = {};
};

// A straight line drawn on a window's background, in twips.
struct LineSpec {
    int left;
    int right;
    int y;
    Colour colour;
    int pixels; // thickness in pixels at 96 DPI
};

inline constexpr int kTwipsPerInch = 1440;

// Twips to pixels at `dpi` dots per inch, rounded to the nearest pixel
// (15 twips to a pixel at 96 DPI).
int twips_to_pixels(int twips, int dpi = 96);

// Whether the control takes the keyboard focus (and so joins the tab order).
bool takes_focus(ControlKind kind);

// The rows sorted by their tab column; rows with equal tabs keep their order.
std::vector<const ControlSpec*> in_tab_order(std::span<const ControlSpec> table);

// The row named `name`, or nullptr.
const ControlSpec* find_control(std::span<const ControlSpec> table, std::string_view name);

} // namespace vornix::ui
