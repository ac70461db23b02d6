// The window rules' view of a Qt window: its controls found by name, the
// desktop reached through Services.
#pragma once

#include "controls.hpp"
#include "services.hpp"
#include "view.hpp"

#include <QWidget>

namespace vornix::qt {

class WidgetView final : public ui::View {
  public:
    WidgetView(QWidget& window, Services& services) : window_(window), services_(services) {}

    std::string text(std::string_view control) const override;
    std::string caption(std::string_view control) const override;
    void set_caption(std::string_view control, std::string_view text) override;
    void set_text_colour(std::string_view control, ui::Colour colour) override;
    void set_underline(std::string_view control, bool underline) override;
    void set_window_caption(std::string_view text) override;
    void set_tooltip(std::string_view control, std::string_view text) override;
    void set_description(std::string_view control, std::string_view text) override;
    void set_pointer(ui::Pointer pointer) override;
    void announce(std::string_view control) override;
    void open_page(std::string_view address) override;
    void copy_text(std::string_view text) override;
    void close() override;
    bool start_program(const std::string& path) override;
    void show_message(const std::string& text) override;

  private:
    QWidget& window_;
    Services& services_;
};

} // namespace vornix::qt
