// What screen readers and keyboard users get, through Qt's accessibility
// interfaces and real key events.
#include "main_window_fixture.hpp"
#include "startup.hpp"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>

namespace vornix::testing {
namespace {

QString spoken(QWidget& widget, QAccessible::Text what = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(&widget)->text(what);
}

QWidget* about_window() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "frmAbout") {
            return widget;
        }
    }
    return nullptr;
}

TEST_F(MainWindowTest, ScreenReadersHearAnswersAboutTextsAndButtonsAsShown) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "2");
    click("Command1");
    EXPECT_EQ(spoken(get("Label4")), QStringLiteral("X1= 1    X2= 2"));
    EXPECT_TRUE(spoken(get("Label4"), QAccessible::Description)
                    .startsWith(QStringLiteral("方程的解\n精确解：X1=1，X2=2")));
    EXPECT_EQ(services.announced, std::vector<QWidget*>{&get("Label4")});
    EXPECT_EQ(spoken(get("Text1")), QStringLiteral("二次项系数 a"));
    EXPECT_EQ(spoken(get("Command1")), QStringLiteral("GO，解方程"));
    EXPECT_EQ(spoken(get("Command2")), QStringLiteral("About，关于 Vornix"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    click("Command2");
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(about_window());
    EXPECT_EQ(about->role(), QAccessible::Dialog) << "a dialog, not a filler";
    EXPECT_EQ(about->text(QAccessible::Name), QStringLiteral("关于 Vornix"));
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
        auto& label = *about_window()->findChild<QLabel*>(name);
        EXPECT_EQ(spoken(label), label.text()) << name;
    }
}

TEST_F(MainWindowTest, EnterOrSpacePressesTheFocusedButtonOrLink) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "2");
    get("Command1").setFocus();
    QTest::keyClick(&get("Command1"), Qt::Key_Return);
    EXPECT_EQ(text_of("Label4"), QStringLiteral("X1= 1    X2= 2"));
    get("Label17").setFocus();
    ASSERT_TRUE(get("Label17").hasFocus());
    QTest::keyClick(&get("Label17"), Qt::Key_Return);
    QTest::keyClick(&get("Label17"), Qt::Key_Space);
    EXPECT_EQ(services.opened.size(), 2u);
}

TEST_F(MainWindowTest, LinkShowsAFocusFrame) {
    const QImage unfocused = get("Label17").grab().toImage();
    get("Label17").setFocus();
    EXPECT_NE(get("Label17").grab().toImage(), unfocused);
}

TEST_F(MainWindowTest, CtrlShiftCCopiesTheExercisesAnswerAndCtrlCTheSelection) {
    type("Text4", "0");
    type("Text5", "1");
    type("Text6", "1");
    type("Text7", "3");
    click("Command3");
    QTest::keyClick(&get("Text5"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Y= 2 X  + 1"));
    get<QLineEdit>("Text7").selectAll();
    QTest::keyClick(&get("Text7"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("3"));
}

TEST_F(MainWindowTest, MenuKeyOnAFocusedAnswerAndInAnEntryBoxOffersTheCopies) {
    qt::install_chinese_translation(*qApp);
    get("Label4").setFocus();
    ASSERT_TRUE(get("Label4").hasFocus()) << "an answer takes the focus when clicked";
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(&get("Label4"), &key);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().value(0)->text(), QStringLiteral("复制"));
    menu->close();
    QApplication::sendEvent(&get("Text1"), &key);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << action->text();
    }
    const QString joined = texts.join('|');
    for (const QString& chinese :
         {QStringLiteral("剪切"), QStringLiteral("粘贴"), QStringLiteral("全选")}) {
        EXPECT_TRUE(joined.contains(chinese)) << "Qt's own texts: " << joined.toStdString();
    }
    EXPECT_EQ(texts.mid(texts.size() - 2),
              (QStringList{QStringLiteral("复制答案"), QStringLiteral("解题过程与图像…")}));
    menu->close();
    QMessageBox box(QMessageBox::NoIcon, "Vornix", "", QMessageBox::Ok);
    EXPECT_TRUE(box.button(QMessageBox::Ok)->text().startsWith(QStringLiteral("确定")));
}

TEST_F(MainWindowTest, LinkOpensOnlyForALeftClickOnItOnceEvenWhenDoubleClicked) {
    QWidget& link = get("Label17");
    QTest::mouseClick(&link, Qt::RightButton);
    QTest::mousePress(&link, Qt::LeftButton);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(430, 5));
    EXPECT_TRUE(services.opened.empty()) << "right click, or a press dragged away";
    // A double click as the window system delivers it.
    QTest::mouseClick(&link, Qt::LeftButton);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), link.mapToGlobal(QPointF(5, 5)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&link, &second);
    QTest::mouseRelease(&link, Qt::LeftButton);
    EXPECT_EQ(services.opened.size(), 1u) << "a double click";
}

TEST_F(MainWindowTest, AboutRestoresAMinimisedAboutWindow) {
    click("Command2");
    about_window()->showMinimized();
    ASSERT_TRUE(about_window()->isMinimized());
    click("Command2");
    EXPECT_FALSE(about_window()->isMinimized());
    EXPECT_TRUE(about_window()->isVisible());
}

} // namespace
} // namespace vornix::testing
