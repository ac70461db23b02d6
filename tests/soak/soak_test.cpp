// A classroom day in a few seconds: thousands of GO clicks with whatever a
// keyboard, an input method or a paste can put into the boxes, and the About
// window opened and closed again and again. Nothing may crash, every answer
// label holds a valid answer or its previous text, and memory does not grow.
#include "fake_services.hpp"
#include "main_window.hpp"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace vornix::testing {
namespace {

constexpr int kCycles = 1000;
constexpr int kClicksPerCycle = 10;
constexpr int kWarmUpCycles = 100;
constexpr long kAllowedGrowth = 1 << 20;

// One line of /proc/self/status, in bytes.
long status_bytes(const QByteArray& field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ":")) {
            return line.mid(field.size() + 1).trimmed().split(' ').front().toLong() * 1024;
        }
    }
    return 0;
}

const QString kNumber = R"([ -](\d+(\.\d+)?|\d(\.\d+)?E[+-]\d{2,}))";
const QRegularExpression
    kQuadraticAnswer(QStringLiteral("^(X1=%1    X2=%1|X=%1|△小于0，无解！)$").arg(kNumber));
const QRegularExpression kLineAnswer(
    QStringLiteral(R"(^(Y=%1 X  \+%1|ERROR! 无法求解，请检查输入的坐标。)$)").arg(kNumber));

class EntryTexts {
  public:
    explicit EntryTexts(unsigned stream) : engine_(stream) {}

    QString next(bool allow_huge) {
        switch (pick(allow_huge ? 9 : 8)) {
        case 0:
            return QString::number(pick(2001) - 1000) + "." + QString::number(pick(100));
        case 1:
            return QStringLiteral("－１２．５Ｅ＋３");
        case 2:
            return QString(pick(20), QChar(' ')) + QChar(0x3000);
        case 3:
            return invalid_utf8_pasted();
        case 4:
            return QStringLiteral("&H") + QString::number(pick(1 << 30), 16);
        case 5:
            return QString::number(pick(9) + 1) + "E" + QString::number(pick(700) - 350);
        case 6:
            return random_characters();
        case 7:
            return QString();
        default:
            return huge_text();
        }
    }

  private:
    int pick(int count) { return std::uniform_int_distribution(0, count - 1)(engine_); }

    // What a paste of broken UTF-8 becomes once it is in an entry box.
    QString invalid_utf8_pasted() {
        QByteArray bytes;
        for (int i = pick(12); i >= 0; --i) {
            bytes.append(static_cast<char>(pick(256)));
        }
        return QString::fromUtf8("1" + bytes);
    }

    // Printable ASCII, full-width forms and the first 512 CJK ideographs: what
    // keyboards and input methods type. (Every character of Unicode would only
    // fill Qt's glyph cache, which is bounded by the fonts, not by the program.)
    QString random_characters() {
        QString text;
        for (int i = pick(16); i >= 0; --i) {
            switch (pick(3)) {
            case 0:
                text.append(QChar(static_cast<char16_t>(0x20 + pick(0x5F))));
                break;
            case 1:
                text.append(QChar(static_cast<char16_t>(0xFF01 + pick(0x5E))));
                break;
            default:
                text.append(QChar(static_cast<char16_t>(0x4E00 + pick(512))));
                break;
            }
        }
        return text;
    }

    QString huge_text() {
        const QString tail(1 << 20, pick(2) ? QChar('0') : QChar('x'));
        return QStringLiteral("1.") + tail + "1";
    }

    std::mt19937 engine_;
};

class Soak : public ::testing::Test {
  protected:
    void click_go(const char* button, const char* answer_label, const QRegularExpression& valid,
                  std::initializer_list<const char*> boxes, bool allow_huge) {
        for (const char* box : boxes) {
            window.findChild<QLineEdit*>(box)->setText(texts.next(allow_huge));
        }
        auto* answer = window.findChild<QLabel*>(answer_label);
        const QString before = answer->text();
        window.findChild<QPushButton*>(button)->click();
        if (!services.messages.empty()) {
            ASSERT_EQ(answer->text(), before) << "a fault leaves the answer as it was";
            ++faults;
            services.messages.clear(); // the test's own record must not grow
        } else {
            ASSERT_TRUE(valid.match(answer->text()).hasMatch()) << answer->text().toStdString();
        }
    }

    void open_and_close_about() {
        window.findChild<QPushButton*>("Command2")->click();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "frmAbout") {
                widget->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    void cycle(int number) {
        // A few one-mebibyte texts, before and after the warm-up.
        const bool huge = number % 97 == 3;
        for (int click = 0; click < kClicksPerCycle; click += 2) {
            click_go("Command1", "Label4", kQuadraticAnswer, {"Text1", "Text2", "Text3"},
                     huge && click == 0);
            click_go("Command3", "Label16", kLineAnswer, {"Text4", "Text5", "Text6", "Text7"},
                     huge && click == 0);
        }
        open_and_close_about();
    }

    FakeServices services;
    qt::ProgramWindows windows{[] {}};
    qt::MainWindow window{services, windows};
    EntryTexts texts{20261207};
    int faults = 0;
};

TEST_F(Soak, ThousandsOfClicksAndAboutCyclesKeepAnswersValidAndMemoryFlat) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    long after_warm_up = 0;
    for (int number = 0; number < kCycles; ++number) {
        ASSERT_NO_FATAL_FAILURE(cycle(number));
        if (number + 1 == kWarmUpCycles) {
            after_warm_up = status_bytes("RssAnon");
        }
    }
    const long at_end = status_bytes("RssAnon");
    std::printf("mapped font and library pages at the end: %ld KiB\n",
                status_bytes("RssFile") / 1024);
    std::printf("anonymous resident memory after %d cycles: %ld KiB; after %d cycles: %ld KiB\n",
                kWarmUpCycles, after_warm_up / 1024, kCycles, at_end / 1024);
    EXPECT_GT(faults, 0) << "the texts reach the fault as well";
#if defined(__SANITIZE_ADDRESS__)
    std::printf("growth not judged: AddressSanitizer keeps freed memory in quarantine\n");
#else
    // Under qemu-user (an arm64 build tested on amd64) the resident memory is
    // mostly the emulator's, whose translated code grows as new paths run.
    if (std::getenv("VORNIX_TEST_EMULATOR") != nullptr) {
        std::printf("growth not judged: resident memory under an emulator is the emulator's\n");
    } else {
        EXPECT_LE(at_end - after_warm_up, kAllowedGrowth);
    }
#endif
}

} // namespace
} // namespace vornix::testing
