// frmAbout: the title, version and purpose of Vornix, a usage warning, and
// the button that starts the System Information program.
#pragma once

#include "form.hpp"
#include "registry.hpp"
#include "view.hpp"

#include <array>
#include <span>
#include <string_view>

namespace vornix::ui {

struct AboutWindowSpec {
    std::string_view design_caption = "关于我的应用程序"; // replaced at load
    int client_left = 2340;                               // twips from the screen's top-left corner
    int client_top = 1935;
    int client_width = 5730;
    int client_height = 3555;
    int icon_pixels = 32; // picIcon's picture, at 96 DPI
    // Line1 elements 0 and 1, drawn in that order: white below, grey above, an etched rule.
    std::array<LineSpec, 2> rule{{
        {105, 5654, 2460, 0x00FFFFFF, 2},
        {90, 5654, 2445, 0x00808080, 1},
    }};
};
inline constexpr AboutWindowSpec kAboutWindow{};

class AboutForm {
  public:
    // System Information looks its program up in `registry`.
    AboutForm(View& view, sysinfo::Registry& registry) : view_(view), registry_(registry) {}

    static std::span<const ControlSpec> controls();
    // The button that Enter presses unless the focus is on another button, and Esc.
    static std::string_view default_button();

    // The load step: the window caption, lblVersion and lblTitle from the
    // application information.
    void load();
    // A click on a button (cmdOK also for Enter and Esc).
    void clicked(std::string_view control);

  private:
    View& view_;
    sysinfo::Registry& registry_;
};

} // namespace vornix::ui
