// The promise of every kind and level, checked from the outside over
// thousands of seeds: the entries read back exactly, roots, vertex and line
// computed here with Boost's rationals, and every exercise evaluated by calc.
#include "practice.hpp"
#include "practice_rows.hpp"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

using boost::multiprecision::cpp_int;
// Plain values: expression templates cost more than they save on numbers this small.
using cpp_rational = boost::multiprecision::number<boost::multiprecision::cpp_rational_backend,
                                                   boost::multiprecision::et_off>;
using vornix::calc::Exercise;
using vornix::calc::Method;
using vornix::calc::PracticeExercise;
using vornix::calc::PracticeKind;

// Emulated (qemu), each seed costs twenty times as much: fewer seeds there.
#ifdef VORNIX_EMULATED_TESTS
constexpr std::uint64_t kSeeds = 1'000;
#else
constexpr std::uint64_t kSeeds = 10'000;
#endif
// The formula's and the mixed plans' block: what they promise of a set holds in four.
constexpr std::size_t kSet = 4;
// Sets from one exercise to two blocks, so that short and broken blocks are tried.
constexpr std::uint64_t kLongestSet = 2 * kSet;

using Numbers = std::vector<cpp_rational>; // a, b, c or x1, y1, x2, y2

// The entry read exactly, or nothing unless it is written as the boxes take
// it: "-" for negatives only, no leading 0, no trailing 0 after the point.
std::optional<cpp_rational> entry_value(const std::string& text) {
    const bool negative = text.starts_with('-');
    const std::size_t point = text.find('.');
    const std::string whole_part = text.substr(negative ? 1 : 0, point - (negative ? 1 : 0));
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    const auto digits_only = [](const std::string& part) {
        return !part.empty() &&
               std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const bool well_formed =
        digits_only(whole_part) && (whole_part.size() == 1 || whole_part[0] != '0') &&
        (point == std::string::npos || (digits_only(fraction) && fraction.back() != '0')) &&
        text != "-0";
    if (!well_formed) {
        return std::nullopt;
    }
    cpp_int digits = 0;
    cpp_int scale = 1;
    for (const char c : whole_part + fraction) {
        digits = digits * 10 + (c - '0');
    }
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        scale *= 10;
    }
    return cpp_rational(negative ? cpp_int(-digits) : digits, scale);
}

bool whole(const cpp_rational& v) {
    return denominator(v) == 1;
}
bool any_fraction(const Numbers& n) {
    return !std::all_of(n.begin(), n.end(), whole);
}
cpp_rational delta(const Numbers& n) {
    return n[1] * n[1] - 4 * n[0] * n[2];
}
bool rational_square(const cpp_rational& v) {
    const cpp_int top = numerator(v);
    const cpp_int bottom = denominator(v);
    return v >= 0 && sqrt(top) * sqrt(top) == top && sqrt(bottom) * sqrt(bottom) == bottom;
}
bool rational_roots(const Numbers& n) {
    return rational_square(delta(n));
}
// The roots of an equation with rational roots.
std::pair<cpp_rational, cpp_rational> roots(const Numbers& n) {
    const cpp_rational d = delta(n);
    const cpp_rational root(sqrt(numerator(d)), sqrt(denominator(d)));
    return {(-n[1] - root) / (2 * n[0]), (-n[1] + root) / (2 * n[0])};
}
bool even(const cpp_rational& v) {
    return whole(v) && numerator(v) % 2 == 0;
}
bool irrational_formula(const Numbers& n) {
    return delta(n) > 0 && !rational_roots(n) && !(n[0] == 1 && even(n[1]));
}

// Each promise says what it found wrong, or nothing.
std::string factor_promise(int level, const Numbers& n) {
    if (!rational_roots(n)) {
        return "roots not rational";
    }
    if (level == 1) {
        const auto [x1, x2] = roots(n);
        const bool small = whole(x1) && whole(x2) && abs(x1) <= 9 && abs(x2) <= 9;
        return n[0] == 1 && small && (x1 != 0 || x2 != 0) ? "" : "not x² with roots in −9..9";
    }
    if (level == 2) {
        return n[0] != 1 && std::all_of(n.begin(), n.end(), whole) ? "" : "a = 1 or not whole";
    }
    const Numbers tenfold{10 * n[0], 10 * n[1], 10 * n[2]};
    if (!any_fraction(n) || any_fraction(tenfold)) {
        return "not decimals with one place";
    }
    return factor_promise(2, tenfold).empty() ? "" : "times 10 is not level 2";
}

