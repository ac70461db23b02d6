// Every text of Vornix stays readable (contrast at least 4.5:1 against what is
// behind it, in a grab of the window) on a light desktop palette, on a dark
// one, and after the desktop switches from light to dark while Vornix runs.
#include "fake_services.hpp"
#include "main_window.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace vornix::testing {
namespace {

double luminance(QColor colour) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The area's most common colour is what stands behind the text; the text's
// own colour is the one farthest from it.
double text_contrast(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                return a.second < b.second;
                            })->first;
    double best = 1;
    for (const auto& [colour, count] : counts) {
        best = std::max(best, contrast(QColor(colour), QColor(background)));
    }
    return best;
}

void expect_readable_labels(QWidget& window, const char* when) {
    const QImage image = window.grab().toImage();
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue; // the icon
        }
        EXPECT_GE(text_contrast(image, label->geometry()), 4.5)
            << label->objectName().toStdString() << " " << when;
    }
}

// The palette the desktop hands to every program, for the test's scope.
class DesktopPalette {
  public:
    explicit DesktopPalette(const QPalette& palette) : old_(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~DesktopPalette() { QApplication::setPalette(old_); }
    DesktopPalette(const DesktopPalette&) = delete;
    DesktopPalette& operator=(const DesktopPalette&) = delete;

  private:
    QPalette old_;
};

const QPalette kDark(QColor(0x35, 0x35, 0x35));

struct Windows {
    FakeServices services;
    qt::ProgramWindows program{[] {}};
    qt::MainWindow main{services, program};
    QWidget* about = nullptr;

    Windows() {
        const char* entries[][2] = {{"Text1", "1"}, {"Text2", "-3"}, {"Text3", "2"}, {"Text4", "1"},
                                    {"Text5", "1"}, {"Text6", "2"},  {"Text7", "3"}};
        for (const auto& [box, text] : entries) {
            main.findChild<QLineEdit*>(box)->setText(text);
        }
        const QWidgetList before = QApplication::topLevelWidgets();
        for (const char* button : {"Command1", "Command3", "Command2"}) {
            main.findChild<QPushButton*>(button)->click();
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "frmAbout" && !before.contains(widget)) {
                about = widget; // this main window's own
            }
        }
    }
    void expect_readable(const char* when) {
        expect_readable_labels(main, when);
        expect_readable_labels(*about, when);
    }
};

TEST(Contrast, EveryTextIsReadableOnALightAndOnADarkDesktop) {
    Windows light;
    light.expect_readable("on the default palette");
    const DesktopPalette dark(kDark);
    Windows on_dark;
    on_dark.expect_readable("on a dark palette");
    light.expect_readable("after a live switch to dark");
}

} // namespace
} // namespace vornix::testing
