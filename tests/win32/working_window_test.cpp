// The working window on Win32: opened from the answer and the entry boxes,
// drawn smooth-edged, read aloud and copied as the user receives them.
#include "win32_fixture.hpp"

#include <algorithm>
#include <cstdlib>

namespace vornix::testing {
namespace {

bool close_to(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
               std::abs(GetBValue(a) - GetBValue(b)) <
           tolerance;
}

TEST_F(Win32Test, DoubleClickOnTheAnswerShowsTheWorkingAndASmoothParabola) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "1");
    click("Command1");
    SendMessageW(get("Label4"), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    win32::WorkingWindow* working = window.working_window(ui::Topic::Quadratic);
    ASSERT_NE(working, nullptr);
    EXPECT_NE(spoken(working->control("picWorking"), &IAccessible::get_accDescription)
                  .find(L"x₁=(3−√5)/2，x₂=(3+√5)/2"),
              std::wstring::npos);

    const std::vector<COLORREF> graph = pixels_of(working->control("picGraph"));
    const COLORREF curve = RGB(0x0F, 0x50, 0xB0);
    const auto on_curve = std::ranges::count_if(graph, [&](COLORREF c) { return c == curve; });
    const auto blended = std::ranges::count_if(graph, [&](COLORREF c) {
        return c != curve && close_to(c, curve, 200) && !close_to(c, RGB(255, 255, 255), 30);
    });
    EXPECT_GT(on_curve, 150) << "the parabola is drawn";
    EXPECT_GT(blended, 150) << "with smooth edges";

    click(working->control("cmdCopyGraph"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(GetClipboardData(CF_DIB)));
    RECT area{};
    GetClientRect(working->control("picGraph"), &area);
    EXPECT_EQ(header == nullptr ? 0 : header->biWidth, 2 * area.right) << "a picture at twice";
    CloseClipboard();

    EXPECT_TRUE(key(working->handle(), working->control("cmdClose"), WM_KEYDOWN, VK_ESCAPE));
    EXPECT_EQ(window.working_window(ui::Topic::Quadratic), nullptr);
}

TEST_F(Win32Test, AltEnterInALineEntryBoxShowsThatExercisesWorkingUpdatedByGo) {
    SendMessageW(get("Text4"), WM_SYSKEYDOWN, VK_RETURN, 1 << 29);
    win32::WorkingWindow* working = window.working_window(ui::Topic::Line);
    ASSERT_NE(working, nullptr);
    type("Text4", "3");
    type("Text5", "5");
    type("Text6", "-4");
    type("Text7", "-9");
    click("Command3");
    const std::wstring read =
        spoken(working->control("picWorking"), &IAccessible::get_accDescription);
    EXPECT_TRUE(read.ends_with(L"所以这个一次函数的解析式为 y=2x−1.")) << sysinfo::utf8(read);
}

} // namespace
} // namespace vornix::testing
