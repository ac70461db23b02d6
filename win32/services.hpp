// What may block the program or reach outside it goes through Services, so
// that tests can put a fake in its place.
#pragma once

#include "document.hpp"
#include "settings.hpp"

#include <windows.h>

#include <memory>
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

    // The user's settings, kept between runs.
    virtual ui::Settings& settings() = 0;

    // The system's print dialog, then the document on the printer chosen;
    // a failure is told in a message box, a cancel does nothing.
    virtual void print(HWND owner, draw::Document& document) = 0;

    // The system's save dialog (PNG or SVG), then the document in that file;
    // a file that cannot be written is told in a message box.
    virtual void save(HWND owner, draw::Document& document) = 0;
};

// The real system: MessageBoxW, CreateProcessW, ShellExecuteW, the registry
// under HKEY_CURRENT_USER\Software\Vornix, PrintDlgExW and GetSaveFileNameW.
class DesktopServices final : public Services {
  public:
    DesktopServices();
    ~DesktopServices() override;
    void show_message(HWND owner, const std::wstring& text) override;
    bool start_program(const std::wstring& path) override;
    bool open_page(HWND owner, const std::wstring& address) override;
    ui::Settings& settings() override;
    void print(HWND owner, draw::Document& document) override;
    void save(HWND owner, draw::Document& document) override;

  private:
    std::unique_ptr<ui::Settings> settings_;
};

} // namespace vornix::win32
