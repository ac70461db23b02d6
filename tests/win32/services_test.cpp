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

#include "program.hpp"

namespace vornix::testing {
namespace {

// An unknown argument's line goes to the error stream (the program-level
// test reads it); without one it would come in a box too.
TEST(CommandLineWin32, HelpAndVersionAnswerInAMessageBoxAndAnUnknownArgumentIsRefused) {
    struct Shown : win32::Services {
        void show_message(HWND, const std::wstring& text) override { messages.push_back(text); }
        bool start_program(const std::wstring&) override { return false; }
        bool open_page(HWND, const std::wstring&) override { return false; }
        ui::Settings& settings() override { return memory; }
        void print(HWND, draw::Document&) override {}
        void save(HWND, draw::Document&) override {}
        std::vector<std::wstring> messages;
        ui::MemorySettings memory;
    } shown;
    EXPECT_EQ(win32::answer_command_line({"--version"}, shown), 0);
    EXPECT_EQ(win32::answer_command_line({"--help"}, shown), 0);
    EXPECT_EQ(win32::answer_command_line({"/x"}, shown), 2);
    EXPECT_EQ(win32::answer_command_line({}, shown), -1) << "no argument: the program starts";
    ASSERT_GE(shown.messages.size(), 2u);
    EXPECT_EQ(shown.messages[0], L"Vornix 1.0.1");
    EXPECT_TRUE(shown.messages[1].starts_with(L"用法：vornix"));
    EXPECT_EQ(shown.messages[1].find(L"-platform"), std::wstring::npos) << "no Qt option offered";
}

} // namespace
} // namespace vornix::testing