std::string square_promise(int level, const Numbers& n) {
    if (delta(n) < 0 || any_fraction(n)) {
        return "no real roots, or not whole";
    }
    if (level == 1) {
        return n[0] == 1 && even(n[1]) && n[1] != 0 ? "" : "not a = 1, b even";
    }
    if (level == 2) {
        return n[0] != 1 && even(n[1]) ? "" : "not a ≠ 1, b even";
    }
    return !even(n[1]) ? "" : "b not odd";
}

std::string formula_promise(const Numbers& n) {
    return delta(n) >= 0 ? "" : "no real roots";
}

std::string function_promise(int level, const Numbers& n) {
    const cpp_rational h = -n[1] / (2 * n[0]);
    const cpp_rational k = n[2] - n[1] * n[1] / (4 * n[0]);
    if (level == 1) {
        const bool small_a = whole(n[0]) && abs(n[0]) <= 3;
        return small_a && !any_fraction(n) && whole(h) && whole(k) && h != 0
                   ? ""
                   : "not a from ±1 to ±3 with an integer vertex off the y axis";
    }
    if (level == 2) {
        return !any_fraction(n) && (!whole(h) || !whole(k)) ? "" : "no fraction in the vertex";
    }
    return any_fraction(n) ? "" : "no decimal coefficient";
}

std::string line_promise(int level, const Numbers& n) {
    if (n[0] == n[2] || n[1] == n[3]) {
        return "the points share x or y";
    }
    const cpp_rational k = (n[3] - n[1]) / (n[2] - n[0]);
    const cpp_rational b = n[1] - k * n[0];
    if (level == 1) {
        return !any_fraction(n) && whole(k) && whole(b) ? "" : "not integer points, k and b";
    }
    if (level == 2) {
        return !any_fraction(n) && (!whole(k) || !whole(b)) ? "" : "k and b both whole";
    }
    return any_fraction(n) ? "" : "no decimal coordinate";
}

std::string mixed_promise(int level, const Numbers& n) {
    if (delta(n) < 0) {
        return "";
    }
    const bool kept = factor_promise(level, n).empty() || square_promise(level, n).empty() ||
                      irrational_formula(n);
    return kept ? "" : "none of factor, square or formula";
}

using practice_rows::every_kind_and_level;
using practice_rows::KindLevel;
using practice_rows::row_name;

std::string exercise_promise(const KindLevel& t, const Numbers& n) {
    switch (t.kind) {
    case PracticeKind::Factor:
        return factor_promise(t.level, n);
    case PracticeKind::Square:
        return square_promise(t.level, n);
    case PracticeKind::Formula:
        return formula_promise(n);
    case PracticeKind::Mixed:
        return mixed_promise(t.level, n);
    case PracticeKind::Function:
        return function_promise(t.level, n);
    case PracticeKind::Line:
        break;
    }
    return line_promise(t.level, n);
}

// Two exercises are the same when they are the same equation, function or
// pair of points.
Numbers identity(PracticeKind kind, Numbers n) {
    if (kind == PracticeKind::Line) {
        if (std::tie(n[2], n[3]) < std::tie(n[0], n[1])) {
            std::swap(n[0], n[2]);
            std::swap(n[1], n[3]);
        }
    } else if (kind != PracticeKind::Function) {
        n = {n[1] / n[0], n[2] / n[0]};
    }
    return n;
}

