// A window without a toolkit: holds the controls' texts and records what the
// window's rules ask of it.
#pragma once

#include "document.hpp"
#include "view.hpp"

#include <map>
#include <string>
#include <vector>

namespace vornix::testing {

class FakeView : public ui::View {
  public:
    std::string text(std::string_view control) const override { return get(texts, control); }
    std::string caption(std::string_view control) const override { return get(captions, control); }
    void set_text(std::string_view control, std::string_view text) override {
        texts[std::string(control)] = text;
    }
    void set_caption(std::string_view control, std::string_view text) override {
        captions[std::string(control)] = text;
    }
    void set_text_colour(std::string_view control, ui::Colour colour) override {
        colours[std::string(control)] = colour;
    }
    void set_underline(std::string_view control, bool underline) override {
        underlined[std::string(control)] = underline;
    }
    void set_window_caption(std::string_view text) override { window_caption = text; }
    void set_tooltip(std::string_view control, std::string_view text) override {
        tooltips[std::string(control)] = text;
    }
    void set_description(std::string_view control, std::string_view text) override {
        descriptions[std::string(control)] = text;
    }
    void set_pointer(ui::Pointer shape) override { pointer = shape; }
    void announce(std::string_view control) override { announced.emplace_back(control); }
    bool open_page(std::string_view address) override {
        opened.emplace_back(address);
        return page_opens;
    }
    void copy_text(std::string_view text) override { clipboard = text; }
    void close() override { ++closes; }
    void set_enabled(std::string_view control, bool on) override {
        enabled[std::string(control)] = on;
    }
    void set_checked(std::string_view control, bool on) override {
        checked[std::string(control)] = on;
    }
    void repaint(std::string_view control) override { repainted.emplace_back(control); }
    void copy_picture(std::string_view control) override { pictures.emplace_back(control); }
    bool start_program(const std::string& path) override {
        started.push_back(path);
        return !path.empty();
    }
    void show_message(const std::string& text) override { messages.push_back(text); }
    void place(std::string_view control, const ui::Rect& twips) override {
        places[std::string(control)] = twips;
    }
    void set_full_screen(bool on) override { full_screen = on; }
    void flash(std::string_view control, std::string_view text) override {
        captions[std::string(control)] = text;
        announced.emplace_back(control);
    }
    void print(draw::Document& document) override { printed.push_back(document.items()); }
    void save(draw::Document& document) override { saved.push_back(document.items()); }

    std::map<std::string, std::string, std::less<>> texts; // entry boxes, as typed
    std::map<std::string, std::string, std::less<>> captions;
    std::map<std::string, ui::Colour, std::less<>> colours;
    std::map<std::string, bool, std::less<>> underlined;
    std::map<std::string, std::string, std::less<>> tooltips;
    std::map<std::string, std::string, std::less<>> descriptions;
    std::string window_caption;
    ui::Pointer pointer = ui::Pointer::Default;
    std::vector<std::string> announced;
    std::vector<std::string> opened;
    bool page_opens = true;
    std::string clipboard;
    int closes = 0;
    std::map<std::string, bool, std::less<>> enabled;
    std::map<std::string, bool, std::less<>> checked;
    std::vector<std::string> repainted;
    std::vector<std::string> pictures;
    std::vector<std::string> started;
    std::vector<std::string> messages;
    std::map<std::string, ui::Rect, std::less<>> places;
    bool full_screen = false;
    // What was handed to the printer and to the save dialog.
    std::vector<std::vector<draw::DocumentItem>> printed;
    std::vector<std::vector<draw::DocumentItem>> saved;

  private:
    static std::string get(const std::map<std::string, std::string, std::less<>>& values,
                           std::string_view control) {
        const auto found = values.find(control);
        return found == values.end() ? std::string() : found->second;
    }
};

} // namespace vornix::testing
