// The Qt widgets deliver their events to the main window's rules and carry
// out what the rules ask; the rules themselves are tested in tests/ui.
#include "main_window_fixture.hpp"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace vornix::testing {
namespace {

TEST_F(MainWindowTest, TypedTextAndEnterOrAClickOnGoAnswerAndAnnounce) {
    type("Text1", QStringLiteral("１"));
    type("Text2", QStringLiteral("－１.４"));
    type("Text3", "0.49");
    QTest::keyClick(&get("Text2"), Qt::Key_Return);
    EXPECT_EQ(text_of("Label4"), QStringLiteral("X1= 0.7    X2= 0.7"));
    click("Command3");
    EXPECT_EQ(text_of("Label16"), QStringLiteral("ERROR! 无法求解，请检查输入的坐标。"));
    EXPECT_EQ(services.announced, (std::vector<QWidget*>{&get("Label4"), &get("Label16")}));
}

TEST_F(MainWindowTest, FaultReachesTheMessageBoxCaptionedWithTheApplicationTitle) {
    click("Command1");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text,
              QStringLiteral("运算错误：除数为零或数值溢出，请检查输入的数字。"));
    EXPECT_TRUE(services.messages[0].title.isEmpty());
}

TEST_F(MainWindowTest, AfterGoTheTooltipDescriptionAndMenuCarryTheAnswerAndItsExactForm) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "1");
    click("Command1");
    const QString exact = QStringLiteral("精确解：X1=(3-√5)/2，X2=(3+√5)/2\n△=5\n"
                                         "顶点 (3/2, -5/4)，对称轴 X=3/2，开口向上");
    const QString hint = QStringLiteral("\n双击或按 Alt+Enter 查看解题过程与图像");
    QLabel& answer = get<QLabel>("Label4");
    EXPECT_EQ(answer.toolTip(), exact + hint);
    EXPECT_EQ(answer.accessibleDescription(), QStringLiteral("方程的解\n") + exact + hint);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              answer.mapToGlobal(QPoint(5, 5)));
    for (const auto& [action, copied] : {std::pair{0, answer.text()}, std::pair{1, exact}}) {
        QApplication::sendEvent(&answer, &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 3);
        EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("复制精确解"));
        menu->actions()[action]->trigger();
        menu->close();
        EXPECT_EQ(QApplication::clipboard()->text(), copied);
    }
}

TEST_F(MainWindowTest, LinkHoverColoursAndPointerThenAClickOpensThePageOnce) {
    QTest::mouseMove(&window, get("Label17").geometry().center());
    EXPECT_EQ(get<QLabel>("Label17").palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(window.cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(&window, QPoint(430, 5));
    EXPECT_EQ(get<QLabel>("Label17").palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(&get("Label17"), Qt::LeftButton);
    ASSERT_EQ(services.opened.size(), 1u);
    EXPECT_EQ(services.opened[0], QUrl(QStringLiteral(VORNIX_FEEDBACK_URL)));
}

} // namespace
} // namespace vornix::testing