std::string set_promise(const KindLevel& t, const std::vector<Numbers>& set) {
    std::vector<Numbers> identities;
    for (const Numbers& n : set) {
        identities.push_back(identity(t.kind, n));
    }
    std::sort(identities.begin(), identities.end());
    if (std::adjacent_find(identities.begin(), identities.end()) != identities.end()) {
        return "an exercise twice";
    }
    const auto count = [&set](const std::function<bool(const Numbers&)>& holds) {
        return static_cast<std::size_t>(std::count_if(set.begin(), set.end(), holds));
    };
    if (t.kind == PracticeKind::Formula) {
        if (count(rational_roots) > set.size() / kSet) {
            return "more than one in four rational";
        }
        if (set.size() >= kSet && count([](const Numbers& n) { return delta(n) == 0; }) == 0) {
            return "no Δ = 0";
        }
    }
    if (t.kind == PracticeKind::Mixed && set.size() >= kSet) {
        const bool all_three =
            count([&t](const Numbers& n) { return factor_promise(t.level, n).empty(); }) > 0 &&
            count([&t](const Numbers& n) { return square_promise(t.level, n).empty(); }) > 0 &&
            count(irrational_formula) > 0;
        return all_three ? "" : "not all three methods";
    }
    return "";
}

// The working a teacher expects: the kind's method is there, and picked
// first where the rules of thumb pick it.
std::string evaluation_promise(const KindLevel& t, const PracticeExercise& e, const Numbers& n) {
    using vornix::calc::evaluate_line;
    using vornix::calc::evaluate_quadratic;
    const Exercise x = e.line
                           ? evaluate_line(e.entries[0], e.entries[1], e.entries[2], e.entries[3])
                           : evaluate_quadratic(e.entries[0], e.entries[1], e.entries[2]);
    if (x.outcome != vornix::calc::Outcome::Solved) {
        return "not solved";
    }
    const auto working = [&x](Method method) {
        return std::find_if(x.workings.begin(), x.workings.end(),
                            [method](const auto& w) { return w.method == method; });
    };
    const Method picked =
        x.workings.empty() ? Method::Undetermined : x.workings[x.default_working].method;
    if (t.kind == PracticeKind::Factor && picked != Method::Factoring) {
        return "factoring not picked";
    }
    if (t.kind == PracticeKind::Factor && t.level == 3) {
        const int ten = n[0] > 0 ? 10 : -10;
        const auto times_ten = [ten](const cpp_rational& v) {
            return numerator(cpp_rational(ten * v)).str();
        };
        const std::array<std::string, 3> tenfold{times_ten(n[0]), times_ten(n[1]), times_ten(n[2])};
        return working(picked)->equations.at(0) == tenfold ? "" : "not multiplied by 10 first";
    }
    if (t.kind == PracticeKind::Square) {
        const auto square = working(Method::CompletingSquare);
        if (square == x.workings.end()) {
            return "no completing the square";
        }
        const std::string text = linear_text(*square);
        const auto to_one = text.find("二次项系数化为1");
        if (t.level == 2 && (to_one == std::string::npos || to_one > text.find("配方"))) {
            return "a not made 1 before completing the square";
        }
        if (t.level == 1 && !rational_roots(n) && picked != Method::CompletingSquare) {
            return "completing the square not picked";
        }
    }
    const bool irrational = delta(n) > 0 && !rational_roots(n);
    if (t.kind == PracticeKind::Formula && irrational && picked != Method::Formula) {
        return "formula not picked";
    }
    if (t.kind == PracticeKind::Function && x.function.lines.empty()) {
        return "no function page";
    }
    return "";
}

// Reads the set back and checks it, the exercise at `evaluated` through calc
// too; the first fault found, or nothing.
std::string check_set(const KindLevel& t, const std::vector<PracticeExercise>& set,
                      std::optional<std::size_t> evaluated) {
    std::vector<Numbers> numbers;
    for (const PracticeExercise& e : set) {
        const bool line = t.kind == PracticeKind::Line;
        if (e.line != line || e.entries.size() != (line ? 4u : 3u)) {
            return "wrong shape";
        }
        Numbers n;
        for (const std::string& entry : e.entries) {
            const std::optional<cpp_rational> value = entry_value(entry);
            if (!value || abs(*value) > 100) {
                return "entry '" + entry + "' not as the boxes take it, or beyond ±100";
            }
            n.push_back(*value);
        }
        std::string fault = exercise_promise(t, n);
        if (fault.empty() && evaluated == numbers.size()) {
            fault = evaluation_promise(t, e, n);
        }
        if (!fault.empty()) {
            std::string entries;
            for (const std::string& entry : e.entries) {
                entries += " " + entry;
            }
            return fault + " in" + entries;
        }
        numbers.push_back(n);
    }
    return set_promise(t, numbers);
}

