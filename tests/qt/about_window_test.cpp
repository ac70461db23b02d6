#include "main_window_fixture.hpp"
#include "scoped_env.hpp"

#include <QFile>
#include <QTemporaryDir>

namespace vornix::testing {
namespace {

const QString kUnavailable = QStringLiteral("此时系统信息不可用");

class AboutWindowTest : public MainWindowTest {
  protected:
    QWidget* about() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "frmAbout" && widget->isVisible()) {
                return widget;
            }
        }
        return nullptr;
    }
    QWidget& open_about() {
        click("Command2");
        QWidget* window = about();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }
    template <typename Widget = QWidget> Widget& in_about(const char* name) {
        auto* widget = about()->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }
    int about_windows() {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            count += widget->objectName() == "frmAbout" ? 1 : 0;
        }
        return count;
    }
    // Lets deferred deletes and the lifetime check run.
    void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(10);
    }
};

TEST_F(AboutWindowTest, WidgetsShowTheLoadedAndDesignedTexts) {
    QWidget& window = open_about();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("关于 Vornix"));
    EXPECT_EQ(in_about<QLabel>("lblVersion").text(), QStringLiteral("版本 1.0.1"));
    EXPECT_EQ(in_about<QLabel>("lblTitle").text(), QStringLiteral("Vornix"));
    EXPECT_EQ(in_about<QLabel>("lblDescription").text(),
              QStringLiteral("适用于中国大陆义务教育初中阶段学生"));
    EXPECT_TRUE(in_about<QLabel>("lblDisclaimer")
                    .text()
                    .startsWith(QStringLiteral("警告: 软件只用于研究学习，使用本软件造成的后果作者"
                                               "不予承担责任。传播请注明出处。  ")));
    EXPECT_EQ(in_about<QPushButton>("cmdSysInfo").text(), QStringLiteral("系统信息(&S)..."));
    EXPECT_EQ(in_about<QPushButton>("cmdOK").text(), QStringLiteral("确定"));
}

TEST_F(AboutWindowTest, FixedDialogInItsPlaceWithCloseButtonOnly) {
    QWidget& window = open_about();
    EXPECT_EQ(window.size(), QSize(382, 237));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.geometry().topLeft(), QPoint(156, 129));
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.parentWidget(), nullptr) << "no owner";
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(in_about("cmdOK").geometry(), QRect(275, 175, 100, 23));
    EXPECT_EQ(in_about("cmdSysInfo").geometry(), QRect(276, 205, 99, 23));
    EXPECT_EQ(in_about("picIcon").geometry(), QRect(16, 16, 36, 36));
    EXPECT_EQ(in_about("lblDisclaimer").geometry(), QRect(17, 175, 242, 55));
    EXPECT_EQ(in_about<QLabel>("picIcon").pixmap().deviceIndependentSize(), QSizeF(32, 32));
}

TEST_F(AboutWindowTest, EtchedRuleIsGreyAboveWhite) {
    const QImage image = open_about().grab().toImage();
    EXPECT_EQ(image.pixelColor(100, 163), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(100, 164), QColor(0xFF, 0xFF, 0xFF));
}

TEST_F(AboutWindowTest, AboutTwiceShowsOneWindowAndTheMainWindowStaysUsable) {
    open_about();
    open_about();
    EXPECT_EQ(about_windows(), 1);
    type("Text1", "1");
    type("Text2", "-3");
    type("Text3", "2");
    click("Command1");
    EXPECT_EQ(text_of("Label4"), QStringLiteral("X1= 1    X2= 2"));
}

TEST_F(AboutWindowTest, EscapeClosesAndReopeningLoadsAFreshWindow) {
    QWidget& window = open_about();
    QTest::keyClick(&window, Qt::Key_Escape);
    settle();
    EXPECT_EQ(about_windows(), 0) << "closed and unloaded";
    open_about();
    EXPECT_EQ(about()->windowTitle(), QStringLiteral("关于 Vornix"));
    EXPECT_EQ(in_about<QLabel>("lblVersion").text(), QStringLiteral("版本 1.0.1"));
}

TEST_F(AboutWindowTest, EnterClosesUnlessTheFocusIsOnSystemInformation) {
    const ScopedEnv path("PATH", "");
    open_about();
    in_about("cmdSysInfo").setFocus();
    QTest::keyClick(&in_about("cmdSysInfo"), Qt::Key_Return);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kUnavailable);
    ASSERT_NE(about(), nullptr) << "still open";
    in_about("cmdOK").setFocus();
    QTest::keyClick(&in_about("cmdOK"), Qt::Key_Return);
    settle();
    EXPECT_EQ(about_windows(), 0);
}

TEST_F(AboutWindowTest, AltSPressesSystemInformation) {
    const ScopedEnv path("PATH", "");
    QWidget& window = open_about();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    // An access key presses its button with a short animation.
    EXPECT_TRUE(QTest::qWaitFor([&] { return services.messages.size() == 1; }, 2000));
}

TEST_F(AboutWindowTest, ProgramLivesWhileTheAboutWindowOutlivesTheMainWindow) {
    open_about();
    window.close();
    settle();
    EXPECT_EQ(program_ends, 0) << "the About window is still open";
    about()->close();
    settle();
    EXPECT_EQ(program_ends, 1);
}

TEST_F(AboutWindowTest, ProgramEndsWhenTheMainWindowClosesAfterTheAboutWindow) {
    open_about().close();
    settle();
    EXPECT_EQ(program_ends, 0);
    window.close();
    settle();
    EXPECT_EQ(program_ends, 1);
}

// The real stand-in registry and the real program start.
class RealSystemInformation : public AboutWindowTest {
  protected:
    void SetUp() override {
        AboutWindowTest::SetUp();
        services.start = [](const QString& path) {
            return qt::DesktopServices().start_program(path);
        };
    }
};

TEST_F(RealSystemInformation, ClickStartsTheDesktopsProgramFoundOnPath) {
    QTemporaryDir folder;
    QFile script(folder.filePath("hardinfo"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started > \"$(dirname \"$0\")/marker\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    const ScopedEnv path("PATH", (folder.path() + ":/usr/bin:/bin").toStdString());
    open_about();
    QTest::mouseClick(&in_about("cmdSysInfo"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.filePath("marker")); }, 5000));
    EXPECT_TRUE(services.messages.empty());
}

} // namespace
} // namespace vornix::testing
