#include "controls.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <array>

using namespace vornix::qt;
using namespace vornix::ui;

namespace {

// clang-format off
constexpr std::array<ControlRow, 4> kTable{{
    {"Cover",  ControlKind::Label,    "cover", 0,   0,  300, 300, {}, 0x000000FF,    2, "覆盖"},
    {"Box",    ControlKind::EntryBox, "",      150, 150, 300, 300, {}, kSystemColour, 1, "输入框"},
    {"Go",     ControlKind::Button,   "&Go",   600, 0,  300, 150, {}, kSystemColour, 0, "按钮"},
    {"Top",    ControlKind::Label,    "top",   150, 0,  300, 150, {}, kSystemColour, 3, "上层"},
}};
// clang-format on

class MoveCounter : public QWidget {
  public:
    int moves = 0;

  protected:
    void mouseMoveEvent(QMouseEvent*) override { ++moves; }
};

struct BuiltForm : testing::Test {
    MoveCounter window;
    void SetUp() override {
        window.resize(200, 200);
        window.setMouseTracking(true);
        build_controls(window, kTable, nullptr);
    }
};

TEST_F(BuiltForm, ControlsAreNamedPlacedInPixelsAndDescribed) {
    auto& box = control<QLineEdit>(window, "Box");
    EXPECT_EQ(box.geometry(), QRect(10, 10, 20, 20));
    EXPECT_EQ(box.accessibleName(), QStringLiteral("输入框"));
    EXPECT_EQ(box.maxLength(), std::numeric_limits<int>::max());
    EXPECT_EQ(control<QPushButton>(window, "Go").text(), "&Go");
    auto& cover = control<QLabel>(window, "Cover");
    EXPECT_EQ(cover.text(), "cover");
    EXPECT_EQ(cover.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(cover.autoFillBackground());
    EXPECT_EQ(cover.focusPolicy(), Qt::NoFocus);
}

TEST_F(BuiltForm, EntryBoxesAndButtonsLieAboveLabelsAndLaterLabelsAboveEarlier) {
    window.show();
    EXPECT_EQ(window.childAt(12, 12), &control<QLineEdit>(window, "Box"));
    EXPECT_EQ(window.childAt(12, 5), &control<QLabel>(window, "Top"));
    EXPECT_EQ(window.childAt(5, 5), &control<QLabel>(window, "Cover"));
}

TEST_F(BuiltForm, TabOrderFollowsTheTabColumnOverFocusableControls) {
    EXPECT_EQ(control<QPushButton>(window, "Go").nextInFocusChain(),
              &control<QLineEdit>(window, "Box"));
}

TEST_F(BuiltForm, MouseMovesOverControlsNeverReachTheWindow) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"Cover", "Top", "Go", "Box"}) {
        auto* widget = window.findChild<QWidget*>(name);
        QTest::mouseMove(widget, QPoint(2, 2));
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    EXPECT_EQ(window.moves, 0);
}

} // namespace
