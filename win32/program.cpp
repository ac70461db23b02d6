#include "program.hpp"

#include "main_window.hpp"
#include "registry.hpp"

#include <objbase.h>

namespace vornix::win32 {

int run(int show_command) {
    // Screen readers reach the controls' accessible objects through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    DesktopServices services;
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
