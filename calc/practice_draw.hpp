// What the exercise makers share: the random numbers, and the exercise while
// it is being made. Only whole numbers: a double's last bit may differ between
// compilers and machines, and a seed must give the same exercises everywhere.
#pragma once

#include "practice.hpp"

#include <cstdint>
#include <string>

namespace vornix::calc::detail {

// SplitMix64 (Steele, Lea and Flood, "Fast splittable pseudorandom number
// generators", 2014), as in Vigna's reference splitmix64.c: the state steps
// by the golden-ratio constant, each output is a mix of it.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15u;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // A whole number from low to high, each equally likely; low ≤ high and
    // high − low below 2^62. Draws below 2^64 mod span are drawn again: they
    // would make the small remainders likelier than the others.
    std::int64_t between(std::int64_t low, std::int64_t high) {
        const std::uint64_t span =
            static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1;
        const std::uint64_t biased = (0 - span) % span;
        std::uint64_t draw = next();
        while (draw < biased) {
            draw = next();
        }
        return static_cast<std::int64_t>(static_cast<std::uint64_t>(low) + draw % span);
    }

    // A whole number from −most to most, never 0; most ≥ 1.
    std::int64_t nonzero(std::int64_t most) {
        const std::int64_t magnitude = between(1, most);
        return between(0, 1) == 0 ? -magnitude : magnitude;
    }

    // True once in n times on average; n ≥ 1.
    bool one_in(std::int64_t n) { return between(1, n) == 1; }

  private:
    std::uint64_t state_;
};

// a·x² + b·x + c = 0 (or y = a·x² + b·x + c) with each coefficient
// units / 10^places.
struct Coefficients {
    std::int64_t a = 0;
    std::int64_t b = 0;
    std::int64_t c = 0;
    int places = 0;
};

// Two points, each coordinate units / 10^places.
struct Points {
    std::int64_t x1 = 0;
    std::int64_t y1 = 0;
    std::int64_t x2 = 0;
    std::int64_t y2 = 0;
    int places = 0;
};

// An exercise being made, with what tells it apart from the others of its set.
struct Draft {
    PracticeExercise exercise;
    std::string identity;
};

// units / 10^places as the entry boxes take it: "-5", "0.5", "-1.25"; places 0..4.
std::string entry_text(std::int64_t units, int places);

// Whether every number lies within ±100.
bool classroom_sized(const Coefficients& numbers);
bool classroom_sized(const Points& numbers);

// The equation; equal when one equation is the other times a number.
Draft equation_draft(const Coefficients& numbers);
// The function; y = 2x² and y = x² are different functions.
Draft function_draft(const Coefficients& numbers);
// The two points, in either order.
Draft line_draft(const Points& numbers);

// What an exercise at one place of a set has to be.
enum class Role {
    Factor,
    Square,
    Formula,      // irrational roots, the teacher's pick 公式法
    DoubleRoot,   // Δ = 0
    RationalPair, // two different rational roots, among the formula's
    NoRealRoots,  // Δ < 0, among the mixed ones
    Function,
    Line,
};

// Each maker keeps the promise of the role at `level` (1..3), within ±100.
// The equation for a role from Factor to NoRealRoots.
Coefficients equation_numbers(Role role, int level, SplitMix64& random);
Coefficients function_numbers(int level, SplitMix64& random);
Points line_numbers(int level, SplitMix64& random);

} // namespace vornix::calc::detail
