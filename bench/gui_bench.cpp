// How long a GO click takes in the real main window (offscreen), with short
// entries and with one mebibyte of text in every entry box; and how long the
// working window takes from the double-click on the answer to its first frame.
// Run: QT_QPA_PLATFORM=offscreen build/bench/vornix_gui_bench
#include "main_window.hpp"
#include "settings.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace vornix;

class QuietServices : public qt::Services {
  public:
    void show_message(QWidget*, const QString&, const QString&) override {}
    bool start_program(const QString&) override { return false; }
    bool open_url(QWidget*, const QUrl&) override { return true; }
    void announce(QWidget&) override {}
    ui::Settings& settings() override { return settings_; }
    void print(QWidget*, ui::Document&) override {}
    void save(QWidget*, ui::Document&) override {}

  private:
    ui::MemorySettings settings_;
};

void fill(qt::MainWindow& window, std::initializer_list<const char*> boxes, const QString& tail) {
    const QStringList values{"1", "-3", "2", "3"};
    int i = 0;
    for (const char* box : boxes) {
        window.findChild<QLineEdit*>(box)->setText(values[i++] + tail);
    }
}

void click_go(benchmark::State& state, const char* button, const char* answer,
              std::initializer_list<const char*> boxes, const QString& tail) {
    QuietServices services;
    qt::ProgramWindows windows([] {});
    qt::MainWindow window(services, windows);
    window.show();
    fill(window, boxes, tail);
    auto* go = window.findChild<QPushButton*>(button);
    for (auto _ : state) {
        go->click();
    }
    if (window.findChild<QLabel*>(answer)->text().isEmpty()) {
        state.SkipWithError("no answer");
    }
}

// Letters end the number at once; a run of decimal zeros is read to its end.
const QString kMebibyteTail(1 << 20, QChar('x'));
const QString kMebibyteOfDigits = QStringLiteral(".") + QString(1 << 20, QChar('0'));

void QuadraticGoShort(benchmark::State& state) {
    click_go(state, "Command1", "Label4", {"Text1", "Text2", "Text3"}, {});
}
void QuadraticGoOneMebibyteEach(benchmark::State& state) {
    click_go(state, "Command1", "Label4", {"Text1", "Text2", "Text3"}, kMebibyteTail);
}
void LineGoShort(benchmark::State& state) {
    click_go(state, "Command3", "Label16", {"Text4", "Text5", "Text6", "Text7"}, {});
}
void LineGoOneMebibyteEach(benchmark::State& state) {
    click_go(state, "Command3", "Label16", {"Text4", "Text5", "Text6", "Text7"}, kMebibyteTail);
}
void QuadraticGoOneMebibyteOfDigitsEach(benchmark::State& state) {
    click_go(state, "Command1", "Label4", {"Text1", "Text2", "Text3"}, kMebibyteOfDigits);
}
void LineGoOneMebibyteOfDigitsEach(benchmark::State& state) {
    click_go(state, "Command3", "Label16", {"Text4", "Text5", "Text6", "Text7"}, kMebibyteOfDigits);
}
// The double-click on the answer, up to the window drawn whole once (its
// working and its graph included); the window is closed between rounds.
void WorkingWindowFirstFrame(benchmark::State& state) {
    QuietServices services;
    qt::ProgramWindows windows([] {});
    qt::MainWindow window(services, windows);
    window.show();
    fill(window, {"Text1", "Text2", "Text3"}, {});
    window.findChild<QPushButton*>("Command1")->click();
    auto* answer = window.findChild<QLabel*>("Label4");
    for (auto _ : state) {
        QTest::mouseDClick(answer, Qt::LeftButton);
        QWidget* working = QApplication::activeWindow();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            working = top->objectName() == "frmWorking" && top->isVisible() ? top : working;
        }
        benchmark::DoNotOptimize(working->grab());
        state.PauseTiming();
        working->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(WorkingWindowFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(QuadraticGoOneMebibyteOfDigitsEach)->Unit(benchmark::kMillisecond);
BENCHMARK(LineGoOneMebibyteOfDigitsEach)->Unit(benchmark::kMillisecond);
BENCHMARK(QuadraticGoShort)->Unit(benchmark::kMicrosecond);
BENCHMARK(QuadraticGoOneMebibyteEach)->Unit(benchmark::kMillisecond);
BENCHMARK(LineGoShort)->Unit(benchmark::kMicrosecond);
BENCHMARK(LineGoOneMebibyteEach)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
