// Quadratic equations with the numbers each method is practised with. The
// conditions follow the working (working_quadratic.cpp): 因式分解法 is
// written, and picked first, exactly when both roots are rational; a teacher
// picks 配方法 first when the primitive equation has a = 1 and an even b,
// otherwise 公式法.
#include "practice_draw.hpp"

#include <numeric>

namespace vornix::calc::detail {
namespace {

std::int64_t discriminant(const Coefficients& n) {
    return n.b * n.b - 4 * n.a * n.c;
}

bool perfect_square(std::int64_t value) {
    if (value < 0) {
        return false;
    }
    std::int64_t root = 0;
    while (root * root < value) {
        ++root;
    }
    return root * root == value;
}

bool primitive(const Coefficients& n) {
    return std::gcd(std::gcd(n.a, n.b), n.c) == 1;
}

bool within_bounds(const Coefficients& n) {
    return n.a != 0 && classroom_sized(n);
}

Coefficients negated(Coefficients n) {
    n.a = -n.a;
    n.b = -n.b;
    n.c = -n.c;
    return n;
}

// The factor p·x − q of the root q/p, in lowest terms with p ≥ 1.
struct LinearFactor {
    std::int64_t p;
    std::int64_t q;
};

LinearFactor rational_root(std::int64_t most_denominator, std::int64_t most_numerator,
                           SplitMix64& random) {
    for (;;) {
        const std::int64_t p = random.between(1, most_denominator);
        const std::int64_t q = random.between(-most_numerator, most_numerator);
        if (std::gcd(p, q) == 1) {
            return {p, q};
        }
    }
}

Coefficients product(const LinearFactor& f, const LinearFactor& g) {
    return {f.p * g.p, -(f.p * g.q + g.p * f.q), f.q * g.q, 0};
}

// Level 1: x² + bx = 0, x² − c = 0, or (x − r₁)(x − r₂) = 0, roots from −9 to 9.
Coefficients monic_with_integer_roots(SplitMix64& random) {
    switch (random.between(1, 6)) {
    case 1:
        return {1, -random.nonzero(9), 0, 0};
    case 2: {
        const std::int64_t root = random.between(1, 9);
        return {1, 0, -root * root, 0};
    }
    default:
        for (;;) {
            const std::int64_t r1 = random.nonzero(9);
            const std::int64_t r2 = random.nonzero(9);
            // Opposite roots are the x² − c = 0 shape, drawn as often as it should be.
            if (r1 != -r2) {
                return {1, -(r1 + r2), r1 * r2, 0};
            }
        }
    }
}

// Level 2: a common factor before integer roots, or a factor like 2x − 1. A
// product of two primitive factors is primitive (Gauss), which level 3 needs.
Coefficients factorable(bool common_factor, SplitMix64& random) {
    for (;;) {
        Coefficients n;
        if (common_factor && random.one_in(3)) {
            const std::int64_t k = random.between(2, 5);
            const std::int64_t r1 = random.between(-9, 9);
            const std::int64_t r2 = random.between(-9, 9);
            n = {k, -k * (r1 + r2), k * r1 * r2, 0};
        } else {
            const LinearFactor f = rational_root(4, 9, random);
            const LinearFactor g = rational_root(4, 9, random);
            if (f.p * g.p == 1) {
                continue;
            }
            n = product(f, g);
        }
        if (random.one_in(6)) {
            n = negated(n);
        }
        // b = c = 0 leaves ax² = 0, nothing to factor.
        if ((n.b != 0 || n.c != 0) && within_bounds(n)) {
            return n;
        }
    }
}

Coefficients factor(int level, SplitMix64& random) {
    if (level == 1) {
        return monic_with_integer_roots(random);
    }
    if (level == 2) {
        return factorable(true, random);
    }
    // A primitive equation over 10: the working multiplies by exactly 10.
    Coefficients n = factorable(false, random);
    n.places = 1;
    return n;
}

// Real roots, c ≠ 0 (x² + bx = 0 is for factoring), no common factor so
// that the working keeps the a given.
Coefficients square(int level, SplitMix64& random) {
    for (;;) {
        Coefficients n;
        if (level == 1) {
            n = {1, 2 * random.nonzero(9), random.nonzero(20), 0};
        } else if (level == 2) {
            n = {random.between(2, 6), 2 * random.nonzero(10), random.nonzero(20), 0};
        } else {
            n = {random.between(1, 4), 2 * random.between(-8, 7) + 1, random.nonzero(20), 0};
        }
        if (discriminant(n) >= 0 && primitive(n) && within_bounds(n)) {
            return n;
        }
    }
}

struct Ranges {
    std::int64_t least_a;
    std::int64_t most_a;
    std::int64_t most_b;
    std::int64_t most_c;
};

Ranges formula_ranges(int level) {
    switch (level) {
    case 1:
        return {1, 3, 9, 9};
    case 2:
        return {2, 6, 20, 20};
    default:
        return {2, 12, 40, 40};
    }
}

// a < 0 from level 2 on, now and then.
Coefficients signed_at(int level, const Coefficients& n, SplitMix64& random) {
    return level > 1 && random.one_in(4) ? negated(n) : n;
}

Coefficients irrational(int level, SplitMix64& random) {
    const Ranges r = formula_ranges(level);
    for (;;) {
        const Coefficients n{random.between(r.least_a, r.most_a), random.nonzero(r.most_b),
                             random.nonzero(r.most_c), 0};
        const std::int64_t delta = discriminant(n);
        const bool completes_square = n.a == 1 && n.b % 2 == 0;
        if (delta > 0 && !perfect_square(delta) && primitive(n) && !completes_square) {
            return signed_at(level, n, random);
        }
    }
}

// (p·x − q)², p growing with the level.
Coefficients double_root(int level, SplitMix64& random) {
    const std::int64_t least_p = level == 1 ? 1 : 2;
    const std::int64_t most_p = level + 2 + (level == 3 ? 1 : 0);
    for (;;) {
        const std::int64_t p = random.between(least_p, most_p);
        const std::int64_t q = random.nonzero(9);
        const Coefficients n = product({p, q}, {p, q});
        if (std::gcd(p, q) == 1 && within_bounds(n)) {
            return signed_at(level, n, random);
        }
    }
}

Coefficients rational_pair(int level, SplitMix64& random) {
    const std::int64_t most_denominator = 2 * level;
    for (;;) {
        const LinearFactor f = rational_root(most_denominator, 9, random);
        const LinearFactor g = rational_root(most_denominator, 9, random);
        const Coefficients n = product(f, g);
        if (f.q * g.p != g.q * f.p && within_bounds(n)) {
            return signed_at(level, n, random);
        }
    }
}

// Δ < 0: at level 1 with a = 1 and an even b, as 配方法 starts; then in the
// formula's ranges.
Coefficients no_real_roots(int level, SplitMix64& random) {
    const Ranges r = formula_ranges(level);
    for (;;) {
        Coefficients n;
        if (level == 1) {
            n = {1, 2 * random.between(-6, 6), random.between(1, 20), 0};
        } else {
            n = {random.between(r.least_a, r.most_a), random.between(-r.most_b, r.most_b),
                 random.between(1, 2 * r.most_c), 0};
        }
        if (discriminant(n) < 0 && primitive(n) && within_bounds(n)) {
            return n;
        }
    }
}

} // namespace

Coefficients equation_numbers(Role role, int level, SplitMix64& random) {
    switch (role) {
    case Role::Factor:
        return factor(level, random);
    case Role::Square:
        return square(level, random);
    case Role::DoubleRoot:
        return double_root(level, random);
    case Role::RationalPair:
        return rational_pair(level, random);
    case Role::NoRealRoots:
        return no_real_roots(level, random);
    default:
        return irrational(level, random);
    }
}

} // namespace vornix::calc::detail
