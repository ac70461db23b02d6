// The exercise maker's contract, its random numbers, and the table that
// every platform's run checks: one seed, the same exercises everywhere.
#include "practice.hpp"
#include "practice_draw.hpp"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <stdexcept>
#include <string>

namespace {

using vornix::calc::make_exercises;
using vornix::calc::Method;
using vornix::calc::PracticeExercise;
using vornix::calc::PracticeKind;

struct Sample {
    const char* name;
    PracticeKind kind;
    int level;
    std::uint64_t seed;
    std::string first_four; // entries joined by " ", exercises by " | "
};

std::string joined(const std::vector<PracticeExercise>& set) {
    std::string text;
    for (const PracticeExercise& exercise : set) {
        text += text.empty() ? "" : " | ";
        for (std::size_t i = 0; i < exercise.entries.size(); ++i) {
            text += (i == 0 ? "" : " ") + exercise.entries[i];
        }
    }
    return text;
}

class SameOnEveryPlatform : public testing::TestWithParam<Sample> {};

// Written from the Linux x86-64 build; the arm64, 32-bit Linux and Windows
// runs must give the very same texts.
TEST_P(SameOnEveryPlatform, FirstFourExercises) {
    const Sample& s = GetParam();
    EXPECT_EQ(joined(make_exercises(s.kind, s.level, s.seed, 4)), s.first_four);
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, SameOnEveryPlatform,
    testing::Values(
        Sample{"factor_1_seed_0", PracticeKind::Factor, 1, 0,
               "1 4 -21 | 1 -8 15 | 1 8 15 | 1 -4 0"},
        Sample{"factor_2_seed_1", PracticeKind::Factor, 2, 1,
               "-2 10 12 | 3 3 -6 | 4 -4 -8 | 2 -1 -6"},
        Sample{"factor_3_seed_8041", PracticeKind::Factor, 3, 8041,
               "1.6 3.2 0.7 | 0.6 3.1 4 | 0.9 -3 1.6 | 0.4 -1.3 0.3"},
        Sample{"square_1_seed_2", PracticeKind::Square, 1, 2,
               "1 8 -7 | 1 16 -3 | 1 -18 19 | 1 10 -10"},
        Sample{"square_2_largest_seed", PracticeKind::Square, 2, 18446744073709551615u,
               "5 -6 -11 | 2 10 -3 | 3 18 -8 | 4 -4 -3"},
        Sample{"square_3_seed_3", PracticeKind::Square, 3, 3,
               "1 3 1 | 2 -9 -1 | 1 -15 8 | 2 9 -12"},
        Sample{"formula_1_seed_8041", PracticeKind::Formula, 1, 8041,
               "4 -20 25 | 3 9 1 | 3 1 -6 | 1 7 1"},
        Sample{"formula_2_seed_4", PracticeKind::Formula, 2, 4,
               "4 20 3 | 5 -4 -16 | -2 11 15 | 9 -42 49"},
        Sample{"formula_3_seed_5", PracticeKind::Formula, 3, 5,
               "5 -31 -1 | 6 5 -38 | 11 16 -29 | 25 60 36"},
        Sample{"mixed_1_seed_6", PracticeKind::Mixed, 1, 6, "2 -1 -2 | 1 2 8 | 1 -15 56 | 1 8 13"},
        Sample{"mixed_2_seed_8041", PracticeKind::Mixed, 2, 8041,
               "4 -8 -5 | 8 -34 35 | 4 17 39 | 6 19 -1"},
        Sample{"mixed_3_seed_7", PracticeKind::Mixed, 3, 7,
               "0.3 1.6 1.6 | 4 -11 -1 | 4 29 -19 | 0.3 3.2 4.5"},
        Sample{"function_1_seed_8041", PracticeKind::Function, 1, 8041,
               "-3 -12 -4 | -1 -4 -13 | 1 10 21 | -3 30 -73"},
        Sample{"function_2_seed_9", PracticeKind::Function, 2, 9,
               "-1 1 -7 | 3 10 -7 | -2 7 7 | 2 -7 -9"},
        Sample{"function_3_seed_10", PracticeKind::Function, 3, 10,
               "-0.1 0.8 -3.1 | -2.5 -20 -37.5 | 2.5 25 54 | 0.1 1.2 3.1"},
        Sample{"line_1_seed_8041", PracticeKind::Line, 1, 8041,
               "-6 -4 6 8 | 0 -1 -6 5 | -4 -11 2 -5 | 1 -8 -6 13"},
        Sample{"line_2_seed_11", PracticeKind::Line, 2, 11,
               "-9 1 0 -2 | -1 6 -5 -3 | -1 6 9 -2 | -6 -4 8 7"},
        Sample{"line_3_seed_12", PracticeKind::Line, 3, 12,
               "-1.1 -2.35 -1 -2.5 | 0.7 1.8 6 -3.5 | -2.9 1.1 1.1 5.1 | 2.7 10.75 -3 -3.5"}),
    [](const testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

// The reference outputs of Vigna's splitmix64.c for the seed 1234567.
TEST(SplitMix64, GivesTheReferenceOutputs) {
    vornix::calc::detail::SplitMix64 random(1234567);
    for (const std::uint64_t expected :
         {6457827717110365317u, 3203168211198807973u, 9817491932198370423u, 4593380528125082431u,
          16408922859458223821u}) {
        EXPECT_EQ(random.next(), expected);
    }
}

TEST(SplitMix64, DrawsEveryValueOfARangeAlikeAndNoOther) {
    vornix::calc::detail::SplitMix64 random(8041);
    std::map<std::int64_t, int> between;
    std::map<std::int64_t, int> nonzero;
    constexpr int kDraws = 19'000;
    for (int i = 0; i < kDraws; ++i) {
        ++between[random.between(-9, 9)];
        ++nonzero[random.nonzero(9)];
    }
    ASSERT_EQ(between.size(), 19u);
    EXPECT_EQ(between.begin()->first, -9);
    EXPECT_EQ(between.rbegin()->first, 9);
    for (const auto& [value, times] : between) {
        EXPECT_NEAR(times, kDraws / 19, kDraws / 19 / 5) << value;
    }
    ASSERT_EQ(nonzero.size(), 18u);
    EXPECT_EQ(nonzero.count(0), 0u);
    EXPECT_EQ(nonzero.begin()->first, -9);
    EXPECT_EQ(nonzero.rbegin()->first, 9);
}

TEST(PracticeKindNames, ReadBackAndNothingElse) {
    for (const PracticeKind kind :
         {PracticeKind::Factor, PracticeKind::Square, PracticeKind::Formula, PracticeKind::Mixed,
          PracticeKind::Function, PracticeKind::Line}) {
        EXPECT_EQ(vornix::calc::kind_named(vornix::calc::kind_name(kind)), kind);
    }
    EXPECT_EQ(vornix::calc::kind_name(PracticeKind::Square), "square");
    for (const char* other : {"", "Factor", "factors", "line ", "quadratic"}) {
        EXPECT_EQ(vornix::calc::kind_named(other), std::nullopt) << other;
    }
}

struct Refused {
    const char* name;
    PracticeKind kind;
    int level;
    std::size_t count;
};

class PracticeRefuses : public testing::TestWithParam<Refused> {};

TEST_P(PracticeRefuses, WithInvalidArgument) {
    const Refused& r = GetParam();
    EXPECT_THROW(make_exercises(r.kind, r.level, 1, r.count), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, PracticeRefuses,
    testing::Values(Refused{"level_0", PracticeKind::Factor, 0, 10},
                    Refused{"level_4", PracticeKind::Line, 4, 10},
                    Refused{"no_exercise", PracticeKind::Formula, 2, 0},
                    Refused{"over_200", PracticeKind::Function, 1, 201},
                    Refused{"factor_1_over_its_189_equations", PracticeKind::Factor, 1, 190}),
    [](const testing::TestParamInfo<Refused>& info) { return std::string(info.param.name); });

TEST(PracticeSets, SameSeedSameSetOtherSeedOtherSet) {
    const auto set = make_exercises(PracticeKind::Mixed, 2, 77, 12);
    EXPECT_EQ(joined(make_exercises(PracticeKind::Mixed, 2, 77, 12)), joined(set));
    EXPECT_NE(joined(make_exercises(PracticeKind::Mixed, 2, 78, 12)), joined(set));
}

struct Practised {
    const char* name;
    PracticeKind kind;
    PracticeExercise exercise;
    std::optional<Method> method;
};

class PracticeMethod : public testing::TestWithParam<Practised> {};

TEST_P(PracticeMethod, IsTheKindsOrTheTeachersPick) {
    const Practised& p = GetParam();
    EXPECT_EQ(vornix::calc::practice_method(p.kind, p.exercise), p.method);
}

INSTANTIATE_TEST_SUITE_P(
    Exercises, PracticeMethod,
    testing::Values(
        Practised{"factor_whatever_the_numbers",
                  PracticeKind::Factor,
                  {false, {"1", "-8", "1"}},
                  Method::Factoring},
        Practised{"mixed_rational_roots",
                  PracticeKind::Mixed,
                  {false, {"1", "-3", "2"}},
                  Method::Factoring},
        Practised{"mixed_a_1_b_even",
                  PracticeKind::Mixed,
                  {false, {"1", "-8", "1"}},
                  Method::CompletingSquare},
        Practised{
            "mixed_otherwise", PracticeKind::Mixed, {false, {"2", "-4", "-3"}}, Method::Formula},
        Practised{"mixed_no_equation", PracticeKind::Mixed, {false, {"0", "0", "1"}}, std::nullopt},
        Practised{
            "mixed_given_a_line", PracticeKind::Mixed, {true, {"0", "1", "2", "5"}}, std::nullopt},
        Practised{"function", PracticeKind::Function, {false, {"1", "-2", "1"}}, std::nullopt},
        Practised{"line", PracticeKind::Line, {true, {"0", "1", "2", "5"}}, std::nullopt}),
    [](const testing::TestParamInfo<Practised>& info) { return std::string(info.param.name); });

} // namespace
