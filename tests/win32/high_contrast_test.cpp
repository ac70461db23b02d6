// High Contrast Black: every window drawn in the system's colours only, the
// design's fixed colours nowhere. Wine never reports High Contrast on, so the
// program is told through its seam; the system colours are set for the
// session and put back afterwards (the test runs alone).
#include "win32_fixture.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vornix::testing {
namespace {

constexpr std::array<int, 8> kElements{COLOR_BTNFACE,       COLOR_BTNTEXT,  COLOR_WINDOW,
                                       COLOR_WINDOWTEXT,    COLOR_HOTLIGHT, COLOR_HIGHLIGHT,
                                       COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT};
// Windows' own High Contrast Black scheme.
constexpr std::array<COLORREF, 8> kBlackScheme{
    RGB(0, 0, 0),     RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255),
    RGB(255, 255, 0), RGB(26, 235, 255),  RGB(0, 0, 0), RGB(63, 242, 63)};

// The client area and every control, each as it paints itself (the windows
// are hidden, so nothing is on a screen), saved as a 24-bit BMP:
// dev/windows-screenshot.sh makes the README's picture of it.
void save_picture(HWND window, const std::string& path) {
    RECT area{};
    GetClientRect(window, &area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                      &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        HDC part = CreateCompatibleDC(dc);
        HBITMAP picture =
            CreateCompatibleBitmap(dc, place.right - place.left, place.bottom - place.top);
        const HGDIOBJ before = SelectObject(part, picture);
        SendMessageW(child, WM_PRINTCLIENT, WPARAM(part), PRF_CLIENT | PRF_ERASEBKGND);
        BitBlt(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, part,
               0, 0, SRCCOPY);
        SelectObject(part, before);
        DeleteObject(picture);
        DeleteDC(part);
    }
    GdiFlush();
    const DWORD row = DWORD((width * 3 + 3) & ~3);
    header.biSizeImage = row * DWORD(height);
    BITMAPFILEHEADER file{0x4D42,
                          DWORD(sizeof(BITMAPFILEHEADER) + sizeof header + header.biSizeImage), 0,
                          0, DWORD(sizeof(BITMAPFILEHEADER) + sizeof header)};
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(bits, header.biSizeImage, 1, out);
        std::fclose(out);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

class HighContrast : public Win32Test {
  protected:
    void SetUp() override {
        for (std::size_t i = 0; i < kElements.size(); ++i) {
            saved_[i] = GetSysColor(kElements[i]);
        }
        SetSysColors(int(kElements.size()), kElements.data(), kBlackScheme.data());
        win32::pretend_high_contrast(true);
    }
    void TearDown() override {
        win32::pretend_high_contrast(false);
        SetSysColors(int(kElements.size()), kElements.data(), saved_.data());
    }

    static long count(const std::vector<COLORREF>& pixels, COLORREF colour) {
        return static_cast<long>(std::ranges::count(pixels, colour));
    }
    // White text, smoothed into light greys at its edges.
    static long light(const std::vector<COLORREF>& pixels) {
        return static_cast<long>(std::ranges::count_if(pixels, [](COLORREF c) {
            return GetRValue(c) >= 0xA0 && GetRValue(c) == GetGValue(c) &&
                   GetGValue(c) == GetBValue(c);
        }));
    }

  private:
    std::array<COLORREF, 8> saved_{};
};

TEST_F(HighContrast, BlackSchemeInEveryWindowNoFixedColourLeft) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "1");
    click("Command1");
    SendMessageW(window.handle(), WM_SYSCOLORCHANGE, 0, 0);
    const std::vector<COLORREF> answer = pixels_of(get("Label4"));
    EXPECT_EQ(answer.front(), RGB(0, 0, 0)) << "the label's face";
    EXPECT_GT(light(answer), 20) << "its text in the window text colour";
    EXPECT_EQ(count(answer, RGB(0xC0, 0x40, 0)), 0) << "not the answer's own dark orange";
    const std::vector<COLORREF> link = pixels_of(get("Label17"));
    EXPECT_GT(count(link, RGB(255, 255, 0)), 20) << "the link in hot-light";
    EXPECT_EQ(count(link, RGB(0, 0, 255)), 0) << "not the link's own blue";
    const std::vector<COLORREF> face = pixels_of(window.handle());
    EXPECT_EQ(count(face, RGB(0xC0, 0xC0, 0xC0)) + count(face, RGB(0xF0, 0xF0, 0xF0)), 0)
        << "neither the window's grey nor the light face";

    click("Command2");
    ASSERT_NE(window.about(), nullptr);
    const std::vector<COLORREF> title = pixels_of(window.about()->control("lblTitle"));
    EXPECT_EQ(title.front(), RGB(0, 0, 0));
    EXPECT_GT(light(title), 20);

    SendMessageW(get("Label4"), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_NE(window.working_window(ui::Topic::Quadratic), nullptr);
    const std::vector<COLORREF> graph =
        pixels_of(window.working_window(ui::Topic::Quadratic)->control("picGraph"));
    EXPECT_GT(count(graph, RGB(0, 0, 0)), long(graph.size()) / 2) << "black paper";
    EXPECT_GT(count(graph, RGB(255, 255, 0)), 100) << "the curve in hot-light";
    EXPECT_GT(light(graph), 100) << "axes and labels in window text";
    if (const char* folder = std::getenv("VORNIX_HIGH_CONTRAST_PICTURES")) {
        save_picture(window.handle(), std::string(folder) + "/main.bmp");
        save_picture(window.about()->handle(), std::string(folder) + "/about.bmp");
        save_picture(window.working_window(ui::Topic::Quadratic)->handle(),
                     std::string(folder) + "/working.bmp");
    }
}

} // namespace
} // namespace vornix::testing
