// The worksheet: each exercise once, in order, with room under it as tall as
// its working in the key; two to a row where both fit half the width; none
// cut across a page; the heading on the first page and the foot on each.
#include "document.hpp"
#include "fake_canvas.hpp"
#include "working_page.hpp"
#include "worksheet.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vornix::testing {
namespace {

constexpr double kWidth = 794; // A4 at 96 DPI
constexpr double kHeight = 1123;

draw::SheetItem item_of(const calc::Exercise& exercise, draw::Page page) {
    std::vector<calc::Formula> lines = draw::page_lines(exercise, page, std::nullopt);
    return {lines.front(), {lines.begin() + 1, lines.end()}};
}

draw::SheetItem equation(int b) {
    return item_of(calc::evaluate_quadratic("1", std::to_string(b), "6"), draw::Page::Solve);
}

// The function's page: a long statement and lines that need the whole width.
draw::SheetItem function(int b) {
    return item_of(calc::evaluate_quadratic("2", std::to_string(b), "-3"), draw::Page::Function);
}

const std::vector<std::string> kHeading{"一元二次方程 · 因式分解法 · 练习一",
                                        "班级______ 姓名______ 得分______"};

struct Laid {
    draw::Worksheet sheet;
    std::size_t pages;
};

Laid laid_out(std::vector<draw::SheetItem> items, FakeCanvas& canvas) {
    draw::Worksheet sheet(std::move(items), "Vornix 1.0.1 · 种子 8041", kHeading);
    const std::size_t pages = sheet.lay_out(canvas);
    return {std::move(sheet), pages};
}

TEST(Worksheet, RoomUnderEachExerciseIsItsWorkingsHeightInTheKey) {
    FakeCanvas canvas(kWidth, kHeight);
    const draw::PageFrame frame = draw::page_frame(canvas);
    draw::SheetItem across = function(-4);
    across.beside_graph = false;
    const std::vector<draw::SheetItem> items{equation(-5), function(-4), across};
    const Laid laid = laid_out(items, canvas);
    std::vector<double> rooms;
    for (std::size_t page = 0; page < laid.pages; ++page) {
        for (const draw::Worksheet::Placed& placed : laid.sheet.page_items(page)) {
            const draw::SheetItem& item = items[placed.item];
            const double width =
                item.beside_graph ? frame.width * draw::Document::kWorkingShare : frame.width;
            const double key =
                draw::typeset(item.working, draw::Document::kWorkingPoints, width, canvas).height;
            EXPECT_DOUBLE_EQ(placed.room, key) << "exercise " << placed.item + 1;
            rooms.push_back(placed.room);
        }
    }
    ASSERT_EQ(rooms.size(), 3u);
    EXPECT_GT(rooms[1], rooms[2]) << "the function's lines wrap beside a graph";
}

TEST(Document, AnItemWithoutAGraphHasItsLinesAcrossTheWholeWidth) {
    const calc::Exercise exercise = calc::evaluate_quadratic("2", "-4", "-3");
    const draw::DocumentItem beside{draw::page_lines(exercise, draw::Page::Function, std::nullopt),
                                    exercise.plot};
    draw::DocumentItem alone = beside;
    alone.graph = false;
    FakeCanvas canvas(kWidth, kHeight);
    draw::Document document({beside, alone}, "Vornix 1.0.1");
    document.lay_out(canvas);
    std::vector<draw::Document::Piece> pieces;
    for (std::size_t page = 0; page < document.pages(); ++page) {
        const auto& on_page = document.page_pieces(page);
        pieces.insert(pieces.end(), on_page.begin(), on_page.end());
    }
    const auto graphs_of = [&pieces](std::size_t item) {
        return std::ranges::count_if(
            pieces, [item](const draw::Document::Piece& p) { return p.item == item && p.graph; });
    };
    EXPECT_EQ(graphs_of(0), 1);
    EXPECT_EQ(graphs_of(1), 0);
    const double frame_width = draw::page_frame(canvas).width;
    for (const draw::Document::Piece& piece : pieces) {
        if (!piece.graph) {
            EXPECT_DOUBLE_EQ(piece.width, piece.item == 1
                                              ? frame_width
                                              : frame_width * draw::Document::kWorkingShare);
        }
    }
}

TEST(Worksheet, TwoToARowWhereBothFitHalfTheWidthElseTheWholeWidth) {
    FakeCanvas canvas(kWidth, kHeight);
    const draw::PageFrame frame = draw::page_frame(canvas);
    struct Row {
        const char* name;
        std::vector<draw::SheetItem> items;
        std::vector<bool> halves; // each exercise's width: half, or the whole
    };
    for (const Row& row : {
             Row{"two_equations_share_a_row", {equation(-5), equation(5)}, {true, true}},
             Row{"a_lone_short_one_takes_the_width", {equation(-5)}, {false}},
             Row{"a_function_between_takes_the_width",
                 {equation(-5), function(-4), equation(5), equation(-1)},
                 {false, false, true, true}},
         }) {
        const Laid laid = laid_out(row.items, canvas);
        const auto& placed = laid.sheet.page_items(0);
        ASSERT_EQ(placed.size(), row.items.size()) << row.name;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].width < frame.width / 2, row.halves[i]) << row.name << " " << i;
        }
        for (std::size_t i = 0; i + 1 < placed.size(); ++i) {
            if (row.halves[i] && row.halves[i + 1]) {
                EXPECT_EQ(placed[i].top, placed[i + 1].top) << row.name;
                EXPECT_GE(placed[i + 1].left, placed[i].left + placed[i].width) << row.name;
            }
        }
    }
}

