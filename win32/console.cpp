#include "console.hpp"

#include "wide_text.hpp"

#include <windows.h>

namespace vornix::win32 {
namespace {

bool usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A console takes UTF-16 whatever its code page; a file or a pipe gets UTF-8.
bool write_to(HANDLE handle, std::string_view text) {
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = sysinfo::wide(text);
        return WriteConsoleW(handle, wide.c_str(), static_cast<DWORD>(wide.size()), &written,
                             nullptr) != FALSE;
    }
    return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

} // namespace

bool write_to_console(std::string_view text, bool error) {
    if (HANDLE redirected = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
        usable(redirected)) {
        return write_to(redirected, text);
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return false;
    }
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    const bool written = console != INVALID_HANDLE_VALUE && write_to(console, text);
    if (console != INVALID_HANDLE_VALUE) {
        CloseHandle(console);
    }
    FreeConsole();
    return written;
}

} // namespace vornix::win32
