// How long one GO's pages take to lay out: the exercise evaluated once, every
// method's working and the function's page typeset, and both pages' graphs
// built, on a canvas that measures without a toolkit.
// Run: build/bench/vornix_working_bench
#include "exercise.hpp"
#include "graph.hpp"
#include "math_layout.hpp"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vornix;

// Latin letters half an em wide, everything else a whole em; draws nothing.
class MeasuringCanvas final : public draw::Canvas {
  public:
    double width() const override { return 376; }
    double height() const override { return 432; }
    double scale() const override { return 1; }
    draw::TextExtent measure(std::string_view text, double points) override {
        const double em = points * 96 / 72;
        double width = 0;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            width += byte < 0x80 ? 0.5 * em : (byte & 0xC0) == 0xC0 ? em : 0;
        }
        return {width, 0.8 * em, 0.2 * em};
    }
    void text(draw::Point, std::string_view, double, draw::Ink) override {}
    void lines(std::span<const draw::Point>, double, draw::Ink, bool) override {}
    void disc(draw::Point, double, draw::Ink) override {}
    void polygon(std::span<const draw::Point>, draw::Ink) override {}
    void fill(draw::Ink) override {}
};

// Both pages: every method's working and the function's page, each with its graph.
void lay_out(const calc::Exercise& exercise) {
    MeasuringCanvas canvas;
    for (const calc::Working& working : exercise.workings) {
        benchmark::DoNotOptimize(draw::typeset(working.lines, 12, 360, canvas));
    }
    benchmark::DoNotOptimize(draw::build_scene(exercise.plot, canvas));
    benchmark::DoNotOptimize(draw::typeset(exercise.function.lines, 12, 360, canvas));
    benchmark::DoNotOptimize(draw::build_scene(exercise.function.plot, canvas));
}

void quadratic(benchmark::State& state, std::string a, std::string b, std::string c) {
    for (auto _ : state) {
        lay_out(calc::evaluate_quadratic(a, b, c));
    }
}

void line(benchmark::State& state, std::string x1, std::string y1, std::string x2, std::string y2) {
    for (auto _ : state) {
        lay_out(calc::evaluate_line(x1, y1, x2, y2));
    }
}

const std::string k34Digits = "1.234567890123456789012345678901234";
const std::string k34DigitsNegative = "-9.876543210987654321098765432109876";

BENCHMARK_CAPTURE(quadratic, Textbook, "1", "-3", "1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(quadratic, TextbookDecimals, "0.5", "-1", "-1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(quadratic, TextbookVertexForm, "2", "-4", "-3")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(quadratic, ConstantFunction, "0", "0", "5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(line, Textbook, "3", "5", "-4", "-9")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(quadratic, PrimeRadicand, "1", "1", "-999999937")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(quadratic, ThirtyFourDigits, k34Digits, k34DigitsNegative, "2.5")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(quadratic, ExtremeExponents, k34Digits + "E-300", k34Digits + "E100",
                  k34DigitsNegative + "E300")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(line, ThirtyFourDigits, k34Digits, k34DigitsNegative + "E-300", k34DigitsNegative,
                  k34Digits + "E300")
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
