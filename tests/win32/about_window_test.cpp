#include "win32_fixture.hpp"

namespace vornix::testing {
namespace {

class AboutTest : public Win32Test {
  protected:
    HWND open_about() {
        click("Command2");
        return window.about() == nullptr ? nullptr : window.about()->handle();
    }
    HWND in_about(const char* name) { return window.about()->control(name); }
};

TEST_F(AboutTest, OneWindowLoadedWithTitleAndVersionUntilOkClosesIt) {
    HWND about = open_about();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(open_about(), about) << "a second click shows the same window";
    EXPECT_EQ(text_of(about), "关于 Vornix");
    EXPECT_EQ(text_of(in_about("lblVersion")), "版本 1.0.1");
    EXPECT_EQ(text_of(in_about("lblTitle")), "Vornix");
    click(in_about("cmdOK"));
    EXPECT_FALSE(IsWindow(about)) << "closed and unloaded";
    EXPECT_NE(open_about(), nullptr) << "made anew";
}

TEST_F(AboutTest, FixedFrameWithoutTaskbarButtonIconOrMinimiseAndTheEtchedRule) {
    HWND about = open_about();
    const LONG_PTR style = GetWindowLongPtrW(about, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_SYSMENU) << "close button";
    EXPECT_NE(GetWindow(about, GW_OWNER), nullptr) << "a hidden owner keeps it off the taskbar";
    EXPECT_EQ(GetWindow(about, GW_OWNER) == window.handle(), false) << "not owned by Form1";
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 382);
    EXPECT_EQ(client.bottom, 237);
    POINT origin{0, 0};
    ClientToScreen(about, &origin);
    EXPECT_EQ(origin.x, 156);
    EXPECT_EQ(origin.y, 129);
    EXPECT_NE(SendMessageW(in_about("picIcon"), STM_GETICON, 0, 0), 0);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 382, -237, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(about, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(GetPixel(dc, 100, 163), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(GetPixel(dc, 100, 164), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(GetPixel(dc, 100, 170), RGB(0xF0, 0xF0, 0xF0)) << "the light face";
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(AboutTest, KeyboardEscClosesEnterPressesTheFocusedButtonAltSSystemInformation) {
    HWND about = open_about();
    EXPECT_TRUE(key(about, in_about("cmdOK"), WM_SYSCHAR, 's'));
    EXPECT_EQ(services.messages, std::vector<std::string>{"此时系统信息不可用"}) << "Alt+S";
    key(about, in_about("cmdSysInfo"), WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(services.messages.size(), 2u) << "Enter on System Information";
    EXPECT_TRUE(IsWindow(about));
    key(about, in_about("cmdSysInfo"), WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(about)) << "Esc";
    about = open_about();
    key(about, in_about("cmdOK"), WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(IsWindow(about)) << "Enter on OK";
}

TEST_F(AboutTest, AboutRestoresAMinimisedAboutWindow) {
    HWND about = open_about();
    ShowWindow(about, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(about));
    EXPECT_EQ(open_about(), about);
    EXPECT_FALSE(IsIconic(about));
}

TEST_F(AboutTest, ProgramLivesWhileEitherWindowIsOpen) {
    HWND about = open_about();
    DestroyWindow(window.handle());
    EXPECT_EQ(program_ends, 0) << "the About window is still open";
    DestroyWindow(about);
    EXPECT_EQ(program_ends, 1);
}

} // namespace
} // namespace vornix::testing
