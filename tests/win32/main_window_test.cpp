#include "win32_fixture.hpp"

#include "main_form.hpp"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace vornix::testing {
namespace {

using ui::MainForm;

RECT rect_in_window(HWND control) {
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

TEST_F(Win32Test, BothExercisesAnswerIntoTheirLabelsAndAFaultKeepsTheAnswer) {
    type("Text1", "１");
    type("Text2", "－３");
    type("Text3", "2");
    click("Command1");
    EXPECT_EQ(text_of("Label4"), "X1= 1    X2= 2");
    type("Text4", "1");
    type("Text5", "1");
    type("Text6", "2");
    type("Text7", "3");
    key(window.handle(), get("Text6"), WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(text_of("Label16"), "Y= 2 X  +-1") << "Enter in an entry box";
    type("Text1", "");
    type("Text2", "");
    click("Command1");
    EXPECT_EQ(text_of("Label4"), "X1= 1    X2= 2");
    EXPECT_EQ(services.messages, std::vector<std::string>{std::string(MainForm::fault_message())});
}

void expect_table_rectangles(const win32::MainWindow& window, int dpi) {
    for (const ui::ControlRow& row : MainForm::table()) {
        const RECT area = rect_in_window(window.control(row.name));
        const RECT expected{ui::twips_to_pixels(row.left, dpi), ui::twips_to_pixels(row.top, dpi),
                            ui::twips_to_pixels(row.left + row.width, dpi),
                            ui::twips_to_pixels(row.top + row.height, dpi)};
        EXPECT_TRUE(EqualRect(&area, &expected)) << row.name << " at " << dpi;
    }
}

// Run at 96 DPI, and again in a Wine prefix set to 192 DPI (VORNIX_TEST_DPI says which).
class Resolution : public Win32Test {
  protected:
    void SetUp() override {
        const char* wanted = std::getenv("VORNIX_TEST_DPI");
        ASSERT_EQ(window.dpi(), wanted == nullptr ? 96 : std::atoi(wanted));
    }
};

TEST_F(Resolution, WindowAndControlsTakeTheirTableRectangles) {
    const int dpi = window.dpi();
    RECT client{};
    GetClientRect(window.handle(), &client);
    EXPECT_EQ(client.right, ui::twips_to_pixels(6510, dpi));
    // The system keeps a window within the screen: Wine's own is 1024 by 768.
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
    const int room = GetSystemMetrics(SM_CYMAXTRACK) - (frame.bottom - frame.top);
    EXPECT_EQ(client.bottom, std::min(ui::twips_to_pixels(5970, dpi), room));
    expect_table_rectangles(window, dpi);
}

struct FontSeen {
    std::wstring requested;
    std::wstring face;
    int charset;
    LONG height;
    bool underline;
};

FontSeen font_of(HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageW(control, WM_GETFONT, 0, 0)));
    std::array<wchar_t, LF_FACESIZE> face{};
    GetTextFaceW(dc, int(face.size()), face.data());
    const int charset = GetTextCharset(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    LOGFONTW logical{};
    GetObjectW(HGDIOBJ(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof logical, &logical);
    return {logical.lfFaceName, face.data(), charset, logical.lfHeight, logical.lfUnderline != 0};
}

TEST_F(Resolution, SongAndKaiByTheirChineseNamesInGb2312AndTheSystemFontElsewhere) {
    const int dpi = window.dpi();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    for (const ui::ControlRow& row : MainForm::table()) {
        const FontSeen font = font_of(window.control(row.name));
        if (row.font.face == ui::Typeface::SystemDefault) {
            EXPECT_EQ(font.requested, metrics.lfMessageFont.lfFaceName) << row.name;
            continue;
        }
        EXPECT_EQ(font.face, row.font.face == ui::Typeface::Song ? L"宋体" : L"楷体_GB2312")
            << row.name;
        EXPECT_EQ(font.charset, GB2312_CHARSET) << row.name;
        EXPECT_EQ(font.height, -std::lround(row.font.points * dpi / 72)) << row.name;
        EXPECT_EQ(font.underline, row.name == "Label17") << row.name;
    }
}

TEST_F(Win32Test, TabWalksEntryBoxesButtonsAndTheLinkInTableOrderAboveTheLabels) {
    std::vector<HWND> expected;
    for (const char* name : {"Text1", "Text2", "Text3", "Command1", "Command2", "Text4", "Text5",
                             "Text6", "Text7", "Command3", "Label17"}) {
        expected.push_back(get(name));
    }
    std::vector<HWND> walked{get("Text1")};
    for (HWND next = GetNextDlgTabItem(window.handle(), get("Text1"), FALSE); next != get("Text1");
         next = GetNextDlgTabItem(window.handle(), next, FALSE)) {
        walked.push_back(next);
        ASSERT_LT(walked.size(), 40u);
    }
    EXPECT_EQ(walked, expected);
    // Command1 covers the right end of Label5; Text6 the left end of Label14.
    EXPECT_EQ(ChildWindowFromPoint(window.handle(), POINT{377, 45}), get("Command1"));
    EXPECT_EQ(ChildWindowFromPoint(window.handle(), POINT{281, 220}), get("Text6"));
    EXPECT_EQ(SendMessageW(get("Text1"), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << "no limit";
}

TEST_F(Win32Test, TheDefaultButtonsBorderFollowsTheFocusToEachExercisesGo) {
    const auto is_default = [this](const char* button) {
        return (GetWindowLongPtrW(get(button), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    };
    SetFocus(get("Text2"));
    EXPECT_TRUE(is_default("Command1"));
    EXPECT_FALSE(is_default("Command3"));
    SetFocus(get("Text7"));
    EXPECT_TRUE(is_default("Command3"));
    EXPECT_FALSE(is_default("Command1"));
}

// The colour and pointer the link is drawn with, as the system asks for them.
class LinkTest : public Win32Test {
  protected:
    COLORREF link_colour() {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(window.handle(), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(get("Label17")));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }
    bool cross_over(HWND control) {
        SetCursor(nullptr);
        SendMessageW(window.handle(), WM_SETCURSOR, WPARAM(control),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor() == LoadCursorW(nullptr, IDC_CROSS);
    }
    void mouse(HWND target, UINT message) { SendMessageW(target, message, 0, MAKELPARAM(2, 2)); }
};

TEST_F(LinkTest, HoverTurnsItRedWithACrossAndTheBackgroundUndoesIt) {
    EXPECT_EQ(link_colour(), RGB(0, 0, 255));
    mouse(get("Label17"), WM_MOUSEMOVE);
    EXPECT_EQ(link_colour(), RGB(255, 0, 0));
    EXPECT_TRUE(cross_over(get("Label17")));
    mouse(window.handle(), WM_MOUSEMOVE);
    EXPECT_EQ(link_colour(), RGB(0, 0, 255));
    EXPECT_FALSE(cross_over(get("Label17")));
}

TEST_F(LinkTest, AClickEnterOrSpaceOpensTheConfiguredPageOnceEach) {
    mouse(get("Label17"), WM_LBUTTONDOWN);
    mouse(get("Label17"), WM_LBUTTONUP);
    mouse(get("Label17"), WM_LBUTTONDBLCLK);
    mouse(get("Label17"), WM_LBUTTONUP);
    EXPECT_EQ(services.opened, std::vector<std::string>{VORNIX_FEEDBACK_URL}) << "double click";
    key(window.handle(), get("Label17"), WM_KEYDOWN, VK_RETURN);
    key(window.handle(), get("Label17"), WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(services.opened.size(), 3u);
}

TEST_F(Win32Test, CtrlShiftCInAnEntryBoxCopiesItsExercisesAnswer) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "2");
    key(window.handle(), get("Command1"), WM_KEYDOWN, VK_RETURN);
    BYTE keys[256]{};
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(get("Text2"), WM_CHAR, 3, 0);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto* text = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    EXPECT_EQ(std::wstring(text == nullptr ? L"" : text), L"X1= 1    X2= 2");
    CloseClipboard();
}

// What the window paints, drawn into a bitmap of the client area's size.
std::vector<COLORREF> print_client(HWND window, int width, int height, int x, std::vector<int> ys) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<COLORREF> colours;
    for (const int y : ys) {
        colours.push_back(GetPixel(dc, x, y));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return colours;
}

TEST_F(Resolution, RuleIsMidGreyOverTheBackgroundAsThickAsDrawnAtThisResolution) {
    const int dpi = window.dpi();
    const int y = ui::twips_to_pixels(2400, dpi);
    std::vector<int> rows;
    for (int row = y - 10; row <= y + 10; ++row) {
        rows.push_back(row);
    }
    const std::vector<COLORREF> colours =
        print_client(window.handle(), ui::twips_to_pixels(6510, dpi),
                     ui::twips_to_pixels(5970, dpi), ui::twips_to_pixels(3000, dpi), rows);
    const auto grey = std::count(colours.begin(), colours.end(), RGB(0x7F, 0x7F, 0x7F));
    const auto background = std::count(colours.begin(), colours.end(), RGB(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(grey, MulDiv(3, dpi, 96));
    EXPECT_EQ(grey + background, 21) << "nothing but the rule and the background";
    EXPECT_EQ(colours[10], RGB(0x7F, 0x7F, 0x7F)) << "centred on its row";
}

TEST_F(Win32Test, MovedToA192DpiMonitorTheControlsTakeTheirNewRectangles) {
    RECT suggested{0, 0, 1000, 1000};
    SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), LPARAM(&suggested));
    EXPECT_EQ(window.dpi(), 192);
    expect_table_rectangles(window, 192);
    LOGFONTW font{};
    GetObjectW(HGDIOBJ(SendMessageW(get("Label4"), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -38) << "14.25 points at 192 DPI";
}

// Whether it is hidden until the keyboard is used is the system's UI state,
// which Wine always answers as "show".
TEST_F(Win32Test, TheLinkPaintsItsOwnFocusFrameWhileItHasTheFocus) {
    HWND link = get("Label17");
    RECT area{};
    GetClientRect(link, &area);
    const auto framed = [&] {
        std::vector<int> rows(static_cast<std::size_t>(area.bottom));
        std::iota(rows.begin(), rows.end(), 0);
        const std::vector<COLORREF> edge =
            print_client(link, area.right, area.bottom, area.right - 1, rows);
        return std::ranges::count(edge, RGB(0xF0, 0xF0, 0xF0)) < std::ssize(edge);
    };
    EXPECT_FALSE(framed());
    SetFocus(link);
    EXPECT_TRUE(framed());
}

TEST_F(Win32Test, CopyPutsTheTextOnTheClipboard) {
    window.copy_text("Y= 2 X  +-1");
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto* text = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    EXPECT_EQ(std::wstring(text == nullptr ? L"" : text), L"Y= 2 X  +-1");
    CloseClipboard();
}

} // namespace
} // namespace vornix::testing

namespace vornix::testing {
namespace {

TEST_F(Win32Test, ScreenReadersHearNamesAndAnAnswerByItsTextRoleAndExactFormAlsoInItsTip) {
    for (const ui::ControlRow& row : MainForm::table()) {
        if (!row.accessible_name.empty()) {
            EXPECT_EQ(sysinfo::utf8(spoken(window.control(row.name))), row.accessible_name)
                << row.name;
        }
    }
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "2");
    click("Command1");
    EXPECT_EQ(spoken(get("Label4")), L"X1= 1    X2= 2");
    const std::wstring exact = L"精确解：X1=1，X2=2\n△=1\n顶点 (3/2, -1/4)，对称轴 X=3/2，开口向上";
    const std::wstring hint = L"\n双击或按 Alt+Enter 查看解题过程与图像";
    EXPECT_EQ(spoken(get("Label4"), &IAccessible::get_accDescription),
              L"方程的解\n" + exact + hint);
    std::wstring tip(512, L'\0');
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window.handle();
    tool.uId = reinterpret_cast<UINT_PTR>(get("Label4"));
    tool.lpszText = tip.data();
    SendMessageW(window.tooltips(), TTM_GETTEXTW, tip.size(), LPARAM(&tool));
    EXPECT_EQ(std::wstring(tip.c_str()), exact + hint) << "the tooltip";
}

} // namespace
} // namespace vornix::testing

namespace vornix::testing {
namespace {

std::vector<HWND> live_region_changes;

void CALLBACK on_live_region_changed(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    live_region_changes.push_back(window);
}

// Windows 8 and later hear each new answer from its live region; Windows 7
// (every newer call looked up as missing) from its name change alone.
TEST_F(Win32Test, AGoRaisesTheAnswersLiveRegionChangeWhereWindowsHasLiveRegions) {
    constexpr DWORD kLiveRegionChanged = 0x8019;
    HWINEVENTHOOK hook =
        SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, on_live_region_changed,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    for (const bool old_windows : {false, true}) {
        win32::pretend_windows_7(old_windows);
        live_region_changes.clear();
        type("Text4", "3");
        click("Command3");
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
            DispatchMessageW(&msg);
        }
        EXPECT_EQ(live_region_changes,
                  old_windows ? std::vector<HWND>{} : std::vector<HWND>{get("Label16")});
    }
    win32::pretend_windows_7(windows_7);
    UnhookWinEvent(hook);
}

} // namespace
} // namespace vornix::testing
