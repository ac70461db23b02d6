// The Win32 windows in this process, hidden, driven with the messages the
// system itself sends and read back with the calls a screen reader uses.
#pragma once

#include "../sysinfo/fake_registry.hpp"
#include "main_window.hpp"
#include "system.hpp"
#include "wide_text.hpp"

#include <gtest/gtest.h>

#include <objbase.h>
#include <oleacc.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace vornix::testing {

class FakeServices : public win32::Services {
  public:
    void show_message(HWND, const std::wstring& text) override {
        messages.push_back(sysinfo::utf8(text));
    }
    bool start_program(const std::wstring& path) override {
        started.push_back(sysinfo::utf8(path));
        return true;
    }
    bool open_page(HWND, const std::wstring& address) override {
        opened.push_back(sysinfo::utf8(address));
        return true;
    }
    ui::Settings& settings() override { return *store; }
    // What would have gone to the printer or into a file: the working's first line.
    void print(HWND, draw::Document& document) override { printed.push_back(first_line(document)); }
    void save(HWND, draw::Document& document) override { saved.push_back(first_line(document)); }

    static std::string first_line(const draw::Document& document) {
        const auto& items = document.items();
        return items.empty() || items[0].lines.empty() ? "" : calc::linear_text(items[0].lines[0]);
    }

    std::vector<std::string> messages;
    std::vector<std::string> started;
    std::vector<std::string> opened;
    std::vector<std::string> printed;
    std::vector<std::string> saved;
    ui::MemorySettings memory;
    ui::Settings* store = &memory;
};

// VORNIX_TEST_WINDOWS7 set: every call newer than Windows 7 is looked up as
// missing, so that the windows are made through the fallbacks.
inline bool windows_7_only() {
    const bool only = std::getenv("VORNIX_TEST_WINDOWS7") != nullptr;
    win32::pretend_windows_7(only);
    return only;
}

// Every pixel the control paints.
inline std::vector<COLORREF> pixels_of(HWND control) {
    RECT area{};
    GetClientRect(control, &area);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), area.right, -area.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(control, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
    GdiFlush();
    std::vector<COLORREF> colours;
    const auto* words = static_cast<const DWORD*>(bits);
    for (long i = 0; i < area.right * area.bottom; ++i) {
        const DWORD bgra = words[i];
        colours.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return colours;
}

using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

// What a screen reader hears of the control: its name, or what `what` asks.
inline std::wstring spoken(HWND control, Getter what = &IAccessible::get_accName) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return L"(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    (object->*what)(self, &name);
    std::wstring text = name == nullptr ? L"" : name;
    SysFreeString(name);
    object->Release();
    return text;
}

class Win32Test : public ::testing::Test {
  protected:
    Win32Test() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~Win32Test() override { CoUninitialize(); }

    HWND get(const char* name) { return window.control(name); }
    static std::string text_of(HWND control) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(GetWindowTextW(control, text.data(), int(text.size()))));
        return sysinfo::utf8(text);
    }
    std::string text_of(const char* name) { return text_of(get(name)); }
    void type(const char* box, const std::string& text) {
        SendMessageW(get(box), WM_SETTEXT, 0, LPARAM(sysinfo::wide(text).c_str()));
    }
    static void click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
    void click(const char* name) { click(get(name)); }
    // A key as the message loop hands it to the window's dialog keyboard.
    static bool key(HWND root, HWND focus, UINT message, WPARAM key_code) {
        SetFocus(focus);
        MSG msg{focus, message, key_code, 0, 0, {}};
        return IsDialogMessageW(root, &msg);
    }

    FakeServices services;
    FakeRegistry registry;
    int program_ends = 0;
    ui::OpenWindows windows{[this] { ++program_ends; }};
    bool windows_7 = windows_7_only();
    win32::MainWindow window{services, windows, registry};
};

} // namespace vornix::testing
