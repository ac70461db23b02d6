// The working on paper and in files on Win32: a page drawn at 300 DPI as the
// printer and the PNG get it, files written whole through a temporary name,
// and the command line's export run as a program, as cmd.exe would.
#include "app_info.hpp"
#include "canvas_control.hpp"
#include "paper.hpp"
#include "wide_text.hpp"
#include "working_page.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vornix::testing {
namespace {

namespace fs = std::filesystem;

draw::Document quadratic_document() {
    const calc::Exercise exercise = calc::evaluate_quadratic("1", "-3", "2");
    return draw::Document({{draw::page_lines(exercise, draw::Page::Solve, std::nullopt),
                            draw::page_plot(exercise, draw::Page::Solve)}},
                          ui::version_line());
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A fresh folder of its own under the system's temporary folder, gone afterwards.
class Folder {
  public:
    explicit Folder(const char* name) : path_(fs::temp_directory_path() / name) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder() { fs::remove_all(path_); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const fs::path& path() const { return path_; }
    std::string file(const wchar_t* name) const { return sysinfo::utf8((path_ / name).wstring()); }
    std::size_t count() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
    }

  private:
    fs::path path_;
};

// PNG's width and height, from its IHDR chunk.
std::pair<long, long> png_size(const std::string& png) {
    const auto word = [&png](std::size_t at) {
        return (long(std::uint8_t(png[at])) << 24) | (long(std::uint8_t(png[at + 1])) << 16) |
               (long(std::uint8_t(png[at + 2])) << 8) | long(std::uint8_t(png[at + 3]));
    };
    return png.size() > 24 && png.starts_with("\x89PNG") ? std::pair{word(16), word(20)}
                                                         : std::pair{0L, 0L};
}

TEST(PaperWin32, APageAt300DpiHasTheWorkingsTextOnTheLeftAndTheCurveOnTheRight) {
    draw::Document document = quadratic_document();
    HBITMAP page = win32::page_bitmap(document, 0, 300);
    ASSERT_NE(page, nullptr);
    DIBSECTION dib{};
    GetObjectW(page, sizeof dib, &dib);
    ASSERT_EQ(dib.dsBm.bmWidth, 2480);
    ASSERT_EQ(dib.dsBm.bmHeight, 3508);
    // Black pixels in the working's column and in the graph's (the curve is black on paper).
    long left = 0;
    long right = 0;
    const auto* rows = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    for (long y = 0; y < 3508; ++y) {
        for (long x = 0; x < 2480; ++x) {
            const std::uint8_t* pixel = rows + y * dib.dsBm.bmWidthBytes + x * 3;
            if (pixel[0] < 64 && pixel[1] < 64 && pixel[2] < 64) {
                ++(x < 1240 ? left : right);
            }
        }
    }
    DeleteObject(page);
    EXPECT_GT(left, 2000) << "the working's four lines, at 300 DPI";
    EXPECT_GT(right, 5000) << "the axes and the curve";
}

TEST(PaperWin32, SavedAsPngAndSvgTheFilesHoldTheWholePageAndNothingElseIsLeft) {
    Folder folder("vornix-paper");
    draw::Document document = quadratic_document();
    win32::Win32PageRenderer renderer;
    ASSERT_EQ(draw::save_document(document, folder.file(L"解题过程.png"), renderer).outcome,
              draw::Saved::Outcome::Written);
    EXPECT_EQ(png_size(contents(folder.path() / L"解题过程.png")), std::pair(2480L, 3508L));

    const std::string svg_path = folder.file(L"key.svg");
    std::ofstream(fs::path(sysinfo::wide(svg_path))) << "an older file";
    ASSERT_EQ(draw::save_document(document, svg_path, renderer).outcome,
              draw::Saved::Outcome::Written);
    const std::string svg = contents(folder.path() / "key.svg");
    EXPECT_TRUE(svg.starts_with("<?xml")) << svg.substr(0, 40);
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
    EXPECT_NE(svg.find(">解：因式分解，得 (x−1)(x−2)=0.</text>"), std::string::npos)
        << "the working's words are text";
    EXPECT_NE(svg.find(">y=x²−3x+2</text>"), std::string::npos) << "and the graph's";
    EXPECT_EQ(folder.count(), 2u) << "no temporary file left beside them";
}

TEST(PaperWin32, AFolderThatIsNotThereGetsAMessageAndNoFile) {
    Folder folder("vornix-paper-missing");
    draw::Document document = quadratic_document();
    win32::Win32PageRenderer renderer;
    const std::string path = sysinfo::utf8((folder.path() / "gone" / "key.svg").wstring());
    const draw::Saved saved = draw::save_document(document, path, renderer);
    EXPECT_EQ(saved.outcome, draw::Saved::Outcome::Failed);
    EXPECT_NE(saved.message.find("无法写入文件"), std::string::npos);
    EXPECT_EQ(folder.count(), 0u);
}

// What two fingers do on the graph, as the rules are told it.
TEST(GestureWin32, AZoomIsAPinchByTheSpreadsRatioAndAPanIsADrag) {
    using Kind = ui::PointerEvent::Kind;
    struct Step {
        DWORD id;
        DWORD flags;
        ULONGLONG arguments;
        std::vector<Kind> kinds;
        double amount; // of the last event
    };
    const std::vector<Step> steps{
        {GID_ZOOM, GF_BEGIN, 100, {}, 0},
        {GID_ZOOM, 0, 150, {Kind::Pinch}, 1.5},
        {GID_ZOOM, GF_END, 120, {Kind::Pinch}, 0.8},
        {GID_PAN, GF_BEGIN, 0, {Kind::Press}, 0},
        {GID_PAN, 0, 0, {Kind::Move}, 0},
        {GID_PAN, GF_END, 0, {Kind::Move, Kind::Release}, 0},
        {GID_ROTATE, GF_BEGIN, 0, {}, 0},
    };
    double spread = 0;
    for (const Step& step : steps) {
        GESTUREINFO gesture{};
        gesture.cbSize = sizeof gesture;
        gesture.dwID = step.id;
        gesture.dwFlags = step.flags;
        gesture.ullArguments = step.arguments;
        const auto events = win32::gesture_events(gesture, {30, 40}, spread);
        std::vector<Kind> kinds;
        for (const ui::PointerEvent& event : events) {
            kinds.push_back(event.kind);
            EXPECT_EQ(event.x, 30);
            EXPECT_EQ(event.y, 40);
        }
        EXPECT_EQ(kinds, step.kinds) << step.id << " " << step.flags;
        if (!events.empty()) {
            EXPECT_DOUBLE_EQ(events.back().amount, step.amount);
        }
    }
}

} // namespace
} // namespace vornix::testing