class PracticePromise : public testing::TestWithParam<KindLevel> {};

TEST_P(PracticePromise, EverySeedKeepsIt) {
    const KindLevel& t = GetParam();
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
        const std::size_t size = 1 + seed % kLongestSet;
        // Evaluating costs twenty times the rest: one exercise a set, each place in turn.
        const std::size_t evaluated = seed / kLongestSet % size;
        const std::string fault =
            check_set(t, make_exercises(t.kind, t.level, seed, size), evaluated);
        ASSERT_EQ(fault, "") << "seed " << seed;
    }
}

TEST_P(PracticePromise, AFullSetKeepsIt) {
    const KindLevel& t = GetParam();
    const std::size_t full = vornix::calc::practice_capacity(t.kind, t.level);
    for (const std::uint64_t seed : {0ull, 8041ull, ~0ull}) {
        const auto set = make_exercises(t.kind, t.level, seed, full);
        ASSERT_EQ(set.size(), full);
        EXPECT_EQ(check_set(t, set, std::nullopt), "") << "seed " << seed;
    }
}

// The share of the exercises of sets of four, over every seed, where `holds`.
double share(PracticeKind kind, int level, const std::function<bool(const Numbers&)>& holds) {
    std::size_t found = 0;
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
        for (const PracticeExercise& e : make_exercises(kind, level, seed, kSet)) {
            Numbers n;
            for (const std::string& entry : e.entries) {
                n.push_back(entry_value(entry).value_or(0));
            }
            found += holds(n) ? 1 : 0;
        }
    }
    return static_cast<double>(found) / static_cast<double>(kSeeds * kSet);
}

TEST(PracticeNowAndThen, FactorLevelOneShapes) {
    const double without_c =
        share(PracticeKind::Factor, 1, [](const Numbers& n) { return n[2] == 0; });
    const double without_b =
        share(PracticeKind::Factor, 1, [](const Numbers& n) { return n[1] == 0; });
    EXPECT_GT(without_c, 0.08);
    EXPECT_LT(without_c, 0.3);
    EXPECT_GT(without_b, 0.08);
    EXPECT_LT(without_b, 0.3);
}

TEST(PracticeNowAndThen, MixedWithoutRealRoots) {
    for (int level = 1; level <= 3; ++level) {
        const double none =
            share(PracticeKind::Mixed, level, [](const Numbers& n) { return delta(n) < 0; });
        EXPECT_GT(none, 1.0 / 16) << level;
        EXPECT_LT(none, 1.0 / 4) << level;
    }
}

TEST(PracticeNowAndThen, FormulaNumbersGrowWithTheLevel) {
    const auto largest = [](const Numbers& n) {
        return std::max({abs(n[0]), abs(n[1]), abs(n[2])});
    };
    double mean_before = 0;
    for (int level = 1; level <= 3; ++level) {
        double total = 0;
        share(PracticeKind::Formula, level, [&](const Numbers& n) {
            total += static_cast<double>(largest(n));
            return true;
        });
        const double mean = total / static_cast<double>(kSeeds * kSet);
        EXPECT_GT(mean, 1.5 * mean_before) << level;
        mean_before = mean;
    }
}

// At level 1 the three kinds are what a teacher picks the three methods for.
TEST(PracticeNowAndThen, MixedLevelOneCallsForEveryMethod) {
    std::map<Method, int> picked;
    for (std::uint64_t seed = 0; seed < 50; ++seed) {
        for (const PracticeExercise& e : make_exercises(PracticeKind::Mixed, 1, seed, kSet)) {
            ++picked[practice_method(PracticeKind::Mixed, e).value_or(Method::Undetermined)];
        }
    }
    EXPECT_GT(picked[Method::Factoring], 20);
    EXPECT_GT(picked[Method::CompletingSquare], 20);
    EXPECT_GT(picked[Method::Formula], 20);
    EXPECT_EQ(picked[Method::Undetermined], 0);
}

INSTANTIATE_TEST_SUITE_P(Practice, PracticePromise, testing::ValuesIn(every_kind_and_level()),
                         row_name);

} // namespace
