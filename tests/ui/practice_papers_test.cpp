// A practice set's papers: the title, each statement numbered in the words
// of its kind, the key under the same numbers in the same order, worked by
// the kind's method on the kind's page.
#include "practice_papers.hpp"

#include <gtest/gtest.h>

namespace vornix::testing {
namespace {

using calc::PracticeKind;

TEST(PracticeTitle, NamesTheKindTheLevelAndTheVersion) {
    struct Row {
        PracticeKind kind;
        int level;
        std::optional<char> version;
        std::string title;
    };
    for (const Row& row : {
             Row{PracticeKind::Factor, 2, std::nullopt, "一元二次方程 · 因式分解法 · 练习二"},
             Row{PracticeKind::Square, 1, 'A', "一元二次方程 · 配方法 · 练习一 · A卷"},
             Row{PracticeKind::Formula, 3, 'F', "一元二次方程 · 公式法 · 练习三 · F卷"},
             Row{PracticeKind::Mixed, 1, std::nullopt, "一元二次方程 · 解法综合 · 练习一"},
             Row{PracticeKind::Function, 2, 'B', "二次函数 · 函数的性质 · 练习二 · B卷"},
             Row{PracticeKind::Line, 3, std::nullopt, "一次函数 · 待定系数法 · 练习三"},
         }) {
        EXPECT_EQ(ui::practice_title(row.kind, row.level, row.version), row.title);
    }
}

struct Paper {
    const char* name;
    PracticeKind kind;
    std::string opening;    // the first statement's start
    std::string in_working; // what the kind's working says, and no other's
};

void PrintTo(const Paper& row, std::ostream* out) {
    *out << row.name;
}

class PracticePapers : public ::testing::TestWithParam<Paper> {};

TEST_P(PracticePapers, NumberedInTheKindsWordsAndTheKeyInTheSheetsOrderByItsMethod) {
    const Paper& row = GetParam();
    const auto exercises = calc::make_exercises(row.kind, 1, 8041, 6);
    const ui::PracticePapers papers =
        ui::practice_papers(row.kind, exercises, "标题", "Vornix 1.0.1 · 种子 8041");
    const auto& sheet = papers.sheet.items();
    const auto& key = papers.key.items();
    ASSERT_EQ(sheet.size(), exercises.size());
    ASSERT_EQ(key.size(), exercises.size());
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        const std::string statement = calc::linear_text(sheet[i].statement);
        EXPECT_TRUE(statement.starts_with(std::to_string(i + 1) + "．" + row.opening)) << statement;
        EXPECT_EQ(calc::linear_text(key[i].lines.front()), statement);
        ASSERT_EQ(key[i].lines.size(), sheet[i].working.size() + 1);
        std::string working;
        for (std::size_t line = 0; line < sheet[i].working.size(); ++line) {
            EXPECT_EQ(calc::linear_text(key[i].lines[line + 1]),
                      calc::linear_text(sheet[i].working[line]));
            working += calc::linear_text(sheet[i].working[line]);
        }
        EXPECT_NE(working.find(row.in_working), std::string::npos) << working;
        EXPECT_EQ(key[i].graph, row.kind == PracticeKind::Function) << "a graph where it is asked";
        EXPECT_EQ(sheet[i].beside_graph, key[i].graph) << "the room measured as the key sets it";
    }
    EXPECT_EQ(papers.sheet.signature(), "Vornix 1.0.1 · 种子 8041");
    EXPECT_EQ(papers.key.signature(), "Vornix 1.0.1 · 种子 8041");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PracticePapers,
    ::testing::Values(Paper{"factor", PracticeKind::Factor, "用因式分解法解方程 x²",
                            "因式分解，得"},
                      Paper{"square", PracticeKind::Square, "用配方法解方程 x²", "配方，得"},
                      Paper{"formula", PracticeKind::Formula, "用公式法解方程 ", "Δ=b²−4ac"},
                      Paper{"mixed", PracticeKind::Mixed, "解方程 ", "解："},
                      Paper{"function", PracticeKind::Function, "说出二次函数 y=", "对称轴"},
                      Paper{"line", PracticeKind::Line, "求过点 (", "设这个一次函数的解析式"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vornix::testing
