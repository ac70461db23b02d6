// How long a GO click takes in the real main window (offscreen), with short
// entries and with one mebibyte of text in every entry box; and how long the
// working window takes from the double-click on the answer to its first frame;
// a zoom or pan step of the graph in the maximised working window at 200 %;
// twenty exercises written as a PDF; and a practice set of 200 exercises
// written as a worksheet and its key, both PDF.
// Run: QT_QPA_PLATFORM=offscreen build/bench/vornix_gui_bench
#include "command_line.hpp"
#include "main_window.hpp"
#include "paper.hpp"
#include "settings.hpp"
#include "working_page.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
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
    void print(QWidget*, draw::Document&) override {}
    void save(QWidget*, draw::Document&) override {}

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
QWidget* shown_working_window() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "frmWorking" && top->isVisible()) {
            return top;
        }
    }
    return QApplication::activeWindow();
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
        QWidget* working = shown_working_window();
        benchmark::DoNotOptimize(working->grab());
        state.PauseTiming();
        working->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// The working window maximised on a 1920 × 1080 screen at 200 %: one notch of
// the wheel over the graph (a zoom about the pointer), or one step of a drag
// (a pan), up to the whole window drawn again.
void graph_step(benchmark::State& state, bool pan) {
    QuietServices services;
    qt::ProgramWindows windows([] {});
    qt::MainWindow window(services, windows);
    window.show();
    fill(window, {"Text1", "Text2", "Text3"}, {});
    window.findChild<QPushButton*>("Command1")->click();
    QTest::mouseDClick(window.findChild<QLabel*>("Label4"), Qt::LeftButton);
    QWidget* working = shown_working_window();
    working->resize(1920, 1040);
    QTest::keyClick(working, Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(working, Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(working, Qt::Key_Equal, Qt::ControlModifier);
    auto* graph = working->findChild<QWidget*>("picGraph");
    const QPointF middle(graph->width() / 2.0, graph->height() / 2.0);
    QTest::mousePress(graph, Qt::LeftButton, {}, middle.toPoint());
    int step = 0;
    for (auto _ : state) {
        const int sign = (step++ % 2 == 0) ? 1 : -1;
        if (pan) {
            QMouseEvent move(QEvent::MouseMove, middle + QPointF(10 * sign, 6 * sign),
                             graph->mapToGlobal(middle), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(graph, &move);
        } else {
            QWheelEvent wheel(middle, graph->mapToGlobal(middle), {}, {0, 120 * sign}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(graph, &wheel);
        }
        benchmark::DoNotOptimize(working->grab());
    }
    working->close();
}
void GraphZoomStepWholeWindow(benchmark::State& state) {
    graph_step(state, false);
}
void GraphPanStepWholeWindow(benchmark::State& state) {
    graph_step(state, true);
}

// Twenty exercises, the worksheet key, written as one PDF in memory.
void ExportTwentyExercisesToPdf(benchmark::State& state) {
    std::vector<draw::DocumentItem> items;
    for (int i = 0; i < 20; ++i) {
        const calc::Exercise exercise =
            i % 4 == 3 ? calc::evaluate_line("3", std::to_string(i), "-4", "-9")
                       : calc::evaluate_quadratic("1", std::to_string(-i), "-3");
        items.push_back(
            {draw::page_lines(exercise, draw::Page::Solve, std::nullopt), exercise.plot});
    }
    qt::QtPageRenderer renderer;
    for (auto _ : state) {
        draw::Document document(items, "Vornix 1.0.1");
        benchmark::DoNotOptimize(renderer.pdf(document));
    }
}

// Qt's PDF, its files kept in memory.
class PdfInMemory final : public draw::PageRenderer {
  public:
    std::optional<std::string> pdf(draw::Pages& document) override { return qt_.pdf(document); }
    std::optional<std::string> png(draw::Pages& document, std::size_t index, double dpi) override {
        return qt_.png(document, index, dpi);
    }
    bool write_file(const std::string&, std::string_view bytes) override {
        benchmark::DoNotOptimize(bytes.data());
        return true;
    }
    void remove_file(const std::string&) override {}

  private:
    qt::QtPageRenderer qt_;
};

// vornix --practice 200 --kind K --level 2 --seed 8041 --export sheet.pdf --key key.pdf:
// the exercises made, evaluated, laid out and written, both files.
void PracticeSheetAndKeyOf200ToPdf(benchmark::State& state) {
    ui::PracticeRequest request;
    request.count = 200;
    request.kind = static_cast<calc::PracticeKind>(state.range(0));
    request.level = 2;
    request.seed = 8041;
    request.sheet = "sheet.pdf";
    request.key = "key.pdf";
    state.SetLabel(std::string(calc::kind_name(request.kind)));
    for (auto _ : state) {
        PdfInMemory files;
        const ui::CommandLineAnswer answer = ui::run_practice(request, files);
        if (answer.exit_code != 0) {
            state.SkipWithError(answer.text.c_str());
            break;
        }
    }
}

BENCHMARK(PracticeSheetAndKeyOf200ToPdf)
    ->Arg(static_cast<int>(calc::PracticeKind::Factor))
    ->Arg(static_cast<int>(calc::PracticeKind::Mixed))
    ->Arg(static_cast<int>(calc::PracticeKind::Function))
    ->Arg(static_cast<int>(calc::PracticeKind::Line))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WorkingWindowFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(GraphZoomStepWholeWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(GraphPanStepWholeWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportTwentyExercisesToPdf)->Unit(benchmark::kMillisecond);
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
