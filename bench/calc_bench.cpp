// Figures for the calculation core: run build/bench/vornix_calc_bench.
#include "calc.hpp"
#include "practice.hpp"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vornix::calc;

const std::string kOneMebibyteNumber = [] {
    std::string text(1 << 20, '7');
    text[0] = '1';
    text[text.size() / 2] = '.';
    return text.substr(0, 300) + "." + std::string((1 << 20) - 301, '3');
}();
const std::string k34Digits = "1.234567890123456789012345678901234";
const std::string k34DigitsNegative = "-9.876543210987654321098765432109876";

void ReadNumberOneMebibyte(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(read_number(kOneMebibyteNumber));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * (1 << 20));
}
BENCHMARK(ReadNumberOneMebibyte)->Unit(benchmark::kMillisecond);

void QuadraticShort(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(solve_quadratic("1", "-1.4", "0.48"));
    }
}
BENCHMARK(QuadraticShort)->Unit(benchmark::kMicrosecond);

void Quadratic34Digits(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(solve_quadratic(k34Digits, k34Digits + "E100", k34DigitsNegative));
    }
}
BENCHMARK(Quadratic34Digits)->Unit(benchmark::kMicrosecond);

void LineShort(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(solve_line("-1.8", "-3.5", "1.3", "4.7"));
    }
}
BENCHMARK(LineShort)->Unit(benchmark::kMicrosecond);

void Line34Digits(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(solve_line(k34Digits, k34DigitsNegative + "E-300",
                                            k34DigitsNegative, k34Digits + "E300"));
    }
}
BENCHMARK(Line34Digits)->Unit(benchmark::kMicrosecond);

// Exact forms: textbook entries of up to six significant digits, and the
// entries that cost most: 34 digits each, within the size where factoring is
// tried, with no small factor to shorten the trial division; and extreme exponents.
void ExactQuadraticTextbook(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(exact_quadratic("3.14159", "-2.71828", "-1.41421"));
    }
}
BENCHMARK(ExactQuadraticTextbook)->Unit(benchmark::kMicrosecond);

void ExactQuadraticTextbookPrimeRadicand(benchmark::State& state) {
    // Δ = 4 * 999983 * 999979: every prime up to 10^6 is tried.
    for (auto _ : state) {
        benchmark::DoNotOptimize(exact_quadratic("1", "0", "-999962000357"));
    }
}
BENCHMARK(ExactQuadraticTextbookPrimeRadicand)->Unit(benchmark::kMicrosecond);

void ExactQuadratic34Digits(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            exact_quadratic(k34Digits, k34DigitsNegative, "4.567890123456789012345678901234567"));
    }
}
BENCHMARK(ExactQuadratic34Digits)->Unit(benchmark::kMillisecond);

void ExactQuadratic34DigitsExtremeExponents(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            exact_quadratic(k34Digits + "E-300", k34Digits + "E100", k34DigitsNegative + "E300"));
    }
}
BENCHMARK(ExactQuadratic34DigitsExtremeExponents)->Unit(benchmark::kMillisecond);

void ExactLine34Digits(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(exact_line(k34Digits, k34DigitsNegative + "E-300",
                                            k34DigitsNegative, k34Digits + "E300"));
    }
}
BENCHMARK(ExactLine34Digits)->Unit(benchmark::kMillisecond);

// A worksheet's worth of exercises, the most a set may hold, for each kind
// and level: the exercises alone, without their working.
void MakeExercises200(benchmark::State& state) {
    const auto kind = static_cast<PracticeKind>(state.range(0));
    const auto level = static_cast<int>(state.range(1));
    const std::size_t count = practice_capacity(kind, level);
    std::uint64_t seed = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(make_exercises(kind, level, ++seed, count));
    }
    state.SetLabel(std::string(kind_name(kind)) + " level " + std::to_string(level) + ", " +
                   std::to_string(count) + " exercises");
}
BENCHMARK(MakeExercises200)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 5, 1), {1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
