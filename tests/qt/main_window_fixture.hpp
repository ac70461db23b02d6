#pragma once

#include "fake_services.hpp"
#include "main_window.hpp"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace vornix::testing {

// A main window over fake desktop services, shown on the offscreen screen.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        windows.track(window); // as the host does with its startup window
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename Widget = QWidget> Widget& get(const char* name) {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }

    // ASCII arrives as key presses; anything else as an input method commits it.
    void type(const char* box, const QString& text) {
        auto& entry = get<QLineEdit>(box);
        entry.clear();
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(&entry, ch.toLatin1());
                continue;
            }
            QInputMethodEvent commit;
            commit.setCommitString(ch);
            QApplication::sendEvent(&entry, &commit);
        }
    }

    void click(const char* name) { QTest::mouseClick(&get(name), Qt::LeftButton); }

    QString text_of(const char* label) { return get<QLabel>(label).text(); }

    FakeServices services;
    int program_ends = 0;
    qt::ProgramWindows windows{[this] { ++program_ends; }};
    qt::MainWindow window{services, windows};
};

} // namespace vornix::testing
