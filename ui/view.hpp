// The two sides of a window between its rules and the toolkit that shows it:
// the View, which the rules command, and the Form, which the toolkit tells
// what the user did. Controls are named as in the window's table; every text
// is UTF-8.
#pragma once

#include "form.hpp"
#include "launcher.hpp"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::draw {
class Canvas;
class Document;
} // namespace vornix::draw

namespace vornix::ui {

enum class Pointer { Default, Cross };

// The name a window's bare background is reported with, in place of a control's.
inline constexpr std::string_view kBackground = "";

// One window, as its rules see it. Its message box is owned by the window;
// its program start is the one StartSysInfo uses.
class View : public sysinfo::Shell {
  public:
    // The text of an entry box.
    virtual std::string text(std::string_view control) const = 0;
    // Replaces the text of an entry box.
    virtual void set_text(std::string_view control, std::string_view text) = 0;
    // The caption of a label.
    virtual std::string caption(std::string_view control) const = 0;
    virtual void set_caption(std::string_view control, std::string_view text) = 0;
    virtual void set_text_colour(std::string_view control, Colour colour) = 0;
    virtual void set_underline(std::string_view control, bool underline) = 0;
    virtual void set_window_caption(std::string_view text) = 0;
    // The pointer shown anywhere over the window.
    virtual void set_pointer(Pointer pointer) = 0;
    // The tip shown while the pointer rests on the control; empty for none.
    virtual void set_tooltip(std::string_view control, std::string_view text) = 0;
    // What screen readers say of the control after its name.
    virtual void set_description(std::string_view control, std::string_view text) = 0;
    // Tells screen readers that the control's text has changed.
    virtual void announce(std::string_view control) = 0;
    // Hands the address to the desktop's web browser; false when that failed.
    virtual bool open_page(std::string_view address) = 0;
    virtual void copy_text(std::string_view text) = 0;
    // Closes and unloads the window.
    virtual void close() = 0;
    virtual void set_enabled(std::string_view control, bool enabled) = 0;
    // Chooses an option (and so no other of its group), or none.
    virtual void set_checked(std::string_view control, bool checked) = 0;
    // Draws a canvas again, from its form's paint().
    virtual void repaint(std::string_view control) = 0;
    // Puts a canvas's drawing on the clipboard as a picture.
    virtual void copy_picture(std::string_view control) = 0;
    // Moves and sizes a control, in twips within the client area.
    virtual void place(std::string_view control, const Rect& twips) = 0;
    virtual void set_full_screen(bool full_screen) = 0;
    // Shows the label with `text` for a moment, and tells screen readers.
    virtual void flash(std::string_view control, std::string_view text) = 0;
    // The system's print dialog, then the document on the printer chosen.
    virtual void print(draw::Document& document) = 0;
    // The system's save dialog, then the document in the file and kind chosen.
    virtual void save(draw::Document& document) = 0;
};

// The keys a window's rules act on, whatever the toolkit calls them.
enum class Key {
    Enter,
    Space,
    Escape,
    CopyAnswer,  // Ctrl+Shift+C
    ShowWorking, // Alt+Enter
    FullScreen,  // F11
    ZoomIn,      // Ctrl+= or Ctrl++
    ZoomOut,     // Ctrl+−
    ZoomReset,   // Ctrl+0
    Print,       // Ctrl+P
    Save,        // Ctrl+S
    Home,        // the following keys without Ctrl, Alt or Shift
    Left,
    Right,
    Plus,
    Minus,
};

// What the pointer (a mouse, a pen or a finger) did over a control, at a
// place in the control's own pixels.
struct PointerEvent {
    enum class Kind { Move, Press, Release, DoubleClick, Wheel, Pinch, Leave };
    Kind kind = Kind::Move;
    double x = 0;
    double y = 0;
    // Wheel: notches, positive away from the user; Pinch: the factor the
    // fingers' spread changed by since the last one.
    double amount = 0;
    bool control_key = false; // Ctrl was held
};

// One entry of a control's menu; `shortcut` is shown beside it ("Ctrl+Shift+C").
struct MenuItem {
    std::string caption;
    bool enabled = true;
    std::string shortcut = {};
};

// One window's rules, as its front end sees them: the window's table and
// frame, and the handlers of what the user does. `control` is a row's name,
// or kBackground for the window's bare background.
class Form {
  public:
    virtual ~Form() = default;

    virtual std::span<const ControlRow> controls() const = 0;
    virtual const WindowFrame& frame() const = 0;

    // Runs once, after the controls have been built.
    virtual void load() = 0;
    // A button was pressed: clicked, or by the keyboard.
    virtual void clicked(std::string_view control) = 0;
    virtual void double_clicked(std::string_view /*control*/) {}
    virtual void mouse_moved(std::string_view /*control*/) {}
    // The left button went down on a control, or up after it went down on one;
    // `over_control` says whether the release happened over that same control.
    virtual void mouse_pressed(std::string_view /*control*/) {}
    virtual void mouse_released(std::string_view /*control*/, bool /*over_control*/) {}
    // A key with the focus on `control`; returns whether the rules used it.
    // Enter presses the focused button, or else the default button.
    virtual bool key_pressed(std::string_view control, Key key);
    // The button Enter presses while `focused` has the focus and is no
    // button; empty for none.
    virtual std::string_view default_button(std::string_view /*focused*/) const { return {}; }
    // The items the control's menu offers beside the toolkit's own (an
    // entry box keeps its cut, copy and paste); empty for no menu.
    virtual std::vector<MenuItem> menu(std::string_view /*control*/) const { return {}; }
    // Item `item` of menu(control) was chosen.
    virtual void menu_chosen(std::string_view /*control*/, std::size_t /*item*/) {}
    // Draws the canvas `control`; returns the height its drawing takes, which
    // may be more than the canvas's own (then the canvas scrolls).
    virtual double paint(std::string_view /*control*/, draw::Canvas& /*canvas*/) { return 0; }
    // The pointer over a canvas; returns whether the rules used the event
    // (else the canvas does its own: a wheel scrolls it).
    virtual bool pointer(std::string_view /*control*/, const PointerEvent& /*event*/) {
        return false;
    }
    // A Resizable window's client area is now `width` by `height` twips.
    virtual void resized(int /*width*/, int /*height*/) {}

  protected:
    bool is_button(std::string_view control) const;
};

// The main window's other windows, which the front end makes and shows.
enum class Secondary { About, QuadraticWorking, LineWorking };

class WorkingForm;

class Windows {
  public:
    virtual ~Windows() = default;
    virtual bool is_open(Secondary window) const = 0;
    // Creates the window from its table and runs its load step.
    virtual void open(Secondary window) = 0;
    // Shows the open window, restored if minimised, raised and active.
    virtual void show(Secondary window) = 0;
    // The rules of an open working window, else nullptr.
    virtual WorkingForm* working(Secondary window) = 0;
};

} // namespace vornix::ui
