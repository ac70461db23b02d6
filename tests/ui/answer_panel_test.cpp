// The student's side of the working window: an answer typed and checked,
// the verdict read to screen readers, the slip's line marked in the working,
// 先做后看 hiding the working and the marks until 正确 or 显示过程, and
// practice with 换一题.
#include "fake_canvas.hpp"
#include "fake_view.hpp"
#include "working_form.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace vornix::testing {
namespace {

using ui::Topic;
using ui::WorkingForm;

class AnswerPanelTest : public ::testing::Test {
  protected:
    void show(const char* a, const char* b, const char* c) {
        exercise = calc::evaluate_quadratic(a, b, c);
        form.show(&exercise);
    }
    // Types into 我的答案 and presses Enter there.
    void answer(const std::string& text) {
        view.texts["txtAnswer"] = text;
        ASSERT_TRUE(form.key_pressed("txtAnswer", ui::Key::Enter));
    }
    FakeCanvas working() {
        FakeCanvas canvas(376, 600);
        form.paint("picWorking", canvas);
        return canvas;
    }
    FakeCanvas graph() {
        FakeCanvas canvas(380, 508);
        form.paint("picGraph", canvas);
        return canvas;
    }
    static bool shows(const FakeCanvas& canvas, std::string_view text) {
        return std::ranges::any_of(canvas.texts, [&](const FakeCanvas::Drawn& drawn) {
            return drawn.text.find(text) != std::string::npos;
        });
    }
    FakeView view;
    ui::MemorySettings settings;
    WorkingForm form{view, Topic::Quadratic, settings, 8041};
    calc::Exercise exercise;
};

TEST_F(AnswerPanelTest, EnterChecksAndTheVerdictIsReadAndStaysUntilTheExerciseChanges) {
    form.load();
    EXPECT_FALSE(view.enabled.at("cmdCheck")) << "nothing to check before the first GO";
    show("1", "-3", "1");
    EXPECT_TRUE(view.enabled.at("cmdCheck"));
    answer("x1=(3-√5)/2, x2=(3+√5)/2");
    EXPECT_TRUE(view.captions.at("lblVerdict").starts_with("正确")) << view.captions["lblVerdict"];
    EXPECT_EQ(view.announced.back(), "lblVerdict");
    form.clicked("optFormula");
    EXPECT_EQ(view.captions.at("lblVerdict"), "") << "another method asks afresh";
    answer("0.38, 2.62");
    EXPECT_TRUE(view.captions.at("lblVerdict").starts_with("近似值"));
    show("1", "-3", "2");
    EXPECT_EQ(view.captions.at("lblVerdict"), "");
    EXPECT_EQ(view.texts.at("txtAnswer"), "") << "a new GO clears the entry";
}

TEST_F(AnswerPanelTest, ASlipIsNamedAndItsLineMarkedInTheWorkingShown) {
    form.load();
    show("1", "-3", "1");
    form.clicked("optFormula");
    answer("(-3±√5)/2");
    const std::string verdict = view.captions.at("lblVerdict");
    EXPECT_NE(verdict.find("可能的错因：你的答案正好是 x²+3x+1=0 的根"), std::string::npos)
        << verdict;
    EXPECT_NE(verdict.find("对照解题过程第 4 行"), std::string::npos) << verdict;
    const FakeCanvas canvas = working();
    const auto band = std::ranges::find(canvas.polygon_inks, draw::Ink::Highlight);
    ASSERT_NE(band, canvas.polygon_inks.end()) << "the line is marked";
    const auto& corners = canvas.polygons[band - canvas.polygon_inks.begin()];
    // The working's fourth line, the formula's, stands in the band: the statement is line 0.
    const auto formula = std::ranges::find_if(
        canvas.texts, [](const FakeCanvas::Drawn& t) { return t.text.starts_with("x="); });
    ASSERT_NE(formula, canvas.texts.end());
    EXPECT_GT(formula->at.y, corners[0].y);
    EXPECT_LT(formula->at.y, corners[2].y);
    answer("(3±√5)/2");
    EXPECT_EQ(std::ranges::count(working().polygon_inks, draw::Ink::Highlight), 0)
        << "a right answer marks nothing";
}

TEST_F(AnswerPanelTest, TryFirstHidesTheWorkingAndTheMarksUntilRightOrShown) {
    form.load();
    form.clicked("chkHide");
    EXPECT_EQ(settings.values.at("QuadraticWorking/Hide"), "1") << "kept like the page";
    show("1", "-3", "2");
    EXPECT_TRUE(shows(working(), "解方程")) << "the statement stays";
    EXPECT_FALSE(shows(working(), "解：")) << "the working is hidden";
    EXPECT_TRUE(graph().discs.empty()) << "the roots, vertex and crossings are hidden";
    EXPECT_FALSE(graph().strokes.empty()) << "the curve stays";
    EXPECT_EQ(view.descriptions.at("picWorking").find("解："), std::string::npos)
        << "a screen reader is not told either";
    form.clicked("cmdCopyText");
    EXPECT_NE(view.clipboard.find("x₁=1，x₂=2"), std::string::npos) << "a copy takes it whole";
    form.clicked("cmdPrint");
    EXPECT_GT(view.printed.back().front().lines.size(), 2u) << "so does the printer";
    answer("1");
    EXPECT_TRUE(view.captions.at("lblVerdict").starts_with("不完整"));
    EXPECT_FALSE(shows(working(), "解：")) << "still hidden";
    answer("x=1或x=2");
    EXPECT_TRUE(shows(working(), "解：")) << "正确 shows the working";
    EXPECT_FALSE(graph().discs.empty());
    show("1", "-3", "1");
    EXPECT_FALSE(shows(working(), "解：")) << "the next exercise is hidden again";
    EXPECT_TRUE(view.enabled.at("cmdReveal"));
    form.clicked("cmdReveal");
    EXPECT_TRUE(shows(working(), "解："));
    EXPECT_FALSE(view.enabled.at("cmdReveal"));
}

TEST_F(AnswerPanelTest, PracticeGivesTheKindShownHidesItsWorkingAndCountsRightAnswers) {
    form.load();
    form.clicked("optLevel1");
    show("1", "-1", "-2");
    form.clicked("cmdNext");
    EXPECT_TRUE(view.window_caption.ends_with("（练习）")) << view.window_caption;
    EXPECT_EQ(view.captions.at("lblPractice"), "本次练习：答对 0 题，共 1 题");
    EXPECT_FALSE(shows(working(), "解：")) << "shown with 先做后看 on";
    EXPECT_NE(form.text().find("因式分解，得"), std::string::npos)
        << "a factor exercise, worked by factoring: " << form.text();
    // Level 1 of factor: a = 1 and integer roots, which the answer label gives.
    const std::string whole = form.text();
    const std::size_t roots = whole.rfind("x₁=");
    ASSERT_NE(roots, std::string::npos);
    std::string written = whole.substr(roots);
    written.erase(written.find_last_not_of('.') + 1);
    answer(written);
    EXPECT_TRUE(view.captions.at("lblVerdict").starts_with("正确")) << written;
    EXPECT_EQ(view.captions.at("lblPractice"), "本次练习：答对 1 题，共 1 题");
    answer(written);
    EXPECT_EQ(view.captions.at("lblPractice"), "本次练习：答对 1 题，共 1 题") << "counted once";
    form.clicked("cmdNext");
    EXPECT_EQ(view.captions.at("lblPractice"), "本次练习：答对 1 题，共 2 题");
    show("1", "2", "1");
    EXPECT_EQ(view.window_caption, "解题过程 — 一元二次方程") << "the main window's GO ends it";
    EXPECT_EQ(view.captions.at("lblPractice"), "");
}

TEST(WorkingTables, AccessKeysAreUniqueAndEachLabelsKeyReachesItsEntry) {
    for (const Topic topic : {Topic::Quadratic, Topic::Line}) {
        std::string keys;
        for (const ui::ControlRow& row : WorkingForm::table(topic)) {
            if (const char key = ui::access_key(row.caption); key != 0) {
                EXPECT_EQ(keys.find(key), std::string::npos) << row.name << " repeats " << key;
                keys += key;
            }
        }
        const ui::ControlRow* buddy = ui::buddy_of(WorkingForm::table(topic), "lblAnswer");
        ASSERT_NE(buddy, nullptr);
        EXPECT_EQ(buddy->name, "txtAnswer");
        const auto stacked = ui::stacking_order(WorkingForm::table(topic));
        const auto label =
            std::ranges::find(stacked, std::string_view("lblAnswer"), &ui::ControlRow::name);
        ASSERT_NE(label + 1, stacked.end());
        EXPECT_EQ((*(label + 1))->name, "txtAnswer") << "the label stands right above its entry";
    }
}

} // namespace
} // namespace vornix::testing