// Over many sets, short and long exercises mixed, now and then one taller
// than a page: every exercise once, in order, whole on its page, none over another.
TEST(Worksheet, EveryExerciseOnceInOrderWholeOnOnePageAndNoneOverAnother) {
    std::mt19937_64 random(8041);
    for (int round = 0; round < 30; ++round) {
        std::vector<draw::SheetItem> items;
        for (std::size_t i = 0, n = 1 + random() % 40; i < n; ++i) {
            const int b = static_cast<int>(random() % 19) - 9;
            items.push_back(random() % 3 == 0 ? function(b) : equation(b));
            if (random() % 25 == 0) {
                const calc::Formula line = items.back().working.back();
                items.back().working.assign(80, line);
            }
        }
        FakeCanvas canvas(kWidth, kHeight);
        const draw::PageFrame frame = draw::page_frame(canvas);
        const Laid laid = laid_out(items, canvas);
        std::size_t next = 0;
        for (std::size_t page = 0; page < laid.pages; ++page) {
            const auto& placed = laid.sheet.page_items(page);
            for (std::size_t i = 0; i < placed.size(); ++i) {
                const draw::Worksheet::Placed& p = placed[i];
                EXPECT_EQ(p.item, next++) << "round " << round;
                EXPECT_GE(p.top, frame.top - 0.01) << "round " << round;
                EXPECT_LE(p.top + p.statement + p.room, frame.bottom + 0.01)
                    << "round " << round << ", page " << page << ", exercise " << p.item + 1;
                EXPECT_LE(p.left + p.width, frame.left + frame.width + 0.01);
                for (std::size_t j = 0; j < i; ++j) {
                    const draw::Worksheet::Placed& q = placed[j];
                    const bool apart = q.top + q.statement + q.room <= p.top + 0.01 ||
                                       q.left + q.width <= p.left + 0.01;
                    EXPECT_TRUE(apart)
                        << "round " << round << ": " << q.item + 1 << " and " << p.item + 1;
                }
            }
        }
        EXPECT_EQ(next, items.size()) << "round " << round;
    }
}

TEST(Worksheet, HeadingOnTheFirstPageOnlyAndTheFootWithTheSeedOnEach) {
    FakeCanvas measuring(kWidth, kHeight);
    const draw::PageFrame frame = draw::page_frame(measuring);
    std::vector<draw::SheetItem> items(30, function(-4));
    Laid laid = laid_out(items, measuring);
    ASSERT_GE(laid.pages, 2u);
    EXPECT_GT(laid.sheet.page_items(0).front().top, frame.top + 20) << "under the heading";
    EXPECT_DOUBLE_EQ(laid.sheet.page_items(1).front().top, frame.top);
    for (std::size_t page = 0; page < laid.pages; ++page) {
        FakeCanvas canvas(kWidth, kHeight);
        laid.sheet.draw_page(page, canvas);
        const auto heading = std::ranges::count_if(canvas.texts, [](const FakeCanvas::Drawn& t) {
            return t.text == kHeading[0] || t.text == kHeading[1];
        });
        EXPECT_EQ(heading, page == 0 ? 2 : 0) << "page " << page + 1;
        EXPECT_EQ(canvas.texts.back().text, "Vornix 1.0.1 · 种子 8041 · 第 " +
                                                std::to_string(page + 1) + " 页，共 " +
                                                std::to_string(laid.pages) + " 页");
    }
}

TEST(Document, AHeadingOpensTheFirstPageAboveTheFirstExercise) {
    const calc::Exercise exercise = calc::evaluate_quadratic("1", "-3", "2");
    const draw::DocumentItem item{draw::page_lines(exercise, draw::Page::Solve, std::nullopt),
                                  exercise.plot};
    FakeCanvas canvas(kWidth, kHeight);
    const double top = draw::page_frame(canvas).top;
    draw::Document plain({item}, "Vornix 1.0.1");
    draw::Document headed({item}, "Vornix 1.0.1", {"一元二次方程 · 因式分解法 · 练习一", "答案"});
    plain.lay_out(canvas);
    headed.lay_out(canvas);
    EXPECT_DOUBLE_EQ(plain.page_pieces(0).front().top, top);
    EXPECT_DOUBLE_EQ(
        headed.page_pieces(0).front().top,
        top + draw::heading_height(
                  std::vector<std::string>{"一元二次方程 · 因式分解法 · 练习一", "答案"}, canvas));
    headed.draw_page(0, canvas);
    EXPECT_EQ(canvas.texts.front().text, "一元二次方程 · 因式分解法 · 练习一");
}

} // namespace
} // namespace vornix::testing
