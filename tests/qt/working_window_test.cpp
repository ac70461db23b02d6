// The working window on Qt: opened from the answer and the entry boxes, drawn
// with QPainter, read aloud and copied as the user receives them.
#include "main_window_fixture.hpp"

#include <QClipboard>
#include <QImage>

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

} // namespace
} // namespace vornix::testing
