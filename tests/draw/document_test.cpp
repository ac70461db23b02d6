// Paper and files: exercises laid on A4 pages, nothing cut through, each
// page with its foot; the same pages as SVG, as PNG or PDF by the toolkit;
// the files all written or none.
#include "export.hpp"
#include "fake_canvas.hpp"
#include "svg_canvas.hpp"
#include "working_page.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace vornix::testing {
namespace {

draw::DocumentItem item(const char* a, const char* b, const char* c) {
    const calc::Exercise exercise = calc::evaluate_quadratic(a, b, c);
    return {draw::page_lines(exercise, draw::Page::Solve, std::nullopt), exercise.plot};
}

TEST(Document, EveryLineOnExactlyOnePageWithinItsMarginsAndAFootOnEach) {
    struct Row {
        const char* name;
        std::size_t exercises;
        double width; // a page at 96 DPI, or larger: at 300
    };
    for (const Row& row :
         {Row{"one", 1, 794}, Row{"six", 6, 794}, Row{"twenty_at_300_dpi", 20, 2480}}) {
        std::vector<draw::DocumentItem> items;
        for (std::size_t i = 0; i < row.exercises; ++i) {
            items.push_back(item("1", std::to_string(-3 - int(i)).c_str(), "1"));
        }
        const double height = row.width * 297 / 210;
        FakeCanvas measuring(row.width, height, row.width / 794);
        draw::Document document(items, "Vornix 1.0.1");
        const std::size_t pages = document.lay_out(measuring);
        std::size_t lines_drawn = 0;
        for (std::size_t page = 0; page < pages; ++page) {
            FakeCanvas canvas(row.width, height, row.width / 794);
            document.draw_page(page, canvas);
            EXPECT_EQ(canvas.texts.back().text, draw::page_foot("Vornix 1.0.1", page, pages))
                << row.name;
            for (const draw::Document::Piece& piece : document.page_pieces(page)) {
                EXPECT_LE(piece.top + piece.height, height * (1 - 26.0 / 297)) << row.name;
                EXPECT_GE(piece.top, height * 17.9 / 297) << row.name;
            }
            lines_drawn += std::ranges::count_if(
                canvas.texts, [](const FakeCanvas::Drawn& t) { return t.text.starts_with("解"); });
        }
        EXPECT_EQ(lines_drawn, 2 * row.exercises) << row.name << ": 解方程 and 解： once each";
        EXPECT_GE(pages, row.exercises / 3) << row.name;
    }
}

TEST(Document, ALongWorkingGoesOnOnTheNextPageBetweenTwoLines) {
    draw::DocumentItem tall = item("1", "-3", "1");
    const calc::Formula line = tall.lines.back();
    for (int i = 0; i < 120; ++i) {
        tall.lines.push_back(line);
    }
    FakeCanvas page(794, 1123);
    draw::Document document({tall}, "Vornix 1.0.1");
    const std::size_t pages = document.lay_out(page);
    ASSERT_GE(pages, 3u);
    double previous_to = 0;
    for (std::size_t index = 0; index < pages; ++index) {
        for (const draw::Document::Piece& piece : document.page_pieces(index)) {
            if (!piece.graph) {
                EXPECT_DOUBLE_EQ(piece.from, previous_to)
                    << "the next piece starts where one ended";
                previous_to = piece.to;
            }
        }
    }
}

// A renderer that makes every kind and keeps files in memory; one name may refuse.
class MemoryRenderer : public draw::PageRenderer {
  public:
    std::optional<std::string> pdf(draw::Pages&) override { return "%PDF"; }
    std::optional<std::string> png(draw::Pages& document, std::size_t index, double) override {
        FakeCanvas page(794, 1123);
        document.lay_out(page);
        return "PNG " + std::to_string(index);
    }
    bool write_file(const std::string& path, std::string_view bytes) override {
        if (path == refused) {
            return false;
        }
        files[path] = bytes;
        return true;
    }
    void remove_file(const std::string& path) override { files.erase(path); }
    std::map<std::string, std::string> files;
    std::string refused;
};

TEST(Saving, OneFileAPageNumberedAllOrNone) {
    std::vector<draw::DocumentItem> items(8, item("2", "-4", "-3"));
    MemoryRenderer renderer;
    draw::Document document(items, "Vornix 1.0.1");
    const draw::Saved svg = draw::save_document(document, "key.SVG", renderer);
    ASSERT_EQ(svg.outcome, draw::Saved::Outcome::Written);
    ASSERT_GE(svg.files.size(), 2u);
    EXPECT_EQ(svg.files[0], "key-1.SVG");
    EXPECT_TRUE(renderer.files["key-1.SVG"].starts_with("<?xml"));
    EXPECT_NE(renderer.files["key-2.SVG"].find("第 2 页"), std::string::npos);

    renderer.files.clear();
    renderer.refused = "out-2.png";
    const draw::Saved failed = draw::save_document(document, "out.png", renderer);
    EXPECT_EQ(failed.outcome, draw::Saved::Outcome::Failed);
    EXPECT_NE(failed.message.find("out-2.png"), std::string::npos);
    EXPECT_TRUE(renderer.files.empty()) << "the first page is taken away again";

    EXPECT_EQ(draw::save_document(document, "key.pdf", renderer).files,
              std::vector<std::string>{"key.pdf"});
    EXPECT_EQ(draw::save_document(document, "key.txt", renderer).outcome,
              draw::Saved::Outcome::UnknownKind);
    EXPECT_EQ(draw::numbered_names("a.b/key", 2),
              (std::vector<std::string>{"a.b/key-1", "a.b/key-2"}));
}

TEST(Svg, TextStaysTextAndEveryByteIsValidXml) {
    for (const auto& [raw, escaped] :
         {std::pair{"x<1 & y>\"2\"", "x&lt;1 &amp; y&gt;&quot;2&quot;"},
          std::pair{"顶点 (1, −5)", "顶点 (1, −5)"},
          std::pair{"a\xFF\xC0\x80z", "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz"},
          std::pair{"\x01\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}}) {
        EXPECT_EQ(draw::xml_text(raw), escaped);
    }
    draw::SvgCanvas canvas(100, 50);
    canvas.text({10, 20}, "y=2x²", 9, draw::Ink::Curve);
    const std::string svg = canvas.document("t", false);
    EXPECT_NE(svg.find(">y=2x²</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("fill=\"#000000\""), std::string::npos) << "black on white";
}

} // namespace
} // namespace vornix::testing
