// The real Win32 services: the message box, program start and page opening.
#include "services.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace vornix::testing {
namespace {

using win32::DesktopServices;

TEST(DesktopServicesWin32, MessageBoxIsCaptionedVornixWithItsTextAndOkOnly) {
    std::wstring seen;
    std::thread reader([&seen] {
        for (int tries = 0; tries < 200 && seen.empty(); ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
            HWND box = FindWindowW(L"#32770", L"Vornix");
            if (box == nullptr) {
                continue;
            }
            wchar_t text[64]{};
            GetDlgItemTextW(box, 0xFFFF, text, 64);
            seen = text;
            EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
            EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    });
    DesktopServices().show_message(nullptr, L"此时系统信息不可用");
    reader.join();
    EXPECT_EQ(seen, L"此时系统信息不可用");
}

TEST(DesktopServicesWin32, StartsAProgramByItsLiteralPathOrSaysItCannot) {
    wchar_t system[MAX_PATH]{};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_TRUE(DesktopServices().start_program(std::wstring(system) + L"\\hostname.exe"));
    EXPECT_FALSE(DesktopServices().start_program(L"C:\\nowhere\\msinfo32.exe"));
    EXPECT_FALSE(DesktopServices().start_program(std::wstring(system) + L"\\hostname.exe & x"));
    EXPECT_FALSE(DesktopServices().start_program(std::wstring(L"C:\\a\0b", 6)));
}

// CTest puts a fake xdg-open first on PATH; Wine hands web pages to it. It
// writes what it was given to VORNIX_OPENED (a host path).
TEST(PageThroughWine, GoesToTheHostsBrowser) {
    const char* marker = std::getenv("VORNIX_OPENED");
    ASSERT_NE(marker, nullptr) << "run by the test DesktopServicesWin32PageThroughWine";
    const std::filesystem::path file = std::filesystem::path("Z:") / marker;
    DesktopServices().open_page(nullptr, L"https://example.org/vornix/feedback");
    for (int tries = 0; tries < 400 && !std::filesystem::exists(file); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    std::ifstream in(file);
    const std::string opened((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(opened, "https://example.org/vornix/feedback\n");
}

} // namespace
} // namespace vornix::testing
