// The working window on Qt: opened from the answer and the entry boxes, drawn
// with QPainter, read aloud and copied as the user receives them.
#include "main_window_fixture.hpp"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QWheelEvent>

namespace vornix::testing {
namespace {

class WorkingWindowTest : public MainWindowTest {
  protected:
    QWidget* working_window() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "frmWorking" && widget->isVisible()) {
                return widget;
            }
        }
        return nullptr;
    }

    // How many of the widget's pixels are near the colour.
    static int pixels_like(QWidget& widget, QColor colour) {
        const QImage image = widget.grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                count += std::abs(pixel.red() - colour.red()) +
                                     std::abs(pixel.green() - colour.green()) +
                                     std::abs(pixel.blue() - colour.blue()) <
                                 120
                             ? 1
                             : 0;
            }
        }
        return count;
    }
};

TEST_F(WorkingWindowTest, DoubleClickOnTheAnswerShowsTheWorkingAndTheParabola) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "1");
    click("Command1");
    QTest::mouseDClick(&get("Label4"), Qt::LeftButton);
    QWidget* shown = working_window();
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    QWidget& working = *shown->findChild<QWidget*>("picWorking");
    EXPECT_TRUE(
        working.accessibleDescription().contains(QStringLiteral("x₁=(3−√5)/2，x₂=(3+√5)/2")))
        << working.accessibleDescription().toStdString();
    EXPECT_GT(pixels_like(working, Qt::black), 200) << "the working is written";
    QWidget& graph = *shown->findChild<QWidget*>("picGraph");
    EXPECT_GT(pixels_like(graph, QColor(0x0F, 0x50, 0xB0)), 300) << "the parabola is drawn";
    EXPECT_GT(pixels_like(graph, QColor(0xC0, 0, 0)), 20) << "its points are marked";

    QTest::mouseClick(shown->findChild<QWidget*>("cmdCopyGraph"), Qt::LeftButton);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_GE(copied.width(), graph.width());
    QTest::keyClick(shown, Qt::Key_Escape);
    EXPECT_EQ(working_window(), nullptr);
}

TEST_F(WorkingWindowTest, AltEnterInALineEntryBoxShowsThatExercisesWorkingUpdatedByGo) {
    QTest::keyClick(&get("Text4"), Qt::Key_Return, Qt::AltModifier);
    QWidget* shown = working_window();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("解题过程 — 一次函数"));
    type("Text4", "3");
    type("Text5", "5");
    type("Text6", "-4");
    type("Text7", "-9");
    click("Command3");
    EXPECT_TRUE(shown->findChild<QWidget*>("picWorking")
                    ->accessibleDescription()
                    .endsWith(QStringLiteral("所以这个一次函数的解析式为 y=2x−1.")));
}

// The window as a screen reader finds it, and an option chosen through the
// screen reader's own action, as voice control and switch access choose it.
TEST_F(WorkingWindowTest, AWindowToScreenReadersWhoseOptionsFollowTheirToggleAction) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "2");
    click("Command1");
    QTest::mouseDClick(&get("Label4"), Qt::LeftButton);
    QWidget& shown = *working_window();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&shown);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("解题过程 — 一元二次方程"));
    QWidget& working = *shown.findChild<QWidget*>("picWorking");
    // The method chosen is 配方法, on the page that solves the equation.
    for (const auto& [option, completes_the_square] :
         {std::pair{"optSquare", true}, std::pair{"optFunction", false},
          std::pair{"optSolve", true}}) {
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(shown.findChild<QWidget*>(option))
                ->actionInterface();
        ASSERT_NE(actions, nullptr) << option;
        const QStringList names = actions->actionNames();
        actions->doAction(names.contains(QAccessibleActionInterface::toggleAction())
                              ? QAccessibleActionInterface::toggleAction()
                              : QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(shown.findChild<QAbstractButton*>(option)->isChecked()) << option;
        EXPECT_EQ(working.accessibleDescription().contains(QStringLiteral("配方，得")),
                  completes_the_square)
            << option << ": " << working.accessibleDescription().toStdString();
    }
}

