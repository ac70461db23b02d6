// A set of exercises: what each place of the set has to be, then an exercise
// for each place, drawn again while it repeats one already in the set.
#include "practice_draw.hpp"

#include <array>
#include <set>
#include <stdexcept>
#include <utility>

namespace vornix::calc {
namespace {

using detail::Role;
using detail::SplitMix64;

constexpr std::array<std::pair<PracticeKind, std::string_view>, 6> kNames{{
    {PracticeKind::Factor, "factor"},
    {PracticeKind::Square, "square"},
    {PracticeKind::Formula, "formula"},
    {PracticeKind::Mixed, "mixed"},
    {PracticeKind::Function, "function"},
    {PracticeKind::Line, "line"},
}};

// x² + bx + c = 0 with roots from −9 to 9, 0 and 0 left out: 18 of the shape
// x² + bx = 0, 9 of x² − c = 0, and 171 − 9 pairs from the 18 other roots.
constexpr std::size_t kMonicIntegerRoots = 18 + 9 + 162;

constexpr std::size_t kBlock = 4;

// Far more draws than a place of a set within its capacity ever needs (the
// last of factor level 1's 189 takes some 250): a pool too small for its set
// is a fault to report, not a reason to draw for ever.
constexpr int kMostDraws = 100'000;

void check_level(int level) {
    if (level < 1 || level > 3) {
        throw std::invalid_argument("practice level must be 1, 2 or 3");
    }
}

// In every full block of four, one rational exercise at a random place:
// Δ = 0 in the first, third, … block, two rational roots in the others. A
// short last block stays irrational, so that three in four always are.
std::vector<Role> formula_plan(std::size_t count, SplitMix64& random) {
    std::vector<Role> roles(count, Role::Formula);
    for (std::size_t block = 0; block < count / kBlock; ++block) {
        const auto place = static_cast<std::size_t>(random.between(0, kBlock - 1));
        roles[block * kBlock + place] = block % 2 == 0 ? Role::DoubleRoot : Role::RationalPair;
    }
    return roles;
}

// Every block of four shuffles the three methods with a fourth exercise: no
// real roots half of the time, else one of the three again.
std::vector<Role> mixed_plan(std::size_t count, SplitMix64& random) {
    constexpr std::array<Role, 3> kMethods{Role::Factor, Role::Square, Role::Formula};
    std::vector<Role> roles;
    while (roles.size() < count) {
        std::array<Role, kBlock> block{kMethods[0], kMethods[1], kMethods[2], Role::NoRealRoots};
        if (random.one_in(2)) {
            block[3] = kMethods[static_cast<std::size_t>(random.between(0, 2))];
        }
        for (std::size_t i = kBlock - 1; i > 0; --i) {
            std::swap(block[i], block[static_cast<std::size_t>(random.between(0, i))]);
        }
        for (std::size_t i = 0; i < kBlock && roles.size() < count; ++i) {
            roles.push_back(block[i]);
        }
    }
    return roles;
}

std::vector<Role> plan(PracticeKind kind, std::size_t count, SplitMix64& random) {
    switch (kind) {
    case PracticeKind::Factor:
        return std::vector<Role>(count, Role::Factor);
    case PracticeKind::Square:
        return std::vector<Role>(count, Role::Square);
    case PracticeKind::Formula:
        return formula_plan(count, random);
    case PracticeKind::Mixed:
        return mixed_plan(count, random);
    case PracticeKind::Function:
        return std::vector<Role>(count, Role::Function);
    case PracticeKind::Line:
        break;
    }
    return std::vector<Role>(count, Role::Line);
}

detail::Draft draft(Role role, int level, SplitMix64& random) {
    switch (role) {
    case Role::Function:
        return detail::function_draft(detail::function_numbers(level, random));
    case Role::Line:
        return detail::line_draft(detail::line_numbers(level, random));
    default:
        return detail::equation_draft(detail::equation_numbers(role, level, random));
    }
}

// `count` exercises none of which is in `seen`, each added to it.
std::vector<PracticeExercise> make_set(PracticeKind kind, int level, std::uint64_t seed,
                                       std::size_t count, std::set<std::string>& seen) {
    // Each kind and level its own stream: one seed given for two of them
    // should not repeat the draws that made the other's exercises.
    const auto stream = static_cast<std::uint64_t>(kind) * 4 + static_cast<std::uint64_t>(level);
    SplitMix64 random(seed ^ SplitMix64(stream).next());
    std::vector<PracticeExercise> exercises;
    for (const Role role : plan(kind, count, random)) {
        detail::Draft next = draft(role, level, random);
        for (int draws = 1; !seen.insert(next.identity).second; ++draws) {
            if (draws == kMostDraws) {
                throw std::logic_error("practice: fewer different exercises than asked for");
            }
            next = draft(role, level, random);
        }
        exercises.push_back(std::move(next.exercise));
    }
    return exercises;
}

} // namespace

std::string_view kind_name(PracticeKind kind) {
    for (const auto& [named, name] : kNames) {
        if (named == kind) {
            return name;
        }
    }
    return {};
}

std::optional<PracticeKind> kind_named(std::string_view name) {
    for (const auto& [kind, known] : kNames) {
        if (known == name) {
            return kind;
        }
    }
    return std::nullopt;
}

std::size_t practice_capacity(PracticeKind kind, int level) {
    check_level(level);
    return kind == PracticeKind::Factor && level == 1 ? kMonicIntegerRoots : kMostPracticeExercises;
}

std::vector<PracticeExercise> make_exercises(PracticeKind kind, int level, std::uint64_t seed,
                                             std::size_t count) {
    if (count < 1 || count > practice_capacity(kind, level)) {
        throw std::invalid_argument("practice count outside what the kind and level can hold");
    }
    std::set<std::string> seen;
    return make_set(kind, level, seed, count, seen);
}

std::vector<std::vector<PracticeExercise>> make_exercise_versions(PracticeKind kind, int level,
                                                                  std::uint64_t seed,
                                                                  std::size_t count,
                                                                  std::size_t versions) {
    if (versions < 1 || versions > kMostPracticeVersions || count < 1 ||
        count > practice_capacity(kind, level) / versions) {
        throw std::invalid_argument("practice versions outside what the kind and level can hold");
    }
    std::set<std::string> seen; // shared: no exercise on two desks
    std::vector<std::vector<PracticeExercise>> sets;
    for (std::size_t version = 0; version < versions; ++version) {
        // Each version a seed of its own, far from the seeds of the others
        // and from seed + 1, which a teacher may give for the next sheet. The
        // place is widened first: ~ of a 32-bit size_t would give 32-bit
        // Windows and i386 other versions.
        const std::uint64_t own =
            version == 0
                ? seed
                : SplitMix64(seed ^ SplitMix64(~static_cast<std::uint64_t>(version)).next()).next();
        sets.push_back(make_set(kind, level, own, count, seen));
    }
    return sets;
}

std::optional<Method> practice_method(PracticeKind kind, const PracticeExercise& exercise) {
    switch (kind) {
    case PracticeKind::Factor:
        return Method::Factoring;
    case PracticeKind::Square:
        return Method::CompletingSquare;
    case PracticeKind::Formula:
        return Method::Formula;
    case PracticeKind::Mixed:
        break;
    case PracticeKind::Function:
    case PracticeKind::Line:
        return std::nullopt;
    }
    if (exercise.line || exercise.entries.size() != 3) {
        return std::nullopt;
    }
    const Exercise evaluated =
        evaluate_quadratic(exercise.entries[0], exercise.entries[1], exercise.entries[2]);
    if (evaluated.outcome != Outcome::Solved || evaluated.workings.empty()) {
        return std::nullopt;
    }
    return evaluated.workings[evaluated.default_working].method;
}

} // namespace vornix::calc
