// The user's choices kept between runs, as the platform keeps them (Qt's
// settings file on Linux, HKEY_CURRENT_USER\Software\Vornix on Windows),
// behind one small interface. Whatever is read back is checked: a missing,
// unreadable or nonsensical value gives its default, never a fault.
#pragma once

#include "form.hpp"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vornix::ui {

// Keys are "Group/Name" (on Windows: the subkey Group, the value Name); values are text.
class Settings {
  public:
    virtual ~Settings() = default;
    // The stored text, or nothing when there is none or it cannot be read.
    virtual std::optional<std::string> read(std::string_view key) const = 0;
    // Keeps the text; a store that cannot be written keeps nothing, silently.
    virtual void write(std::string_view key, std::string_view value) = 0;
};

// Kept in memory only: for tests, and wherever no store can be opened.
class MemorySettings final : public Settings {
  public:
    std::optional<std::string> read(std::string_view key) const override;
    void write(std::string_view key, std::string_view value) override;

    std::map<std::string, std::string, std::less<>> values;
};

// A whole number from `lowest` to `highest` in plain decimal digits, else `otherwise`.
int read_number_setting(const Settings& settings, std::string_view key, int lowest, int highest,
                        int otherwise);
// One of `choices`, else `otherwise`.
std::string_view read_choice_setting(const Settings& settings, std::string_view key,
                                     std::span<const std::string_view> choices,
                                     std::string_view otherwise);

// A window's frame on the desktop, in the desktop's pixels, and whether it
// was maximised (then `frame` is where it goes when restored).
struct WindowPlace {
    Rect frame{};
    bool maximised = false;
};

void write_window_place(Settings& settings, std::string_view group, const WindowPlace& place);

// The stored place where it still makes sense on `screens` (their work
// areas): no smaller than `smallest_width` by `smallest_height`, no larger
// than the screen that holds its top edge, whose middle must lie on one of
// the screens so that the title bar can be reached. Else nothing: the system
// places the window.
std::optional<WindowPlace> read_window_place(const Settings& settings, std::string_view group,
                                             std::span<const Rect> screens, int smallest_width,
                                             int smallest_height);

} // namespace vornix::ui
