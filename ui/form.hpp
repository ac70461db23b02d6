// A window is described by a table of its controls, in the units it was
// designed in; each front end builds its toolkit's own controls from the table.
// Nothing here knows a toolkit.
#pragma once

#include "canvas.hpp"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vornix::ui {

using Colour = draw::Colour;

// Text colour left to the system's palette; as a background, the button face.
inline constexpr Colour kSystemColour = 0xFFFFFFFF;

// A link is a label that takes the keyboard focus and opens a page. An option
// is one of a group of round buttons, of which one is chosen. A canvas is a
// surface the window's rules draw on themselves. A check box is on or off.
// A label whose caption has an access key ("我的答案(&A)：") hands the focus
// to the control after it in tab order, as a dialog's labels do.
enum class ControlKind { EntryBox, Label, Button, Picture, Link, Option, Canvas, CheckBox };

// The typefaces the windows ask for, by the names they were designed with.
enum class Typeface { SystemDefault, Song, Kai };

struct Font {
    Typeface face = Typeface::SystemDefault;
    double points = 0; // 0: the system's size
    bool underline = false;
};

// One row of a window's control table. Positions and sizes are twips
// relative to the client area.
struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    Font font;
    Colour text_colour;
    int tab;
    // What a screen reader says: the name (empty: the control's own text,
    // whatever it is at the time) and the description (its role, if any).
    std::string_view accessible_name = {};
    std::string_view description = {};
};

// A straight horizontal line drawn on a window's background, in twips.
struct Rule {
    int left;
    int right;
    int y;
    Colour colour;
    int pixels; // thickness in pixels at 96 DPI
};

// The window itself: what its frame looks like and where it goes.
struct WindowFrame {
    enum class Style {
        Sizable,     // minimise and maximise buttons, a taskbar button
        Resizable,   // the same, never smaller than designed; its rules place
                     // the controls at every size (Form::resized)
        Fixed,       // a minimise button and a taskbar button, one size
        FixedDialog, // a close button only, no taskbar button, no icon
    };
    std::string_view caption;
    int client_width; // twips
    int client_height;
    Colour background = kSystemColour;
    Style style = Style::Sizable;
    // Twips from the screen's top-left corner to the client area's; none:
    // where the system chooses.
    std::optional<std::pair<int, int>> place = std::nullopt;
    // Drawn in this order; with `not_xor` each pixel becomes the inverse of
    // the line colour xor the pixel beneath.
    std::span<const Rule> rules = {};
    bool not_xor = false;
};

inline constexpr int kTwipsPerInch = 1440;

// Twips to pixels at `dpi` dots per inch, rounded to the nearest pixel
// (15 twips to a pixel at 96 DPI).
int twips_to_pixels(int twips, int dpi = 96);

// Whether the control takes the keyboard focus (and so joins the tab order).
bool takes_focus(ControlKind kind);

// The rows sorted by their tab column; rows with equal tabs keep their order.
std::vector<const ControlRow*> in_tab_order(std::span<const ControlRow> table);

// The rows from the topmost down: the controls that take the focus above
// every other, in tab order, each right after the label that names it with
// an access key; then the rest, later rows above earlier ones.
std::vector<const ControlRow*> stacking_order(std::span<const ControlRow> table);

// The control a label with an access key hands the focus to: the first
// after it in tab order that takes the focus; nullptr for any other row.
const ControlRow* buddy_of(std::span<const ControlRow> table, std::string_view label);

// The access key of a caption, upper case ('A' for "我的答案(&A)："), or 0.
char access_key(std::string_view caption);

// Options that follow one another in tab order form one group, of which one
// is chosen: the group's number (0 for the first), or -1 for a control that
// is no option.
int option_group(std::span<const ControlRow> table, std::string_view name);

// Whether the control starts a group the arrow keys walk within: the first
// option of each group, and the first control to take the focus after one.
bool starts_group(std::span<const ControlRow> table, std::string_view name);

// The row named `name`, or nullptr.
const ControlRow* find_control(std::span<const ControlRow> table, std::string_view name);

struct Rect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const Rect&) const = default;
};

// `window` moved just enough to lie within `area`; its top-left corner wins
// when it is larger than `area`.
Rect keep_within(Rect window, Rect area);

// The faces to ask for, best first: the designed name, its other names on
// Windows and on Linux. The last resort, the system's default CJK face, is the
// toolkit's to find.
std::span<const std::string_view> faces_of(Typeface face);

} // namespace vornix::ui
