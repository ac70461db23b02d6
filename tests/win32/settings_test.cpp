// The user's settings in Wine's real registry, under a key of the tests' own:
// written and read back, and damaged values that give the working window its
// defaults without a fault.
#include "registry_settings.hpp"
#include "win32_fixture.hpp"

namespace vornix::testing {
namespace {

// A key of each test's own (ctest runs them side by side), gone before and after it.
std::wstring test_root() {
    return L"Software\\VornixTest\\" +
           sysinfo::wide(::testing::UnitTest::GetInstance()->current_test_info()->name());
}

class RegistrySettingsTest : public Win32Test {
  protected:
    RegistrySettingsTest() {
        RegDeleteTreeW(HKEY_CURRENT_USER, root.c_str());
        services.store = &registry;
    }
    ~RegistrySettingsTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, root.c_str()); }

    // A value of any type where the program's store looks for the window's choices.
    void put(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, (root + L"\\QuadraticWorking").c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr);
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes);
        RegCloseKey(key);
    }
    void put_text(const wchar_t* name, const std::wstring& text) {
        put(name, REG_SZ, text.c_str(), DWORD((text.size() + 1) * sizeof(wchar_t)));
    }
    win32::WorkingWindow* open_working() {
        SendMessageW(get("Text1"), WM_SYSKEYDOWN, VK_RETURN, 1 << 29);
        return window.working_window(ui::Topic::Quadratic);
    }

    std::wstring root = test_root();
    win32::RegistrySettings registry{root};
};

TEST_F(RegistrySettingsTest, TextWrittenIsReadBackAndAnythingElseIsNone) {
    registry.write("QuadraticWorking/Method", "配方");
    EXPECT_EQ(win32::RegistrySettings(root).read("QuadraticWorking/Method"), "配方");
    const DWORD number = 200;
    put(L"Zoom", REG_DWORD, &number, sizeof number);
    put_text(L"Long", std::wstring(2000, L'9'));
    put(L"Odd", REG_SZ, "abc", 3);
    for (const char* key :
         {"QuadraticWorking/Zoom", "QuadraticWorking/Long", "QuadraticWorking/Odd",
          "QuadraticWorking/Missing", "Nowhere/Zoom", "NoGroup"}) {
        EXPECT_EQ(registry.read(key), std::nullopt) << key;
    }
}

TEST_F(RegistrySettingsTest, DamagedValuesGiveTheDefaultsAndAPlaceOnNoMonitorIsLeftToTheSystem) {
    const DWORD zoom = 200;
    put(L"Zoom", REG_DWORD, &zoom, sizeof zoom);
    put(L"Page", REG_BINARY, "\x01\x02", 2);
    put_text(L"Method", L"\x4e00garbage");
    for (const auto& [name, value] :
         {std::pair{L"Left", L"50000"}, std::pair{L"Top", L"50000"}, std::pair{L"Right", L"50900"},
          std::pair{L"Bottom", L"50600"}}) {
        put_text(name, value);
    }
    win32::WorkingWindow* working = open_working();
    ASSERT_NE(working, nullptr);
    EXPECT_EQ(working->form().zoom(), 100);
    EXPECT_EQ(working->form().page(), draw::Page::Solve);
    RECT frame{};
    GetWindowRect(working->handle(), &frame);
    EXPECT_LT(frame.left, 5000) << "on a monitor there is";
}

// A text value that is no zoom step reaches the rule that gives 100 %, as a
// step does its own; 先做后看 and the level come back as kept.
TEST_F(RegistrySettingsTest, AStoredZoomOffTheStepsGivesTheFirstAndTheChoicesComeBack) {
    for (const auto& [stored, zoom] : {std::pair{"175", 100}, std::pair{"250", 250}}) {
        registry.write("QuadraticWorking/Zoom", stored);
        registry.write("QuadraticWorking/Hide", "1");
        registry.write("QuadraticWorking/Level", "3");
        win32::WorkingWindow* working = open_working();
        ASSERT_NE(working, nullptr);
        EXPECT_EQ(working->form().zoom(), zoom) << stored;
        EXPECT_EQ(SendMessageW(working->control("chkHide"), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(SendMessageW(working->control("optLevel3"), BM_GETCHECK, 0, 0), BST_CHECKED);
        click(working->control("cmdClose"));
    }
}

TEST_F(RegistrySettingsTest, TheWindowComesBackWhereAndAsLargeAsItWasClosed) {
    win32::WorkingWindow* working = open_working();
    ASSERT_NE(working, nullptr);
    SetWindowPos(working->handle(), nullptr, 40, 30, 900, 700, SWP_NOZORDER | SWP_NOACTIVATE);
    click(working->control("cmdClose"));
    ASSERT_EQ(window.working_window(ui::Topic::Quadratic), nullptr);
    EXPECT_EQ(registry.read("QuadraticWorking/Right"), "940");

    working = open_working();
    ASSERT_NE(working, nullptr);
    RECT frame{};
    GetWindowRect(working->handle(), &frame);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    EXPECT_EQ(frame.right, 940);
    EXPECT_EQ(frame.bottom, 730);
}

} // namespace
} // namespace vornix::testing
