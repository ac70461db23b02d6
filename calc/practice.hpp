// 出题: fresh exercises by kind and level, with numbers a teacher would pick.
//
// The same (kind, level, seed) gives the same exercises on every machine and
// build: the random numbers come from SplitMix64 with this project's own
// mapping to ranges, and every number is made with exact integers.
#pragma once

#include "exercise.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::calc {

// What an exercise is practised for. Each kind has three levels, each a
// promise about its numbers:
// - Factor (因式分解法), rational roots. 1: a = 1, integer roots from −9 to 9,
//   now and then x²+bx=0 or x²−c=0. 2: a ≠ 1 (a common factor, or factors
//   like 2x−1). 3: decimal coefficients that, multiplied by 10, give level 2.
// - Square (配方法), real roots. 1: a = 1, b even. 2: a ≠ 1 and b even, so the
//   working makes a = 1 first. 3: b odd.
// - Formula (公式法), real roots, in groups of four from the first: a full
//   group has one exercise with rational roots at a random place (Δ = 0 in
//   the first, third, … group, two different roots in the others), the rest
//   and a short last group irrational ones; the numbers grow with the level.
// - Mixed, in groups of four from the first, shuffled: one each of Factor,
//   Square and Formula (irrational) of the level, and a fourth with Δ < 0
//   half of the time, else one of the three again. A short last group is the
//   start of its shuffle.
// - Function (函数的性质) y = ax² + bx + c. 1: integer vertex off the y axis,
//   a from ±1 to ±3. 2: a fraction in the vertex. 3: decimal coefficients.
// - Line (待定系数法), two points sharing neither x nor y. 1: integer points,
//   integer k ≠ 0 and b. 2: integer points, k or b a fraction. 3: a point
//   with decimals.
// Every coefficient and coordinate lies within ±100.
enum class PracticeKind { Factor, Square, Formula, Mixed, Function, Line };

// "factor", "square", "formula", "mixed", "function", "line".
std::string_view kind_name(PracticeKind kind);
// The kind kind_name gives that name (exact, lower case), or nothing.
std::optional<PracticeKind> kind_named(std::string_view name);

// One exercise as the main window's entry boxes take it: a, b, c for the
// quadratic (line false) or x1, y1, x2, y2 for the line (line true). Each
// entry is an integer ("-5", "0") or a decimal ("0.5", "-1.25"): ASCII digits,
// "-" for negatives only, no blanks, no trailing zeros after the point.
struct PracticeExercise {
    bool line = false;
    std::vector<std::string> entries;
};

// The most exercises one set may ask for.
inline constexpr std::size_t kMostPracticeExercises = 200;

// How many different exercises a set of `kind` at `level` can hold:
// kMostPracticeExercises, except factor level 1, whose promise allows only
// 189 different equations. Throws std::invalid_argument for a level outside 1..3.
std::size_t practice_capacity(PracticeKind kind, int level);

// `count` different exercises of `kind` at `level` for `seed`, each keeping
// the level's promise; the same on every machine and build. "Different" means a
// different equation (2x²−4x+2=0 repeats x²−2x+1=0), function, or pair of
// points (in either order). Every exercise evaluates (evaluate_quadratic or
// evaluate_line) to Outcome::Solved, and its workings include the kind's
// method (for Factor, the one a teacher picks). Throws std::invalid_argument
// when level is outside 1..3 or count outside 1..practice_capacity(kind,
// level); std::logic_error if a kind could not make `count` different
// exercises, which the capacity rules out.
std::vector<PracticeExercise> make_exercises(PracticeKind kind, int level, std::uint64_t seed,
                                             std::size_t count);

// The most versions of one set, for neighbouring desks (A卷 to F卷).
inline constexpr std::size_t kMostPracticeVersions = 6;

// `versions` sets of `count` exercises each, for neighbouring desks: the
// first is make_exercises(kind, level, seed, count); each other one follows
// from its own seed, derived from `seed` and its place, and keeps the level's
// promise on its own (a formula set's blocks of four, a mixed set's methods).
// No exercise is in two sets ("different" as for make_exercises). The same
// on every machine and build. Throws std::invalid_argument when level is
// outside 1..3, count below 1, versions outside 1..kMostPracticeVersions, or
// count × versions above practice_capacity(kind, level).
std::vector<std::vector<PracticeExercise>> make_exercise_versions(PracticeKind kind, int level,
                                                                  std::uint64_t seed,
                                                                  std::size_t count,
                                                                  std::size_t versions);

// The method the exercise is practised with, for the sheet's wording and the
// key: Factoring, CompletingSquare or Formula for those kinds; for Mixed, the
// one a teacher picks (the exercise's default working). Nothing for Function
// and Line, or for a Mixed exercise that does not evaluate to a working.
// Never raises.
std::optional<Method> practice_method(PracticeKind kind, const PracticeExercise& exercise);

} // namespace vornix::calc
