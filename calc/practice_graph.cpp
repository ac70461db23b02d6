// Functions to study and lines to find, with the numbers a teacher starts
// from: the vertex or the points on the grid first, fractions and decimals later.
#include "practice_draw.hpp"

#include <array>

namespace vornix::calc::detail {
namespace {

// y = a(x − h)² + k with an integer vertex off the y axis, a from ±1 to ±3.
Coefficients vertex_on_grid(SplitMix64& random) {
    for (;;) {
        const std::int64_t a = random.nonzero(3);
        const std::int64_t h = random.nonzero(6);
        const std::int64_t k = random.between(-9, 9);
        const Coefficients n{a, -2 * a * h, a * h * h + k, 0};
        if (classroom_sized(n)) {
            return n;
        }
    }
}

// Integer coefficients whose vertex (−b/2a, c − b²/4a) has a fraction in it.
Coefficients vertex_with_fraction(SplitMix64& random) {
    for (;;) {
        const Coefficients n{random.nonzero(3), random.nonzero(10), random.between(-10, 10), 0};
        const bool whole_x = n.b % (2 * n.a) == 0;
        const bool whole_y = (n.b * n.b) % (4 * n.a) == 0;
        if (!whole_x || !whole_y) {
            return n;
        }
    }
}

// A decimal a, in hundredths, before an integer vertex x and a vertex y in
// halves: the decimals are in the coefficients, the vertex stays readable.
Coefficients decimal_coefficients(SplitMix64& random) {
    constexpr std::array<std::int64_t, 6> kDecimalA{10, 20, 25, 50, 150, 250};
    for (;;) {
        const std::int64_t index = random.between(0, kDecimalA.size() - 1);
        const std::int64_t a = kDecimalA[static_cast<std::size_t>(index)] * random.nonzero(1);
        const std::int64_t h = random.nonzero(6);
        const std::int64_t k = 50 * random.between(-19, 19);
        const Coefficients n{a, -2 * a * h, a * h * h + k, 2};
        if (classroom_sized(n)) {
            return n;
        }
    }
}

// On y = kx + b, k ≠ 0 and b whole, two integer x.
Points integer_line(SplitMix64& random) {
    const std::int64_t k = random.nonzero(5);
    const std::int64_t b = random.between(-9, 9);
    for (;;) {
        const std::int64_t x1 = random.between(-6, 6);
        const std::int64_t x2 = random.between(-6, 6);
        if (x1 != x2) {
            return {x1, k * x1 + b, x2, k * x2 + b, 0};
        }
    }
}

// Integer points on a line whose k = Δy/Δx or b = (y₁x₂ − y₂x₁)/Δx is a fraction.
Points fractional_line(SplitMix64& random) {
    for (;;) {
        const Points p{random.between(-9, 9), random.between(-9, 9), random.between(-9, 9),
                       random.between(-9, 9), 0};
        const std::int64_t run = p.x2 - p.x1;
        if (run == 0 || p.y1 == p.y2) {
            continue;
        }
        const bool whole_k = (p.y2 - p.y1) % run == 0;
        const bool whole_b = (p.y1 * p.x2 - p.y2 * p.x1) % run == 0;
        if (!whole_k || !whole_b) {
            return p;
        }
    }
}

// k and b in halves, x₁ in tenths but not whole, x₂ whole or in tenths; in
// hundredths, y = kx + b is then exact.
Points decimal_line(SplitMix64& random) {
    const std::int64_t halves_k = random.nonzero(8);
    const std::int64_t halves_b = random.between(-12, 12);
    const auto y_of = [&](std::int64_t tenths_x) {
        return 5 * halves_k * tenths_x + 50 * halves_b;
    };
    for (;;) {
        const std::int64_t x1 = random.between(-50, 50);
        const std::int64_t x2 =
            random.one_in(2) ? 10 * random.between(-6, 6) : random.between(-60, 60);
        if (x1 % 10 != 0 && x1 != x2) {
            return {10 * x1, y_of(x1), 10 * x2, y_of(x2), 2};
        }
    }
}

} // namespace

Coefficients function_numbers(int level, SplitMix64& random) {
    switch (level) {
    case 1:
        return vertex_on_grid(random);
    case 2:
        return vertex_with_fraction(random);
    default:
        return decimal_coefficients(random);
    }
}

Points line_numbers(int level, SplitMix64& random) {
    switch (level) {
    case 1:
        return integer_line(random);
    case 2:
        return fractional_line(random);
    default:
        return decimal_line(random);
    }
}

} // namespace vornix::calc::detail
