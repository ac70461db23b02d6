// The working window's rules: which methods it offers and shows, what it
// copies, how it closes, and what it draws.
#include "fake_canvas.hpp"
#include "fake_view.hpp"
#include "working_form.hpp"

#include <gtest/gtest.h>

namespace vornix::testing {
namespace {

using ui::Topic;
using ui::WorkingForm;

class WorkingFormTest : public ::testing::Test {
  protected:
    void show(const char* a, const char* b, const char* c) {
        exercise = calc::evaluate_quadratic(a, b, c);
        form.show(&exercise);
    }
    std::string checked_option() const {
        for (const auto& [name, on] : view.checked) {
            if (on && name != "optSolve" && name != "optFunction") {
                return name;
            }
        }
        return "";
    }
    FakeView view;
    ui::MemorySettings settings;
    WorkingForm form{view, Topic::Quadratic, settings};
    calc::Exercise exercise;
};

TEST_F(WorkingFormTest, OffersTheMethodsThatApplyAndKeepsTheStudentsChoiceWhereItApplies) {
    form.load();
    EXPECT_FALSE(view.enabled.at("optFormula")) << "nothing to choose before the first GO";
    show("1", "-1", "-2"); // rational roots: the teacher factors
    EXPECT_EQ(checked_option(), "optFactor");
    EXPECT_TRUE(view.enabled.at("optSquare"));
    form.clicked("optSquare");
    EXPECT_EQ(checked_option(), "optSquare");
    EXPECT_TRUE(form.text().find("配方，得") != std::string::npos);
    show("1", "-3", "1"); // still 配方法, though the teacher would take the formula
    EXPECT_EQ(checked_option(), "optSquare");
    form.clicked("optFactor");
    show("2", "-4", "-3"); // no factors: the teacher's pick, not a method that fails
    EXPECT_FALSE(view.enabled.at("optFactor"));
    EXPECT_EQ(checked_option(), "optFormula");
    show("4", "0", "-9");
    EXPECT_EQ(checked_option(), "optFactor") << "the choice comes back once it applies again";
}

TEST_F(WorkingFormTest, ScreenReadersGetTheLinearTextWhichCopiesAsShown) {
    show("1", "-3", "1");
    EXPECT_EQ(view.descriptions.at("picWorking"), form.text());
    EXPECT_TRUE(form.text().starts_with("解方程 x²−3x+1=0.\n解：a=1，b=−3，c=1."));
    form.clicked("cmdCopyText");
    EXPECT_EQ(view.clipboard, form.text());
    form.clicked("cmdCopyGraph");
    EXPECT_EQ(view.pictures, std::vector<std::string>{"picGraph"});
    EXPECT_TRUE(form.key_pressed("picWorking", ui::Key::Escape));
    form.clicked("cmdClose");
    EXPECT_EQ(view.closes, 2);
}

TEST(WorkingFormPaint, TheWorkingScrollsPastTheCanvasAndTheGraphMarksItsPoints) {
    FakeView view;
    ui::MemorySettings settings;
    WorkingForm form{view, Topic::Line, settings};
    const calc::Exercise line = calc::evaluate_line("3", "5", "-4", "-9");
    form.show(&line);
    FakeCanvas working(376, 60);
    EXPECT_GT(form.paint("picWorking", working), 60) << "taller than the canvas: it scrolls";
    FakeCanvas graph(380, 432);
    form.paint("picGraph", graph);
    EXPECT_EQ(graph.discs.size(), line.plot.marks.size());
}

} // namespace
} // namespace vornix::testing
