#include "services.hpp"

#include "app_info.hpp"
#include "wide_text.hpp"

#include <shellapi.h>

namespace vornix::win32 {

void DesktopServices::show_message(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), sysinfo::wide(ui::kApplication.title).c_str(), MB_OK);
}

bool DesktopServices::start_program(const std::wstring& path) {
    // A NUL would cut the path short and start some other program.
    if (path.empty() || path.find(L'\0') != std::wstring::npos) {
        return false;
    }
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

void DesktopServices::open_page(HWND owner, const std::wstring& address) {
    ShellExecuteW(owner, L"open", address.c_str(), L"", L"", SW_SHOW);
}

} // namespace vornix::win32
