// Versions of a practice set for neighbouring desks: the first is the set
// itself, none shares an exercise with another, each as large as asked,
// the same on every machine; and what cannot be made is refused.
#include "practice.hpp"
#include "practice_rows.hpp"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <stdexcept>

namespace {

using vornix::calc::make_exercise_versions;
using vornix::calc::make_exercises;
using vornix::calc::PracticeExercise;
using vornix::calc::PracticeKind;

// "-1.25" as -125 and 2 places.
std::pair<std::int64_t, int> units_of(const std::string& entry) {
    std::int64_t units = 0;
    int places = -1;
    for (const char c : entry) {
        if (c == '.') {
            places = 0;
        } else if (c != '-') {
            units = units * 10 + (c - '0');
            places += places >= 0 ? 1 : 0;
        }
    }
    return {entry.starts_with("-") ? -units : units, std::max(places, 0)};
}

// What makes two exercises the same, worked out from their entries alone: an
// equation and its multiples are one, a function is itself, two points are
// the same in either order.
std::string identity(PracticeKind kind, const PracticeExercise& exercise) {
    if (exercise.line) {
        auto first = std::pair{exercise.entries[0], exercise.entries[1]};
        auto second = std::pair{exercise.entries[2], exercise.entries[3]};
        if (second < first) {
            std::swap(first, second);
        }
        return first.first + "," + first.second + "," + second.first + "," + second.second;
    }
    if (kind == PracticeKind::Function) {
        return exercise.entries[0] + "," + exercise.entries[1] + "," + exercise.entries[2];
    }
    std::vector<std::pair<std::int64_t, int>> numbers;
    int places = 0;
    for (const std::string& entry : exercise.entries) {
        numbers.push_back(units_of(entry));
        places = std::max(places, numbers.back().second);
    }
    std::vector<std::int64_t> scaled;
    std::int64_t common = 0;
    for (auto [units, own] : numbers) {
        for (; own < places; ++own) {
            units *= 10;
        }
        scaled.push_back(units);
        common = std::gcd(common, units);
    }
    common = scaled[0] < 0 ? -common : common;
    return std::to_string(scaled[0] / common) + "," + std::to_string(scaled[1] / common) + "," +
           std::to_string(scaled[2] / common);
}

using practice_rows::every_kind_and_level;
using practice_rows::KindLevel;
using practice_rows::row_name;

class PracticeVersions : public testing::TestWithParam<KindLevel> {};

// Six versions as large as the kind allows: the pools run nearly dry, the
// sets still come, none repeating another's exercise.
TEST_P(PracticeVersions, SixAsLargeAsTheKindHoldsShareNoExercise) {
    const auto [kind, level] = GetParam();
    const std::size_t count = vornix::calc::practice_capacity(kind, level) / 6;
    const auto versions = make_exercise_versions(kind, level, 8041, count, 6);
    ASSERT_EQ(versions.size(), 6u);
    std::set<std::string> seen;
    for (std::size_t v = 0; v < versions.size(); ++v) {
        ASSERT_EQ(versions[v].size(), count);
        for (const PracticeExercise& exercise : versions[v]) {
            EXPECT_TRUE(seen.insert(identity(kind, exercise)).second)
                << "version " << v << ": " << identity(kind, exercise);
        }
    }
    const auto first = make_exercises(kind, level, 8041, count);
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(versions[0][i].entries, first[i].entries) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Practice, PracticeVersions, testing::ValuesIn(every_kind_and_level()),
                         row_name);

// Written from the Linux x86-64 build, as the sets' own table.
TEST(PracticeVersions, TheSecondVersionIsTheSameOnEveryPlatform) {
    const auto versions = make_exercise_versions(PracticeKind::Factor, 1, 8041, 3, 2);
    std::string second;
    for (const PracticeExercise& exercise : versions[1]) {
        for (const std::string& entry : exercise.entries) {
            second += entry + " ";
        }
        second += "| ";
    }
    EXPECT_EQ(second, "1 -1 -42 | 1 -3 -10 | 1 18 81 | ");
}

TEST(PracticeVersions, RefusedBeyondWhatTheKindHolds) {
    struct Row {
        const char* name;
        PracticeKind kind;
        int level;
        std::size_t count;
        std::size_t versions;
    };
    for (const Row& row : {
             Row{"no_version", PracticeKind::Line, 1, 5, 0},
             Row{"seven_versions", PracticeKind::Line, 1, 5, 7},
             Row{"no_exercise", PracticeKind::Line, 1, 0, 2},
             Row{"factor_1_six_of_32", PracticeKind::Factor, 1, 32, 6},
             Row{"line_two_of_101", PracticeKind::Line, 2, 101, 2},
             Row{"level_4", PracticeKind::Square, 4, 5, 2},
         }) {
        EXPECT_THROW(make_exercise_versions(row.kind, row.level, 1, row.count, row.versions),
                     std::invalid_argument)
            << row.name;
    }
}

} // namespace