TEST_F(WorkingWindowTest, ItGrowsZoomsWithCtrlEqualsExploresWithTheWheelAndPrintsWithCtrlP) {
    click("Command1");
    type("Text1", "1");
    type("Text2", "2");
    type("Text3", "-3");
    click("Command1");
    QTest::keyClick(&get("Text1"), Qt::Key_Return, Qt::AltModifier);
    QWidget& shown = *working_window();
    QWidget& graph = *shown.findChild<QWidget*>("picGraph");
    const int designed_width = graph.width();
    shown.resize(1280, 800);
    QApplication::processEvents();
    EXPECT_GT(graph.width(), designed_width + 300) << "the graph takes the room";
    EXPECT_EQ(shown.findChild<QWidget*>("cmdClose")->geometry().bottom(), 800 - 12);

    QTest::keyClick(&shown, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(shown.findChild<QLabel*>("lblZoom")->text(), QStringLiteral("缩放 125%"));

    const QImage before = graph.grab().toImage();
    QWheelEvent wheel(QPointF(200, 200), graph.mapToGlobal(QPointF(200, 200)), {}, {0, 360},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&graph, &wheel);
    EXPECT_NE(graph.grab().toImage(), before) << "three notches closer";

    QTest::keyClick(&shown, Qt::Key_P, Qt::ControlModifier);
    QTest::mouseClick(shown.findChild<QWidget*>("cmdSave"), Qt::LeftButton);
    EXPECT_EQ(services.printed, std::vector<std::size_t>{1});
    EXPECT_EQ(services.saved, std::vector<std::size_t>{1});
    QTest::keyClick(&shown, Qt::Key_Escape);
}

// The keys on the graph reach the rules: → and ← trace the curve as a screen
// reader hears it, Home fits the view again, Ctrl+− / Ctrl+0 / Ctrl+= zoom
// the window, F11 fills the screen and Esc leaves it.
TEST_F(WorkingWindowTest, KeysOnTheGraphTraceItZoomTheWindowAndFillTheScreen) {
    type("Text1", "1");
    type("Text2", "2");
    type("Text3", "-3");
    click("Command1");
    QTest::keyClick(&get("Text1"), Qt::Key_Return, Qt::AltModifier);
    QWidget& shown = *working_window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    QWidget& graph = *shown.findChild<QWidget*>("picGraph");
    graph.setFocus();
    const QImage fitted = graph.grab().toImage();

    QTest::keyClick(&graph, Qt::Key_Plus);
    EXPECT_NE(graph.grab().toImage(), fitted) << "+ brings the graph closer";
    QTest::keyClick(&graph, Qt::Key_Home);
    EXPECT_EQ(graph.grab().toImage(), fitted) << "Home fits it again";

    const auto heard = [&graph] { return graph.accessibleDescription().toStdString(); };
    QTest::keyClick(&graph, Qt::Key_Right);
    const std::string right = heard();
    EXPECT_TRUE(right.starts_with("曲线上的点 (")) << right;
    QTest::keyClick(&graph, Qt::Key_Left);
    EXPECT_NE(heard(), right) << "← moves the point back";
    QTest::keyClick(&graph, Qt::Key_Right);
    EXPECT_EQ(heard(), right) << "→ to where it was";

    const struct {
        Qt::Key key;
        const char* zoom;
    } zooms[] = {{Qt::Key_Equal, "缩放 125%"},
                 {Qt::Key_Equal, "缩放 150%"},
                 {Qt::Key_Minus, "缩放 125%"},
                 {Qt::Key_Equal, "缩放 150%"},
                 {Qt::Key_0, "缩放 100%"}};
    auto& zoom = *shown.findChild<QLabel*>("lblZoom");
    for (const auto& step : zooms) {
        QTest::keyClick(&graph, step.key, Qt::ControlModifier);
        EXPECT_EQ(zoom.text().toStdString(), step.zoom) << "Ctrl and key " << step.key;
    }

    QTest::keyClick(&graph, Qt::Key_F11);
    EXPECT_TRUE(shown.isFullScreen());
    QTest::keyClick(&graph, Qt::Key_Escape);
    EXPECT_FALSE(shown.isFullScreen());
    EXPECT_TRUE(shown.isVisible()) << "Esc leaves full screen before it closes";
    QTest::keyClick(&shown, Qt::Key_Escape);
}

// The answer typed into 我的答案 (reached by Alt+A) and checked with Enter:
// the verdict shown and handed to screen readers; 先做后看, a check box,
// hides the working from sight and from the screen reader until 显示过程.
TEST_F(WorkingWindowTest, AnAnswerCheckedWithEnterIsAnnouncedAndTryFirstHidesTheWorking) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "2");
    click("Command1");
    QTest::mouseDClick(&get("Label4"), Qt::LeftButton);
    QWidget& shown = *working_window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    auto& entry = *shown.findChild<QLineEdit*>("txtAnswer");
    EXPECT_EQ(entry.accessibleName(), QStringLiteral("我的答案"));
    shown.activateWindow();
    QTest::keyClick(&shown, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(entry.hasFocus()) << "Alt+A reaches the entry";
    QTest::keyClicks(&entry, QStringLiteral("x1=1, x2=2"));
    services.announced.clear();
    QTest::keyClick(&entry, Qt::Key_Return);
    auto& verdict = *shown.findChild<QLabel*>("lblVerdict");
    EXPECT_TRUE(verdict.text().startsWith(QStringLiteral("正确"))) << verdict.text().toStdString();
    EXPECT_EQ(services.announced, std::vector<QWidget*>{&verdict});

    auto& hide = *shown.findChild<QCheckBox*>("chkHide");
    QTest::mouseClick(&hide, Qt::LeftButton);
    EXPECT_TRUE(hide.isChecked());
    type("Text3", "1");
    click("Command1");
    QWidget& working = *shown.findChild<QWidget*>("picWorking");
    EXPECT_FALSE(working.accessibleDescription().contains(QStringLiteral("解：")))
        << working.accessibleDescription().toStdString();
    EXPECT_EQ(pixels_like(*shown.findChild<QWidget*>("picGraph"), QColor(0xC0, 0, 0)), 0)
        << "no marked point while hidden";
    QTest::mouseClick(shown.findChild<QWidget*>("cmdReveal"), Qt::LeftButton);
    EXPECT_TRUE(working.accessibleDescription().contains(QStringLiteral("解：")));
    QTest::mouseClick(&hide, Qt::LeftButton);
    EXPECT_FALSE(hide.isChecked());
    QTest::keyClick(&shown, Qt::Key_Escape);
}

// 换一题 puts a practice exercise in the window, says so in its title, and
// leaves the main window as it was.
TEST_F(WorkingWindowTest, NextExerciseLeavesTheMainWindowAndSaysItIsPractice) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "2");
    click("Command1");
    const QString answer = get("Label4").property("text").toString();
    QTest::mouseDClick(&get("Label4"), Qt::LeftButton);
    QWidget& shown = *working_window();
    QTest::mouseClick(shown.findChild<QWidget*>("cmdNext"), Qt::LeftButton);
    EXPECT_EQ(shown.windowTitle(), QStringLiteral("解题过程 — 一元二次方程（练习）"));
    EXPECT_EQ(shown.findChild<QLabel*>("lblPractice")->text(),
              QStringLiteral("本次练习：答对 0 题，共 1 题"));
    EXPECT_EQ(get("Label4").property("text").toString(), answer);
    EXPECT_EQ(qobject_cast<QLineEdit*>(&get("Text3"))->text(), QStringLiteral("2"));
    click("Command1");
    EXPECT_EQ(shown.windowTitle(), QStringLiteral("解题过程 — 一元二次方程"));
    QTest::keyClick(&shown, Qt::Key_Escape);
}

} // namespace
} // namespace vornix::testing
