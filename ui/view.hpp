// What the windows' rules ask of the toolkit that shows them: a passive view
// that reports events to its form and does what the form tells it. Controls
// are named as in the window's table; every text is UTF-8.
#pragma once

#include "form.hpp"
#include "launcher.hpp"

#include <string>
#include <string_view>

namespace vornix::ui {

enum class Pointer { Default, Cross };

// The name a window's bare background is reported with, in place of a control's.
inline constexpr std::string_view kBackground = "";

// One window. Its message box is owned by the window; its program start is
// the one StartSysInfo uses.
class View : public sysinfo::Shell {
  public:
    // The text of an entry box.
    virtual std::string text(std::string_view control) const = 0;
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
    // Hands the address to the desktop's web browser; the outcome is not reported.
    virtual void open_page(std::string_view address) = 0;
    virtual void copy_text(std::string_view text) = 0;
    // Closes and unloads the window.
    virtual void close() = 0;
};

// The front end's one About window, which the main window opens.
class AboutHost {
  public:
    virtual ~AboutHost() = default;
    virtual bool about_is_open() const = 0;
    // Creates the About window from its table and runs its load step.
    virtual void open_about() = 0;
    // Shows the About window, restored if minimised, raised and active.
    virtual void show_about() = 0;
};

} // namespace vornix::ui
