// A window on Qt built from its rules' table: widgets named after the rows,
// in their places, whose events go to the rules (ui::Form) and which do what
// the rules ask (ui::View). The desktop is reached through Services.
#pragma once

#include "services.hpp"
#include "view.hpp"

#include <QWidget>

class QKeyEvent;

namespace vornix::qt {

class FormWindow : public QWidget, public ui::View {
  public:
    explicit FormWindow(Services& services);

    // The rules the window reports to and the table it is built from:
    // builds the frame and the controls, then runs the load step.
    void attach(ui::Form& form);

    std::string text(std::string_view control) const override;
    void set_text(std::string_view control, std::string_view text) override;
    std::string caption(std::string_view control) const override;
    void set_caption(std::string_view control, std::string_view text) override;
    void set_text_colour(std::string_view control, ui::Colour colour) override;
    void set_underline(std::string_view control, bool underline) override;
    void set_window_caption(std::string_view text) override;
    void set_tooltip(std::string_view control, std::string_view text) override;
    void set_description(std::string_view control, std::string_view text) override;
    void set_pointer(ui::Pointer pointer) override;
    void announce(std::string_view control) override;
    bool open_page(std::string_view address) override;
    void copy_text(std::string_view text) override;
    void close() override;
    void set_enabled(std::string_view control, bool enabled) override;
    void set_checked(std::string_view control, bool checked) override;
    void repaint(std::string_view control) override;
    void copy_picture(std::string_view control) override;
    bool start_program(const std::string& path) override;
    void show_message(const std::string& text) override;
    void place(std::string_view control, const ui::Rect& twips) override;
    void set_full_screen(bool full_screen) override;
    void flash(std::string_view control, std::string_view text) override;
    void print(draw::Document& document) override;
    void save(draw::Document& document) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    Services& services() { return services_; }

  private:
    void build_frame(const ui::WindowFrame& frame);
    void place_on_screen(const ui::WindowFrame& frame);
    void connect_controls();
    bool key_pressed(const QString& control, const QKeyEvent& key);
    void offer_menu(QWidget& control, const QPoint& where);

    Services& services_;
    ui::Form* form_ = nullptr;
    // While the rules set an option, its change is not reported back as the user's.
    bool setting_option_ = false;
    bool was_maximised_ = false; // before full screen
};

} // namespace vornix::qt
