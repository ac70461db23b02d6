// frmAbout: the title, version and purpose of Vornix, a usage warning, and
// the button that starts the System Information program.
#pragma once

#include "form.hpp"
#include "registry.hpp"
#include "view.hpp"

#include <span>
#include <string_view>

namespace vornix::ui {

class AboutForm final : public Form {
  public:
    // System Information looks its program up in `registry`.
    AboutForm(View& view, sysinfo::Registry& registry) : view_(view), registry_(registry) {}

    static std::span<const ControlRow> table();
    static const WindowFrame& window();
    // picIcon's picture, in pixels at 96 DPI.
    static constexpr int kIconPixels = 32;

    std::span<const ControlRow> controls() const override { return table(); }
    const WindowFrame& frame() const override { return window(); }

    // The load step: the window caption, lblVersion and lblTitle from the
    // application information.
    void load() override;
    // 确定 closes the window; 系统信息 starts System Information.
    void clicked(std::string_view control) override;
    // Esc is 确定.
    bool key_pressed(std::string_view control, Key key) override;
    // 确定, unless the focus is on another button.
    std::string_view default_button(std::string_view focused) const override;

  private:
    View& view_;
    sysinfo::Registry& registry_;
};

} // namespace vornix::ui
