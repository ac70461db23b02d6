// What may block the program or reach outside it goes through Services, so
// that tests can put a fake in its place.
#pragma once

#include <windows.h>

#include <string>

namespace vornix::win32 {

class Services {
  public:
    virtual ~Services() = default;

    // A modal message box with only an OK button, captioned with the
    // application title. Returns once dismissed.
    virtual void show_message(HWND owner, const std::wstring& text) = 0;

    // Starts the program at `path` in a normal window with the focus, without
    // waiting: one literal program path, never a command line for a shell.
    // Returns false when it could not be started.
    virtual bool start_program(const std::wstring& path) = 0;

    // Opens the address with the shell's "open" operation; false when the
    // shell could not.
    virtual bool open_page(HWND owner, const std::wstring& address) = 0;
};

// The real system: MessageBoxW, CreateProcessW, ShellExecuteW.
class DesktopServices final : public Services {
  public:
    void show_message(HWND owner, const std::wstring& text) override;
    bool start_program(const std::wstring& path) override;
    bool open_page(HWND owner, const std::wstring& address) override;
};

} // namespace vornix::win32
