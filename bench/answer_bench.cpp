// Figures for the answer checker: run build/bench/vornix_answer_bench. One
// check of a textbook exercise, as 检查 does it: the exercise evaluated once
// by its GO, the answer read, compared and, when wrong, the slips tried.
#include "answer.hpp"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vornix::calc;

void check(benchmark::State& state, const Exercise& exercise, Page page, const char* answer) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(check_answer(exercise, page, std::nullopt, answer));
    }
}

const Exercise kFormula = evaluate_quadratic("2", "-4", "-3");
const Exercise kDecimals = evaluate_quadratic("0.5", "-1", "-1");
const Exercise kLine = evaluate_line("3", "5", "-4", "-9");

void CheckRightRoots(benchmark::State& state) {
    check(state, kFormula, Page::Solve, "x₁=(2−√10)/2，x₂=(2+√10)/2");
}
BENCHMARK(CheckRightRoots)->Unit(benchmark::kMicrosecond);

void CheckUnsimplifiedRoots(benchmark::State& state) {
    check(state, kFormula, Page::Solve, "x=(4±√40)/4");
}
BENCHMARK(CheckUnsimplifiedRoots)->Unit(benchmark::kMicrosecond);

// Every slip of every method tried.
void CheckRootsOfASlip(benchmark::State& state) {
    check(state, kFormula, Page::Solve, "x=(-2±√10)/2");
}
BENCHMARK(CheckRootsOfASlip)->Unit(benchmark::kMicrosecond);

// The six decimal slips besides.
void CheckDecimalSlip(benchmark::State& state) {
    check(state, kDecimals, Page::Solve, "(1±√5)/2");
}
BENCHMARK(CheckDecimalSlip)->Unit(benchmark::kMicrosecond);

void CheckLineSlip(benchmark::State& state) {
    check(state, kLine, Page::Solve, "y=-2x+11");
}
BENCHMARK(CheckLineSlip)->Unit(benchmark::kMicrosecond);

void CheckVertexFormSlip(benchmark::State& state) {
    check(state, kFormula, Page::Function, "y=2(x+1)²−5");
}
BENCHMARK(CheckVertexFormSlip)->Unit(benchmark::kMicrosecond);

void CheckLongEntryRefused(benchmark::State& state) {
    const std::string entry(10'000, '1');
    check(state, kFormula, Page::Solve, entry.c_str());
}
BENCHMARK(CheckLongEntryRefused)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
