// What the window's rules ask of it, done with the system's controls.
#include "form_window.hpp"

#include "accessible.hpp"
#include "canvas_control.hpp"
#include "system.hpp"
#include "wide_text.hpp"

#include <commctrl.h>

#include <cstring>

namespace vornix::win32 {
namespace {

using sysinfo::utf8;
using sysinfo::wide;

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

} // namespace

std::string FormWindow::text(std::string_view control) const {
    return utf8(window_text(find(control).window));
}

void FormWindow::set_text(std::string_view control, std::string_view text) {
    SetWindowTextW(find(control).window, wide(text).c_str());
}

std::string FormWindow::caption(std::string_view control) const {
    return text(control);
}

void FormWindow::set_caption(std::string_view control, std::string_view text) {
    SetWindowTextW(find(control).window, wide(text).c_str());
}

void FormWindow::set_text_colour(std::string_view control, ui::Colour colour) {
    Control& target = find(control);
    // Mouse moves set the link's colour again and again; repaint only on a change.
    if (target.colour != colour) {
        target.colour = colour;
        InvalidateRect(target.window, nullptr, TRUE);
    }
}

void FormWindow::set_underline(std::string_view control, bool underline) {
    Control& target = find(control);
    target.underline = underline;
    ui::Font font = target.row->font;
    font.underline = underline;
    SendMessageW(target.window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(font, dpi_)), TRUE);
}

void FormWindow::set_window_caption(std::string_view text) {
    SetWindowTextW(window_, wide(text).c_str());
}

// The tips wait in their controls until the pointer first moves over the
// window: a tooltip control made at start-up would cost every start its time.
void FormWindow::set_tooltip(std::string_view control, std::string_view text) {
    Control& target = find(control);
    target.tip = wide(text);
    if (tooltips_ != nullptr) {
        register_tip(target);
    }
}

HWND FormWindow::tooltips() {
    if (tooltips_ == nullptr) {
        tooltips_ =
            CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                            0, 0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
        // A width makes the tip break its text at line feeds.
        SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, pixels(ui::kTwipsPerInch * 5));
        for (Control& control : controls_) {
            if (!control.tip.empty()) {
                register_tip(control);
            }
        }
    }
    return tooltips_;
}

void FormWindow::register_tip(Control& target) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(target.window);
    tool.lpszText = target.tip.data();
    SendMessageW(tooltips_, target.has_tooltip ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&tool));
    target.has_tooltip = true;
}

void FormWindow::set_description(std::string_view control, std::string_view text) {
    find(control).description = wide(text);
}

void FormWindow::set_pointer(ui::Pointer pointer) {
    pointer_ = pointer;
}

void FormWindow::announce(std::string_view control) {
    HWND target = find(control).window;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, target, OBJID_WINDOW, CHILDID_SELF);
    // Windows 7 has no live regions; its screen readers follow the name change.
    if (has_live_regions()) {
        Control& live = find(control);
        if (!live.live_region) {
            mark_live_region(target);
            live.live_region = true;
        }
        constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8
        NotifyWinEvent(kLiveRegionChanged, target, OBJID_CLIENT, CHILDID_SELF);
    }
}

bool FormWindow::open_page(std::string_view address) {
    return services_.open_page(window_, wide(address));
}

void FormWindow::copy_text(std::string_view text) {
    if (!OpenClipboard(window_)) {
        return;
    }
    EmptyClipboard();
    const std::wstring units = wide(text);
    const std::size_t bytes = (units.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), units.c_str(), bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

void FormWindow::copy_picture(std::string_view control) {
    HGLOBAL picture = canvas_picture(find(control).window, 2);
    if (picture == nullptr) {
        return;
    }
    if (!OpenClipboard(window_)) {
        GlobalFree(picture);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_DIB, picture) == nullptr) {
        GlobalFree(picture);
    }
    CloseClipboard();
}

void FormWindow::set_enabled(std::string_view control, bool enabled) {
    EnableWindow(find(control).window, enabled ? TRUE : FALSE);
}

void FormWindow::set_checked(std::string_view control, bool checked) {
    SendMessageW(find(control).window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void FormWindow::repaint(std::string_view control) {
    InvalidateRect(find(control).window, nullptr, FALSE);
}

void FormWindow::close() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool FormWindow::start_program(const std::string& path) {
    return services_.start_program(wide(path));
}

void FormWindow::show_message(const std::string& text) {
    services_.show_message(window_, wide(text));
}

void FormWindow::print(draw::Document& document) {
    services_.print(window_, document);
}

void FormWindow::save(draw::Document& document) {
    services_.save(window_, document);
}

} // namespace vornix::win32
