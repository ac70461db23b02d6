// Pages hold their pieces whole: over many sets of exercises, long workings
// among them, every piece and every line drawn lies inside the margins, and
// no two pieces of a page overlap.
#include "document.hpp"
#include "fake_canvas.hpp"
#include "working_page.hpp"

#include <gtest/gtest.h>

#include <random>

namespace vornix::testing {
namespace {

struct Area {
    double left;
    double top;
    double right;
    double bottom;
};

bool overlap(const draw::Document::Piece& a, const draw::Document::Piece& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

draw::DocumentItem random_item(std::mt19937_64& random) {
    const auto coefficient = [&] { return std::to_string(static_cast<int>(random() % 19) - 9); };
    const calc::Exercise exercise =
        calc::evaluate_quadratic(std::to_string(1 + random() % 5), coefficient(), coefficient());
    draw::DocumentItem item{
        draw::page_lines(exercise, random() % 2 ? draw::Page::Solve : draw::Page::Function,
                         std::nullopt),
        exercise.plot};
    // Now and then a working longer than a page.
    const std::size_t repeats = random() % 4 == 0 ? 40 + random() % 120 : 0;
    const calc::Formula line = item.lines.back();
    for (std::size_t i = 0; i < repeats; ++i) {
        item.lines.push_back(line);
    }
    return item;
}

TEST(Pagination, EveryPieceAndLineInsideTheMarginsAndNoTwoPiecesOverlap) {
    std::mt19937_64 random(297);
    for (int round = 0; round < 40; ++round) {
        std::vector<draw::DocumentItem> items;
        for (std::size_t i = 0, n = 1 + random() % 12; i < n; ++i) {
            items.push_back(random_item(random));
        }
        const double width = round % 4 == 0 ? 2480 : 794;
        const double height = width * 297 / 210;
        const double mm = 96 * (width / 794) / 25.4; // the page is 794 pixels wide at 96 DPI
        const Area margins{18 * mm, 18 * mm, width - 18 * mm, height - 26 * mm};
        FakeCanvas measuring(width, height, width / 794);
        draw::Document document(items, "Vornix 1.0.1");
        const std::size_t pages = document.lay_out(measuring);
        for (std::size_t page = 0; page < pages; ++page) {
            const auto& pieces = document.page_pieces(page);
            for (std::size_t i = 0; i < pieces.size(); ++i) {
                const draw::Document::Piece& p = pieces[i];
                EXPECT_GE(p.left, margins.left - 0.01);
                EXPECT_GE(p.top, margins.top - 0.01);
                EXPECT_LE(p.left + p.width, margins.right + 0.01);
                EXPECT_LE(p.top + p.height, margins.bottom + 0.01)
                    << "round " << round << ", page " << page << ", piece " << i;
                for (std::size_t j = 0; j < i; ++j) {
                    EXPECT_FALSE(overlap(p, pieces[j]))
                        << "round " << round << ", page " << page << ": " << i << " and " << j;
                }
            }
            FakeCanvas canvas(width, height, width / 794);
            document.draw_page(page, canvas);
            ASSERT_FALSE(canvas.texts.empty());
            for (std::size_t t = 0; t + 1 < canvas.texts.size(); ++t) { // the last is the foot
                const FakeCanvas::Drawn& text = canvas.texts[t];
                const draw::TextExtent extent = canvas.measure(text.text, text.points);
                EXPECT_GE(text.at.x, margins.left - 0.01) << text.text;
                EXPECT_LE(text.at.x + extent.width, margins.right + 0.01) << text.text;
                EXPECT_GE(text.at.y - extent.ascent, margins.top - 0.01) << text.text;
                EXPECT_LE(text.at.y + extent.descent, margins.bottom + 0.01)
                    << "round " << round << ", page " << page << ": " << text.text;
            }
        }
    }
}

} // namespace
} // namespace vornix::testing
