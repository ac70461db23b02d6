#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given seconds, starting
# from its committed starting corpus. Prints the executions each reached.
# Usage, as root on Debian 12: bash dev/fuzz.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash dev/setup.sh clang libclang-rt-14-dev

# The list goes in under a name of its own contents, so that editing it
# changes the flags and rebuilds everything.
mkdir -p build-fuzz
ignorelist=$PWD/build-fuzz/coverage-ignore-$(sha1sum fuzz/coverage-ignore.txt | cut -c1-12).txt
cp fuzz/coverage-ignore.txt "$ignorelist"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVORNIX_BUILD_FUZZERS=ON -DVORNIX_BUILD_TESTS=OFF -DVORNIX_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all \
    -fsanitize-coverage-ignorelist=$ignorelist" >/dev/null
cmake --build build-fuzz -j"$(nproc)"

# One run frees some tens of kilobytes: a 16 MB quarantine still keeps every
# freed block of a run poisoned until the run ends, without the page faults of
# the default 256 MB. Reports keep the innermost five frames of where a
# block was allocated and freed.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=5}

for target in read_number solvers exact_forms working_quadratic working_line layout graph show_number \
    get_key_value settings_and_arguments answer command_line; do
    work=$(mktemp -d)
    # New inputs go to the scratch folder; the committed inputs stay as they are.
    ./build-fuzz/fuzz/${target}_fuzz -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$work.crash-" "$work" "fuzz/corpus/$target" >"$work.log" 2>&1 || {
        tail -n 40 "$work.log"
        ls "$work".crash-* 2>/dev/null
        echo "fuzz target $target failed"
        exit 1
    }
    runs=$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work.log" | grep -o '[0-9]*$')
    echo "fuzz target $target: $runs executions in $seconds s ($((runs / seconds)) a second), no fault"
    rm -rf "$work" "$work.log"
done
