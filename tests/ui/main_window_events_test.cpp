#include "main_window_fixture.hpp"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace vornix::testing {
namespace {

const QString kFaultMessage = QStringLiteral("运算错误：除数为零或数值溢出，请检查输入的数字。");
const QString kRefused = QStringLiteral("ERROR! 无法求解，请检查输入的坐标。");

struct QuadraticClick {
    const char* a;
    const char* b;
    const char* c;
    const char* answer;
};

TEST_F(MainWindowTest, QuadraticGoWritesTheAnswerIntoLabel4) {
    for (const auto& row :
         {QuadraticClick{"1", "-3", "2", "X1= 1    X2= 2"},
          QuadraticClick{"1", "0", "1", "△小于0，无解！"}, QuadraticClick{"0", "2", "-4", "X= 2"},
          QuadraticClick{"１", "－１.４", "0.49", "X1= 0.7    X2= 0.7"}}) {
        type("Text1", QString::fromUtf8(row.a));
        type("Text2", QString::fromUtf8(row.b));
        type("Text3", QString::fromUtf8(row.c));
        click("Command1");
        EXPECT_EQ(text_of("Label4"), QString::fromUtf8(row.answer)) << row.a << row.b << row.c;
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(MainWindowTest, LineGoWritesTheAnswerIntoLabel16) {
    type("Text4", "1");
    type("Text5", "1");
    type("Text6", "2");
    type("Text7", "3");
    click("Command3");
    EXPECT_EQ(text_of("Label16"), QStringLiteral("Y= 2 X  +-1"));
    type("Text7", "1");
    click("Command3");
    EXPECT_EQ(text_of("Label16"), kRefused);
}

TEST_F(MainWindowTest, QuadraticWithEmptyBoxesShowsTheFaultOnceAndKeepsTheAnswer) {
    type("Text1", "1");
    type("Text2", "5");
    type("Text3", "6");
    click("Command1");
    for (const char* box : {"Text1", "Text2", "Text3"}) {
        get<QLineEdit>(box).clear();
    }
    click("Command1");
    EXPECT_EQ(text_of("Label4"), QStringLiteral("X1=-3    X2=-2"));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kFaultMessage);
    EXPECT_TRUE(services.messages[0].title.isEmpty()) << "captioned with the application title";
}

TEST_F(MainWindowTest, LineWithEmptyBoxesAnswersTheRefusal) {
    click("Command3");
    EXPECT_EQ(text_of("Label16"), kRefused);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(MainWindowTest, EnterInAnEntryBoxPressesTheGoOfItsOwnExercise) {
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "2");
    QTest::keyClick(&get("Text2"), Qt::Key_Return);
    EXPECT_EQ(text_of("Label4"), QStringLiteral("X1= 1    X2= 2"));
    EXPECT_EQ(text_of("Label16"), QString());
    type("Text4", "0");
    type("Text5", "1");
    type("Text6", "1");
    type("Text7", "3");
    QTest::keyClick(&get("Text6"), Qt::Key_Enter);
    EXPECT_EQ(text_of("Label16"), QStringLiteral("Y= 2 X  + 1"));
}

TEST_F(MainWindowTest, CopyOnAnAnswerPutsExactlyItsTextOnTheClipboard) {
    for (const char* label : {"Label4", "Label16"}) {
        get<QLabel>(label).setText(QStringLiteral("Y= 2 X  +-1 %1").arg(label));
        QApplication::clipboard()->clear();
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  get(label).mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&get(label), &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << label;
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("复制"));
        menu->actions()[0]->trigger();
        menu->close();
        EXPECT_EQ(QApplication::clipboard()->text(), text_of(label));
    }
}

class LinkHover : public MainWindowTest {
  protected:
    void move_to(const char* name) {
        QWidget& target = get(name);
        QTest::mouseMove(&window, target.geometry().center());
    }
    void move_to_background() { QTest::mouseMove(&window, QPoint(430, 5)); }
    QColor link_colour() { return get<QLabel>("Label17").palette().color(QPalette::WindowText); }
    bool cross() { return window.cursor().shape() == Qt::CrossCursor; }
};

TEST_F(LinkHover, OverTheLinkItTurnsRedWithACrossPointer) {
    move_to("Label17");
    EXPECT_EQ(link_colour(), QColor(255, 0, 0));
    EXPECT_TRUE(cross());
    move_to_background();
    EXPECT_EQ(link_colour(), QColor(0, 0, 255));
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor) << "default pointer";
}

TEST_F(LinkHover, MovingStraightOntoAnotherControlRestoresNothing) {
    for (const char* other : {"Text1", "Command1", "Label4", "Command2", "Label16"}) {
        move_to("Label17");
        move_to(other);
        EXPECT_EQ(link_colour(), QColor(255, 0, 0)) << other;
        EXPECT_TRUE(cross()) << other;
        move_to_background();
        EXPECT_EQ(link_colour(), QColor(0, 0, 255)) << other;
    }
}

TEST_F(LinkHover, ClickOnTheLinkOpensTheConfiguredPageOnce) {
    QTest::mouseClick(&get("Label17"), Qt::LeftButton);
    ASSERT_EQ(services.opened.size(), 1u);
    EXPECT_EQ(services.opened[0], QUrl(QStringLiteral(VORNIX_FEEDBACK_URL)));
}

TEST_F(MainWindowTest, NewAnswerIsAnnouncedToScreenReadersButAFaultIsNot) {
    type("Text1", "1");
    click("Command1");
    click("Command3");
    EXPECT_EQ(services.announced, (std::vector<QWidget*>{&get("Label4"), &get("Label16")}));
    type("Text1", "0");
    click("Command1");
    EXPECT_EQ(services.announced.size(), 2u);
}

} // namespace
} // namespace vornix::testing

namespace vornix::testing {
namespace {

TEST_F(MainWindowTest, OneMebibyteInEveryBoxStillAnswersBothExercises) {
    const QString tail(1 << 20, QChar('x'));
    const QString long_digits = QStringLiteral("1.") + QString(1 << 20, QChar('0')) + "1";
    get<QLineEdit>("Text1").setText(long_digits);
    get<QLineEdit>("Text2").setText("-3" + tail);
    get<QLineEdit>("Text3").setText("2" + tail);
    click("Command1");
    EXPECT_EQ(text_of("Label4"), QStringLiteral("X1= 1    X2= 2"));
    get<QLineEdit>("Text4").setText("1" + tail);
    get<QLineEdit>("Text5").setText(long_digits);
    get<QLineEdit>("Text6").setText("2" + tail);
    get<QLineEdit>("Text7").setText("3" + tail);
    click("Command3");
    EXPECT_EQ(text_of("Label16"), QStringLiteral("Y= 2 X  +-1"));
}

} // namespace
} // namespace vornix::testing
