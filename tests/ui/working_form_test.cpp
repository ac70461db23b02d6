// The working window's rules: which methods it offers and shows, what it
// copies, how it closes, and what it draws.
#include "fake_canvas.hpp"
#include "fake_view.hpp"
#include "working_form.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

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
        for (const char* method : {"optFormula", "optSquare", "optFactor"}) {
            if (const auto on = view.checked.find(method); on != view.checked.end() && on->second) {
                return method;
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

namespace vornix::testing {
namespace {

TEST_F(WorkingFormTest, ThePageChosenIsShownCopiedKeptAndPrinted) {
    form.load();
    show("2", "-4", "-3");
    form.clicked("optFunction");
    EXPECT_TRUE(view.checked.at("optFunction"));
    EXPECT_FALSE(view.enabled.at("optFormula")) << "no method to choose on this page";
    form.clicked("cmdCopyText");
    EXPECT_EQ(view.clipboard, form.text());
    EXPECT_EQ(view.descriptions.at("picWorking"), form.text());
    EXPECT_TRUE(form.key_pressed("picWorking", ui::Key::Print));
    form.clicked("cmdSave");
    ASSERT_EQ(view.printed.size(), 1u);
    ASSERT_EQ(view.saved.size(), 1u);
    EXPECT_EQ(calc::linear_text(view.printed[0][0].lines.front()),
              form.text().substr(0, form.text().find('\n')))
        << "the page shown goes to the printer";

    FakeView next_view; // the next window, or the next run, with the same settings
    WorkingForm next{next_view, ui::Topic::Quadratic, settings};
    next.load();
    EXPECT_EQ(next.page(), draw::Page::Function);
    next.clicked("optSolve");
    next.show(&exercise);
    EXPECT_TRUE(next.text().starts_with("解方程 2x²−4x−3=0."));
}

TEST_F(WorkingFormTest, ZoomStepsFlashForScreenReadersAndPlaceTheControlsAgain) {
    form.load();
    form.resized(11700, 7320);
    const ui::Rect designed = view.places.at("picWorking");
    for (const auto& [key, zoom] :
         {std::pair{ui::Key::ZoomIn, 125}, std::pair{ui::Key::ZoomIn, 150},
          std::pair{ui::Key::ZoomOut, 125}, std::pair{ui::Key::ZoomReset, 100}}) {
        EXPECT_TRUE(form.key_pressed("picWorking", key));
        EXPECT_EQ(form.zoom(), zoom);
        EXPECT_EQ(view.captions.at("lblZoom"), "缩放 " + std::to_string(zoom) + "%");
        EXPECT_EQ(view.announced.back(), "lblZoom");
    }
    form.resized(28800, 16200);
    form.pointer("picWorking", {ui::PointerEvent::Kind::Wheel, 0, 0, 2, true});
    EXPECT_EQ(form.zoom(), 150) << "Ctrl and the wheel, two notches";
    EXPECT_GT(view.places.at("picWorking").right, designed.right);
    EXPECT_EQ(read_number_setting(settings, "QuadraticWorking/Zoom", 100, 400, 0), 150);
    for (int i = 0; i < 10; ++i) {
        form.key_pressed("picWorking", ui::Key::ZoomIn);
    }
    EXPECT_EQ(form.zoom(), 400) << "no further than 400 %";
}

TEST_F(WorkingFormTest, EscapeLeavesFullScreenBeforeItCloses) {
    form.load();
    EXPECT_TRUE(form.key_pressed("picGraph", ui::Key::FullScreen));
    EXPECT_TRUE(view.full_screen);
    form.key_pressed("picGraph", ui::Key::Escape);
    EXPECT_FALSE(view.full_screen);
    EXPECT_EQ(view.closes, 0);
    form.key_pressed("picGraph", ui::Key::Escape);
    EXPECT_EQ(view.closes, 1);
}

TEST_F(WorkingFormTest, TheGraphZoomsAboutThePointerTracesTheCurveAndFitsAgain) {
    form.load();
    show("1", "-3", "1");
    FakeCanvas canvas(380, 432);
    form.paint("picGraph", canvas);
    const auto ticks = [&] {
        FakeCanvas drawn(380, 432);
        form.paint("picGraph", drawn);
        return std::ranges::count_if(drawn.texts, [](const FakeCanvas::Drawn& t) {
            return !t.text.empty() &&
                   (std::isdigit(static_cast<unsigned char>(t.text[0])) || t.text.starts_with("−"));
        });
    };
    const auto fitted = ticks();
    EXPECT_TRUE(form.pointer("picGraph", {ui::PointerEvent::Kind::Wheel, 190, 216, -6, false}));
    EXPECT_NE(ticks(), fitted) << "zoomed out: other ticks";
    EXPECT_TRUE(form.key_pressed("picGraph", ui::Key::Home));
    EXPECT_EQ(ticks(), fitted);
    EXPECT_TRUE(form.key_pressed("picGraph", ui::Key::Right));
    EXPECT_EQ(view.announced.back(), "picGraph");
    EXPECT_TRUE(view.descriptions.at("picGraph").starts_with("曲线上的点 ("))
        << view.descriptions.at("picGraph");
    EXPECT_FALSE(form.key_pressed("picWorking", ui::Key::Right)) << "the working scrolls itself";
}

} // namespace
} // namespace vornix::testing
