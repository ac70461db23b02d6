// At 200 % display scaling (QT_SCALE_FACTOR=2, set for this binary by CTest)
// the windows scale as a whole: same logical layout, twice the device pixels.
#include "about_window.hpp"
#include "fake_services.hpp"
#include "main_window.hpp"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace vornix::testing {
namespace {

TEST(DoubleScale, MainWindowKeepsItsLayoutInTwiceTheDevicePixels) {
    FakeServices services;
    qt::ProgramWindows windows([] {});
    qt::MainWindow window(services, windows);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_DOUBLE_EQ(window.devicePixelRatioF(), 2.0);
    EXPECT_EQ(window.findChild<QWidget*>("Text1")->geometry(), QRect(24, 40, 41, 41));
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.size(), QSize(868, 796));
    // The rule is 3 logical pixels thick: 6 device rows of mid grey.
    int grey_rows = 0;
    for (int y = 310; y < 330; ++y) {
        grey_rows += image.pixelColor(400, y) == QColor(0x7F, 0x7F, 0x7F) ? 1 : 0;
    }
    EXPECT_EQ(grey_rows, 6);
}

TEST(DoubleScale, AboutIconIsDrawnForTheDevicePixels) {
    FakeServices services;
    const auto registry = sysinfo::make_system_registry();
    qt::AboutWindow about(services, *registry);
    const QPixmap icon = about.findChild<QLabel*>("picIcon")->pixmap();
    EXPECT_EQ(icon.size(), QSize(64, 64)) << "drawn at 64 device pixels, not scaled up";
    EXPECT_EQ(icon.deviceIndependentSize(), QSizeF(32, 32));
}

} // namespace
} // namespace vornix::testing
