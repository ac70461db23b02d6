#include "program.hpp"

#include "command_line.hpp"
#include "main_window.hpp"
#include "registry.hpp"
#include "wide_text.hpp"

#include <objbase.h>
#include <shellapi.h>

namespace vornix::win32 {
namespace {

std::vector<std::string> arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> texts;
    for (int i = 1; i < count; ++i) {
        texts.push_back(sysinfo::utf8(wide[i]));
    }
    LocalFree(wide);
    return texts;
}

} // namespace

int answer_command_line(const std::vector<std::string>& arguments, Services& services) {
    const ui::CommandLine line = ui::read_command_line(arguments, {});
    switch (line.action) {
    case ui::CommandLine::Action::Help:
        services.show_message(nullptr, sysinfo::wide(ui::usage()));
        return 0;
    case ui::CommandLine::Action::Version:
        services.show_message(nullptr, sysinfo::wide(ui::version_line()));
        return 0;
    case ui::CommandLine::Action::Refuse:
        services.show_message(nullptr, sysinfo::wide("无法识别的参数 / unknown argument: " +
                                                     line.refused + "\n\n" + ui::usage()));
        return 2;
    case ui::CommandLine::Action::Run:
        break;
    }
    return -1;
}

int run(int show_command) {
    // Screen readers reach the controls' accessible objects through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    DesktopServices services;
    if (const int answered = answer_command_line(arguments(), services); answered >= 0) {
        return answered;
    }
    const auto registry = sysinfo::make_system_registry();
    OpenWindows windows([] { PostQuitMessage(0); });
    MainWindow main_window(services, windows, *registry);
    main_window.show(show_command);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Enter, Esc and access keys work in the program's windows as in a dialog.
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (root != nullptr && FormWindow::is_form(root) && IsDialogMessageW(root, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace vornix::win32
