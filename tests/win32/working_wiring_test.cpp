// The working window's keys, pointer, size and pages reaching its rules on
// Win32, and what the user then receives: the controls' places, the pixels
// drawn, the text a screen reader hears, the calls to print and save.
#include "win32_fixture.hpp"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace vornix::testing {
namespace {

RECT rect_in_window(HWND control) {
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// Pixels that are not the paper's white: text, lines, the curve.
long ink_of(HWND canvas) {
    const std::vector<COLORREF> pixels = pixels_of(canvas);
    return std::ranges::count_if(pixels, [](COLORREF c) { return c != RGB(255, 255, 255); });
}

// Ctrl held while the keys go through the dialog manager; let go whatever the checks say.
class HeldControl {
  public:
    HeldControl() { press(0x80); }
    ~HeldControl() { press(0); }
    HeldControl(const HeldControl&) = delete;
    HeldControl& operator=(const HeldControl&) = delete;

  private:
    static void press(BYTE state) {
        BYTE keys[256]{};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = state;
        SetKeyboardState(keys);
    }
};

// Runs the window's messages (timers among them) for a while.
void run_messages(std::chrono::milliseconds how_long) {
    const auto until = std::chrono::steady_clock::now() + how_long;
    while (std::chrono::steady_clock::now() < until) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

class WorkingWindowTest : public Win32Test {
  protected:
    // The quadratic x² − 3x + 2 = 0 solved, and its working window opened by Alt+Enter.
    win32::WorkingWindow& open() {
        type("Text1", "1");
        type("Text2", "-3");
        type("Text3", "2");
        click("Command1");
        SendMessageW(get("Text1"), WM_SYSKEYDOWN, VK_RETURN, 1 << 29);
        win32::WorkingWindow* working = window.working_window(ui::Topic::Quadratic);
        if (working == nullptr) {
            std::abort();
        }
        return *working;
    }
    std::wstring read_aloud(win32::WorkingWindow& working, const char* control) {
        return spoken(working.control(control), &IAccessible::get_accDescription);
    }
};

TEST_F(WorkingWindowTest, AWiderTallerWindowGivesItsGraphTheRoomAndKeepsTheButtonsBelow) {
    win32::WorkingWindow& working = open();
    RECT client{};
    GetClientRect(working.handle(), &client);
    const RECT graph = rect_in_window(working.control("picGraph"));
    RECT frame{};
    GetWindowRect(working.handle(), &frame);
    SetWindowPos(working.handle(), nullptr, 0, 0, frame.right - frame.left + 200,
                 frame.bottom - frame.top + 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT grown_client{};
    GetClientRect(working.handle(), &grown_client);
    ASSERT_GT(grown_client.right, client.right) << "the window grows";
    const RECT grown = rect_in_window(working.control("picGraph"));
    EXPECT_NEAR(grown.right - grown.left, graph.right - graph.left + 200, 1);
    EXPECT_NEAR(grown.bottom - grown.top, graph.bottom - graph.top + 100, 1);
    const RECT close = rect_in_window(working.control("cmdClose"));
    EXPECT_NEAR(grown_client.right - close.right, 8, 1) << "关闭 at the right edge";
    EXPECT_NEAR(grown_client.bottom - close.bottom, 11, 1) << "and the bottom";

    SetWindowPos(working.handle(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(working.handle(), &client);
    EXPECT_EQ(client.right, 780) << "never narrower than designed";
    EXPECT_EQ(client.bottom, 560) << "nor lower";
}

TEST_F(WorkingWindowTest, CtrlEqualsZoomsTheWorkingSaysSoForAMomentAndCtrlZeroGoesBack) {
    win32::WorkingWindow& working = open();
    HWND canvas = working.control("picWorking");
    SetFocus(canvas); // its focus frame in every picture
    const long ink = ink_of(canvas);
    {
        HeldControl control;
        EXPECT_TRUE(key(working.handle(), canvas, WM_KEYDOWN, VK_OEM_PLUS));
    }
    EXPECT_EQ(text_of(working.control("lblZoom")), "缩放 125%");
    EXPECT_EQ(spoken(working.control("lblZoom")), L"缩放 125%") << "a screen reader hears it";
    EXPECT_GT(ink_of(canvas), ink * 5 / 4) << "the working drawn larger";
    EXPECT_EQ(services.memory.read("QuadraticWorking/Zoom"), "125") << "and kept";
    run_messages(std::chrono::milliseconds(1800));
    EXPECT_EQ(text_of(working.control("lblZoom")), "") << "the label clears itself";
    {
        HeldControl control;
        key(working.handle(), canvas, WM_KEYDOWN, '0');
    }
    EXPECT_EQ(working.form().zoom(), 100);
    EXPECT_EQ(ink_of(canvas), ink);
}

TEST_F(WorkingWindowTest, TheWheelOverTheGraphZoomsItAndHomeFitsItAgain) {
    win32::WorkingWindow& working = open();
    HWND graph = working.control("picGraph");
    SetFocus(graph); // its focus frame in every picture
    const std::vector<COLORREF> fitted = pixels_of(graph);
    RECT area{};
    GetWindowRect(graph, &area);
    const LPARAM middle = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    SendMessageW(graph, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), middle);
    EXPECT_NE(pixels_of(graph), fitted) << "a closer view";
    EXPECT_EQ(working.form().zoom(), 100) << "the window's zoom untouched";
    EXPECT_TRUE(key(working.handle(), graph, WM_KEYDOWN, VK_HOME));
    EXPECT_EQ(pixels_of(graph), fitted) << "Home fits the marked points again";

    SendMessageW(graph, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), middle);
    EXPECT_EQ(working.form().zoom(), 125) << "Ctrl and the wheel zoom the window";
}

TEST_F(WorkingWindowTest, ArrowsOnTheGraphTraceTheCurveAndAScreenReaderHearsThePoint) {
    win32::WorkingWindow& working = open();
    HWND graph = working.control("picGraph");
    EXPECT_TRUE(key(working.handle(), graph, WM_KEYDOWN, VK_RIGHT));
    EXPECT_EQ(GetFocus(), graph) << "the arrow stays on the graph";
    EXPECT_TRUE(read_aloud(working, "picGraph").starts_with(L"曲线上的点 ("))
        << sysinfo::utf8(read_aloud(working, "picGraph"));
    const std::wstring right = read_aloud(working, "picGraph");
    EXPECT_TRUE(key(working.handle(), graph, WM_KEYDOWN, VK_LEFT));
    EXPECT_NE(read_aloud(working, "picGraph"), right) << "← moves it back";
    EXPECT_TRUE(key(working.handle(), graph, WM_KEYDOWN, VK_RIGHT));
    EXPECT_EQ(read_aloud(working, "picGraph"), right) << "and → to where it was";
}

TEST_F(WorkingWindowTest, CtrlPAndCtrlSHandTheShownPageToThePrinterAndTheFile) {
    win32::WorkingWindow& working = open();
    {
        HeldControl control;
        key(working.handle(), working.control("picWorking"), WM_KEYDOWN, 'P');
        key(working.handle(), working.control("cmdClose"), WM_KEYDOWN, 'S');
    }
    ASSERT_EQ(services.printed.size(), 1u);
    EXPECT_NE(services.printed[0].find("x²−3x+2=0"), std::string::npos) << services.printed[0];
    EXPECT_EQ(services.saved, services.printed);
    click(working.control("cmdPrint"));
    EXPECT_EQ(services.printed.size(), 2u) << "the button too";
}

TEST_F(WorkingWindowTest, F11FillsTheMonitorAndEscLeavesFullScreenBeforeClosing) {
    win32::WorkingWindow& working = open();
    RECT before{};
    GetWindowRect(working.handle(), &before);
    EXPECT_TRUE(key(working.handle(), working.control("picGraph"), WM_KEYDOWN, VK_F11));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(working.handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT full{};
    GetWindowRect(working.handle(), &full);
    EXPECT_TRUE(EqualRect(&full, &monitor.rcMonitor));
    EXPECT_EQ(GetWindowLongW(working.handle(), GWL_STYLE) & WS_CAPTION, 0) << "no title bar";

    key(working.handle(), working.control("picGraph"), WM_KEYDOWN, VK_ESCAPE);
    RECT after{};
    GetWindowRect(working.handle(), &after);
    EXPECT_TRUE(EqualRect(&after, &before)) << "back where it was";
    ASSERT_NE(window.working_window(ui::Topic::Quadratic), nullptr) << "and still open";
    key(working.handle(), working.control("picGraph"), WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(window.working_window(ui::Topic::Quadratic), nullptr);
}

TEST_F(WorkingWindowTest, AltHShowsTheFunctionPageAndItsGroupIsApartFromTheMethods) {
    win32::WorkingWindow& working = open();
    const std::wstring solving = read_aloud(working, "picWorking");
    EXPECT_TRUE(key(working.handle(), working.control("picWorking"), WM_SYSCHAR, 'h'));
    EXPECT_EQ(SendMessageW(working.control("optFunction"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(working.form().page(), draw::Page::Function);
    EXPECT_NE(read_aloud(working, "picWorking"), solving) << "the function's page is read";
    EXPECT_FALSE(IsWindowEnabled(working.control("optSquare"))) << "no method to choose there";
    EXPECT_EQ(services.memory.read("QuadraticWorking/Page"), "Function");

    // The arrows walk a group of options; the methods are a group of their own.
    for (const char* name : {"optSolve", "optFormula", "picWorking"}) {
        EXPECT_NE(GetWindowLongW(working.control(name), GWL_STYLE) & WS_GROUP, 0) << name;
    }
    EXPECT_EQ(GetWindowLongW(working.control("optFunction"), GWL_STYLE) & WS_GROUP, 0);
    EXPECT_EQ(GetNextDlgGroupItem(working.handle(), working.control("optFunction"), FALSE),
              working.control("optSolve"));
}

TEST_F(WorkingWindowTest, AScreenReadersDefaultActionOnAnOptionChoosesItAsAClickDoes) {
    win32::WorkingWindow& working = open();
    click(working.control("optFunction"));
    ASSERT_EQ(working.form().page(), draw::Page::Function);
    IAccessible* option = nullptr;
    ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(working.control("optSolve"), OBJID_CLIENT,
                                                        __uuidof(IAccessible),
                                                        reinterpret_cast<void**>(&option)));
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    EXPECT_HRESULT_SUCCEEDED(option->accDoDefaultAction(self));
    option->Release();
    run_messages(std::chrono::milliseconds(100));
    EXPECT_EQ(working.form().page(), draw::Page::Solve);
    EXPECT_EQ(SendMessageW(working.control("optSolve"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

// Alt+A reaches 我的答案 through the dialog manager, Enter checks it, and the
// verdict is the label's text and name a screen reader hears; 先做后看, a
// check box, hides the working from the screen reader and the marks from the
// graph until 显示过程.
TEST_F(WorkingWindowTest, AnAnswerCheckedWithEnterIsHeardAndTryFirstHidesTheWorking) {
    win32::WorkingWindow& working = open();
    HWND entry = working.control("txtAnswer");
    EXPECT_EQ(spoken(entry), L"我的答案");
    EXPECT_TRUE(key(working.handle(), working.control("picWorking"), WM_SYSCHAR, 'a'));
    EXPECT_EQ(GetFocus(), entry) << "Alt+A, the label's key, reaches its entry";
    SetWindowTextW(entry, L"x1=1, x2=2");
    key(working.handle(), entry, WM_KEYDOWN, VK_RETURN);
    EXPECT_TRUE(text_of(working.control("lblVerdict")).starts_with("正确"))
        << text_of(working.control("lblVerdict"));
    EXPECT_TRUE(spoken(working.control("lblVerdict")).starts_with(L"正确"));

    click(working.control("chkHide"));
    EXPECT_EQ(SendMessageW(working.control("chkHide"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(services.memory.read("QuadraticWorking/Hide"), "1");
    type("Text3", "1");
    click("Command1");
    EXPECT_EQ(read_aloud(working, "picWorking").find(L"解："), std::wstring::npos)
        << sysinfo::utf8(read_aloud(working, "picWorking"));
    const std::vector<COLORREF> hidden = pixels_of(working.control("picGraph"));
    EXPECT_EQ(std::ranges::count(hidden, RGB(0xC0, 0, 0)), 0) << "no marked point";
    EXPECT_TRUE(IsWindowEnabled(working.control("cmdReveal")));
    click(working.control("cmdReveal"));
    EXPECT_NE(read_aloud(working, "picWorking").find(L"解："), std::wstring::npos);
    EXPECT_GT(std::ranges::count(pixels_of(working.control("picGraph")), RGB(0xC0, 0, 0)), 0);
}

// 换一题 gives a practice exercise, says so in the title and leaves the main window.
TEST_F(WorkingWindowTest, NextExerciseIsPracticeAndTheMainWindowsGoEndsIt) {
    win32::WorkingWindow& working = open();
    const std::string answer = text_of(get("Label4"));
    click(working.control("cmdNext"));
    EXPECT_EQ(text_of(working.handle()), "解题过程 — 一元二次方程（练习）");
    EXPECT_EQ(text_of(working.control("lblPractice")), "本次练习：答对 0 题，共 1 题");
    EXPECT_EQ(text_of(get("Label4")), answer);
    click("Command1");
    EXPECT_EQ(text_of(working.handle()), "解题过程 — 一元二次方程");
}

// At 96 DPI, and again at 192 DPI through the calls of Windows 7 and of Windows 10.
class ResolutionWorking : public WorkingWindowTest {};

TEST_F(ResolutionWorking, TheSmallestSizeIsTheDesignedClientAtTheWindowsResolution) {
    win32::WorkingWindow& working = open();
    const int dpi = working.dpi();
    MINMAXINFO limits{};
    SendMessageW(working.handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    const RECT client{0, 0, ui::twips_to_pixels(11700, dpi), ui::twips_to_pixels(8400, dpi)};
    const RECT outer =
        win32::frame_around(client, DWORD(GetWindowLongW(working.handle(), GWL_STYLE)),
                            DWORD(GetWindowLongW(working.handle(), GWL_EXSTYLE)), dpi);
    EXPECT_EQ(limits.ptMinTrackSize.x, outer.right - outer.left);
    EXPECT_EQ(limits.ptMinTrackSize.y, outer.bottom - outer.top);
    // Placed by the rules, in the window's own pixels.
    const RECT graph = rect_in_window(working.control("picGraph"));
    EXPECT_EQ(graph.left, ui::twips_to_pixels(5880, dpi));
    EXPECT_EQ(graph.top, ui::twips_to_pixels(120, dpi));
}

} // namespace
} // namespace vornix::testing
