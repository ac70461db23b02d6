#include "services.hpp"

#include "app_info.hpp"
#include "registry_settings.hpp"
#include "system.hpp"
#include "wide_text.hpp"

namespace vornix::win32 {

DesktopServices::DesktopServices() = default;
DesktopServices::~DesktopServices() = default;

// Made when first asked for: a window that keeps no setting opens no key.
ui::Settings& DesktopServices::settings() {
    if (!settings_) {
        settings_ = std::make_unique<RegistrySettings>();
    }
    return *settings_;
}

void DesktopServices::show_message(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), sysinfo::wide(ui::kApplication.title).c_str(), MB_OK);
}

bool DesktopServices::start_program(const std::wstring& path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // The path names the program itself; there is no command line to parse.
    if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// The shell is loaded when a page is first opened, not when the program starts.
bool DesktopServices::open_page(HWND owner, const std::wstring& address) {
    using ShellExecuteCall = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    HMODULE shell = system_library(L"shell32.dll");
    const auto execute = shell == nullptr
                             ? nullptr
                             : reinterpret_cast<ShellExecuteCall>(
                                   reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteW")));
    if (execute == nullptr) {
        return false;
    }
    start_com();
    // Above 32 means success; anything else is an error code.
    return reinterpret_cast<INT_PTR>(execute(owner, L"open", address.c_str(), L"", L"", SW_SHOW)) >
           32;
}

} // namespace vornix::win32
