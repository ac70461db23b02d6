// The answer checker over thousands of random exercises of every kind: the
// right answer in several written forms is 正确; unfinished and decimal
// answers are 未化简 and 近似值; each slip's answer, found here from the
// textbook's definition of the slip, gets that slip named and no other
// (the method shown deciding between methods); answers no slip explains
// get no diagnosis.
#include "answer.hpp"
#include "answer_oracle.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace answer_oracle;
using vornix::calc::check_answer;
using vornix::calc::Exercise;
using vornix::calc::Mark;
using vornix::calc::Method;
using vornix::calc::Page;
using vornix::calc::Verdict;

constexpr int kExercisesOfEachKind = 2000;

std::string all_lines(const Verdict& v) {
    std::string text;
    for (const std::string& line : v.lines) {
        text += line + "\n";
    }
    return text;
}

// The slip named, or "" when there is no "可能的错因" line.
std::string named_cause(const Verdict& v) {
    for (const std::string& line : v.lines) {
        if (line.starts_with("可能的错因：")) {
            return line;
        }
    }
    return "";
}

#define EXPECT_MARK(verdict, expected, context)                                                    \
    EXPECT_EQ((verdict).mark, expected) << (context) << "\n" << all_lines(verdict)

// A typed number with one decimal place, as the exercise's entry.
std::string tenths(int n) {
    const std::string sign = n < 0 ? "-" : "";
    return sign + std::to_string(std::abs(n) / 10) + "." + std::to_string(std::abs(n) % 10);
}

// A slip the oracle knows: the phrase its cause contains, the method whose
// working holds it (none: every working), and the student's answer.
struct OracleSlip {
    std::string phrase;
    std::optional<Method> method;
    RootSet answer;
};

// The phrase a teacher names for `answer`, or "" where no single slip does.
std::string expected_phrase(const std::vector<OracleSlip>& slips, const RootSet& answer,
                            Method shown) {
    std::vector<std::string> kinds;
    std::vector<std::string> kinds_shown;
    for (const OracleSlip& s : slips) {
        if (!(s.answer == answer)) {
            continue;
        }
        if (std::find(kinds.begin(), kinds.end(), s.phrase) == kinds.end()) {
            kinds.push_back(s.phrase);
        }
        const bool of_shown = !s.method || *s.method == shown;
        if (of_shown &&
            std::find(kinds_shown.begin(), kinds_shown.end(), s.phrase) == kinds_shown.end()) {
            kinds_shown.push_back(s.phrase);
        }
    }
    return kinds.size() == 1 ? kinds[0] : kinds_shown.size() == 1 ? kinds_shown[0] : "";
}

struct Quadratic {
    std::array<std::string, 3> typed;
    Rational a, b, c;
};

// The equation the working solves: whole numbers, no common factor, a > 0.
std::array<Rational, 3> whole(const Quadratic& q) {
    using boost::multiprecision::lcm;
    const Integer scale = lcm(lcm(denominator(q.a), denominator(q.b)), denominator(q.c));
    std::array<Integer, 3> n{numerator(Rational(q.a * scale)), numerator(Rational(q.b * scale)),
                             numerator(Rational(q.c * scale))};
    const Integer g = gcd(gcd(abs(n[0]), abs(n[1])), abs(n[2])) * (n[0] < 0 ? -1 : 1);
    return {Rational(n[0] / g), Rational(n[1] / g), Rational(n[2] / g)};
}

Quadratic random_quadratic(std::mt19937_64& random, int kind) {
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (;;) {
        Quadratic q;
        if (kind == 0) { // rational roots, for 因式分解法
            const int a0 = std::array{1, 1, 2, 3, -1, -2}[static_cast<std::size_t>(pick(0, 5))];
            const int p1 = pick(-9, 9), p2 = pick(-9, 9);
            const int q1 = std::array{1, 1, 1, 2, 3}[static_cast<std::size_t>(pick(0, 4))];
            const int q2 = std::array{1, 1, 1, 2, 3}[static_cast<std::size_t>(pick(0, 4))];
            q.a = a0 * q1 * q2;
            q.b = -a0 * (q1 * p2 + q2 * p1);
            q.c = a0 * p1 * p2;
        } else if (kind == 3) { // decimals
            q.a = Rational(pick(-25, 25), 10);
            q.b = Rational(pick(-40, 40), 10);
            q.c = Rational(pick(-40, 40), 10);
        } else { // irrational roots, or none
            q.a = pick(-5, 5);
            q.b = pick(-12, 12);
            q.c = pick(-12, 12);
        }
        const Rational delta = q.b * q.b - 4 * q.a * q.c;
        const bool irrational = delta > 0 && !rational_root(delta);
        if (q.a == 0 || (kind == 1 && !irrational) || (kind == 2 && delta >= 0)) {
            continue;
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const Rational v = std::array{q.a, q.b, q.c}[i];
            q.typed[i] =
                kind == 3 ? tenths(static_cast<int>(numerator(Rational(v * 10)))) : text(v);
        }
        return q;
    }
}

std::vector<Method> methods_of(const Exercise& e) {
    std::vector<Method> methods;
    for (const auto& working : e.workings) {
        methods.push_back(working.method);
    }
    return methods;
}

bool has(const std::vector<Method>& methods, Method m) {
    return std::find(methods.begin(), methods.end(), m) != methods.end();
}

// The multiplier of the working's first line "方程两边同乘以 …", from the
// equation it records.
std::optional<Rational> multiplier(const Exercise& e, const Quadratic& q) {
    const auto& w = e.workings.front();
    if (vornix::calc::linear_text(w.lines.front()).find("同乘以") == std::string::npos) {
        return std::nullopt;
    }
    return Rational(w.equations.front()[0]) / q.a;
}

std::vector<OracleSlip> quadratic_slips(const Exercise& e, const Quadratic& q) {
    const auto [a, b, c] = whole(q);
    const Rational delta = b * b - 4 * a * c;
    const std::vector<Method> methods = methods_of(e);
    std::vector<OracleSlip> slips;
    const auto add = [&](std::string phrase, std::optional<Method> m, RootSet s) {
        slips.push_back({std::move(phrase), m, s});
    };
    if (has(methods, Method::Formula) && delta >= 0) {
        add("−b 写成了 b", Method::Formula, roots_of(a, -b, c));
        add("2a 写成了 a", Method::Formula, roots_of(a, 2 * b, 4 * c));
        // −b ± √Δ/(2a) are the roots of (x + b)² = Δ/(4a²).
        add("只有根号部分除以了 2a", Method::Formula,
            roots_of(1, 2 * b, b * b - delta / (4 * a * a)));
        if (c != 0) {
            add("把 a 和 c 弄反了", Method::Formula, roots_of(c, b, a));
        }
    }
    if (has(methods, Method::Formula)) {
        add("b²+4ac", Method::Formula, roots_of(a, b, -c));
    }
    if (has(methods, Method::CompletingSquare)) {
        const Rational beta = b / a, gamma = c / a;
        if (b != 0) {
            add("只在方程的一边", Method::CompletingSquare,
                roots_of(1, beta, beta * beta / 4 + gamma));
        }
        if (a != 1 && c != 0) {
            add("常数项没有除以", Method::CompletingSquare, roots_of(1, beta, c));
        }
    }
    const RootSet truth = roots_of(a, b, c);
    if (has(methods, Method::Factoring)) {
        const Rational discriminant = truth.sum * truth.sum - 4 * truth.product;
        const Rational root = truth.count == 2 ? *rational_root(discriminant) : Rational(0);
        const Rational r1 = truth.count == 2 ? (truth.sum - root) / 2 : truth.one;
        const Rational r2 = truth.count == 2 ? (truth.sum + root) / 2 : truth.one;
        // A double root has one factor, (x − r)² = 0: its sign goes wrong once.
        if (truth.count == 2) {
            add("得出了 x=", Method::Factoring, pair(-r1, r2));
            add("得出了 x=", Method::Factoring, pair(r1, -r2));
        }
        add("得出了 x=", Method::Factoring, pair(-r1, -r2));
    }
    if (const auto m = multiplier(e, q)) {
        const std::array<Rational, 3> typed{q.a, q.b, q.c};
        const std::array<std::string, 3> names{"二次项", "一次项", "常数项"};
        for (int out = 1; out < 7; ++out) {
            std::array<Rational, 3> slipped;
            std::string which;
            bool each_there = true;
            for (std::size_t i = 0; i < 3; ++i) {
                const bool left = (out >> i & 1) != 0;
                slipped[i] = left ? typed[i] : typed[i] * *m;
                each_there = each_there && (!left || typed[i] != 0);
                which += left ? (which.empty() ? "" : "和") + names[i] : "";
            }
            if (each_there) {
                add("漏乘了" + which + ".", std::nullopt,
                    roots_of(slipped[0], slipped[1], slipped[2]));
            }
        }
    }
    return slips;
}

// Whether `part` is one of the set's roots, without being all of them.
bool short_of(const RootSet& part, const RootSet& all) {
    if (part.count != 1 || all.count != 2) {
        return false;
    }
    return part.one * part.one - all.sum * part.one + all.product == 0;
}

// How often each slip was named, so that a test shows it met every one.
using Named = std::map<std::string, int>;

void check_slips(const Exercise& e, const Quadratic& q, Method shown, const std::string& context,
                 Named& named) {
    const std::vector<OracleSlip> slips = quadratic_slips(e, q);
    const auto [a, b, c] = whole(q);
    const RootSet truth = roots_of(a, b, c);
    for (const OracleSlip& slip : slips) {
        if (slip.answer == truth || short_of(slip.answer, truth)) {
            continue; // 正确 or 不完整: no slip of this library is looked for
        }
        const Verdict v = check_answer(e, Page::Solve, shown, written(slip.answer));
        const std::string where = context + " slip " + slip.phrase + ": " + written(slip.answer);
        EXPECT_MARK(v, Mark::Wrong, where);
        const std::string phrase = expected_phrase(slips, slip.answer, shown);
        const std::string cause = named_cause(v);
        if (phrase.empty()) {
            EXPECT_EQ(cause, "") << where;
        } else {
            EXPECT_NE(cause.find(phrase), std::string::npos) << where << "\n" << all_lines(v);
            ++named[phrase.starts_with("漏乘了") ? "漏乘了" : phrase];
        }
    }
}

void check_right_forms(const Exercise& e, const Quadratic& q, bool typed_with_decimals,
                       const std::string& context) {
    const auto [a, b, c] = whole(q);
    const Rational delta = b * b - 4 * a * c;
    std::vector<std::string> right;
    std::vector<std::string> unfinished;
    std::vector<std::string> near;
    if (delta < 0) {
        right = {"无实数根", "方程没有实数根", "无解"};
    } else if (const auto root = rational_root(delta)) {
        const Rational r1 = (-b - *root) / (2 * a), r2 = (-b + *root) / (2 * a);
        right = {"x1=" + text(r1) + "，x2=" + text(r2), "x=" + text(r2) + "或x=" + text(r1),
                 text(r1) + " " + text(r2), "x₁=" + text(r1) + ", x₂=" + text(r2)};
        const auto doubled = [](const Rational& r) {
            return (2 * numerator(r)).str() + "/" + (2 * denominator(r)).str();
        };
        unfinished = {"x1=" + doubled(r1) + "，x2=" + doubled(r2)};
        // Exact decimals: simplest where the exercise was typed with decimals.
        const auto d1 = decimal(r1), d2 = decimal(r2);
        if (d1 && d2 && (denominator(r1) != 1 || denominator(r2) != 1)) {
            (typed_with_decimals ? right : unfinished).push_back("x1=" + *d1 + "，x2=" + *d2);
        }
    } else {
        const Surd r = simplest(-numerator(b), 1, numerator(delta), numerator(Rational(2 * a)));
        right = {"x=" + both_branches(r), "x1=" + branch(r, false) + "，x2=" + branch(r, true),
                 "x₂=" + branch(r, true) + "，x₁=" + branch(r, false)};
        if (r.m != 0) {
            right.push_back(split_branches(r));
        }
        const Surd twice{2 * r.m, 2 * r.n, r.s, 2 * r.d};
        unfinished = {"x=(" + twice.m.str() + "±" + root_part(twice.n, twice.s) + ")/" +
                      twice.d.str()};
        near = {"x≈" + three_places(value(r, false)) + "，x≈" + three_places(value(r, true))};
    }
    for (const std::string& answer : right) {
        EXPECT_MARK(check_answer(e, Page::Solve, std::nullopt, answer), Mark::Correct,
                    context + " " + answer);
    }
    for (const std::string& answer : unfinished) {
        EXPECT_MARK(check_answer(e, Page::Solve, std::nullopt, answer), Mark::Unsimplified,
                    context + " " + answer);
    }
    for (const std::string& answer : near) {
        EXPECT_MARK(check_answer(e, Page::Solve, std::nullopt, answer), Mark::Approximate,
                    context + " " + answer);
    }
}

// One root of two, the one 直接开平方 keeps: hinted where the root is taken at once.
void check_positive_root_only(const Exercise& e, const Quadratic& q, Method shown,
                              const std::string& context) {
    const auto [a, b, c] = whole(q);
    const Rational delta = b * b - 4 * a * c;
    if (delta <= 0) {
        return;
    }
    const std::string answer =
        "x=(" + bracketed(-b) + "+√(" + text(delta) + "))/" + bracketed(2 * a);
    const Verdict v = check_answer(e, Page::Solve, shown, answer);
    EXPECT_MARK(v, Mark::Incomplete, context + " " + answer);
    const bool hinted = shown == Method::CompletingSquare || b == 0;
    EXPECT_EQ(named_cause(v).find("漏掉了负的平方根") != std::string::npos, hinted)
        << context << " " << answer << "\n"
        << all_lines(v);
}

// The roots moved by one: explained by no slip unless the oracle says so.
void check_unexplained(const Exercise& e, const Quadratic& q, Method shown,
                       const std::string& context) {
    const auto [a, b, c] = whole(q);
    RootSet moved = roots_of(a, b, c);
    if (moved.count == 0) {
        moved = pair(1, 2);
    } else if (moved.count == 1) {
        moved.one += 1;
    } else {
        moved.product += moved.sum + 1; // (r1 + 1)(r2 + 1)
        moved.sum += 2;
    }
    if (!expected_phrase(quadratic_slips(e, q), moved, shown).empty()) {
        return;
    }
    const Verdict v = check_answer(e, Page::Solve, shown, written(moved));
    EXPECT_MARK(v, Mark::Wrong, context + " " + written(moved));
    EXPECT_EQ(named_cause(v), "") << context << " " << written(moved);
}

class RandomQuadraticAnswers : public testing::TestWithParam<int> {};

// The slips each kind of exercise meets.
std::vector<std::string> slips_met(int kind) {
    const std::vector<std::string> formula_and_square{
        "−b 写成了 b",      "2a 写成了 a",    "只有根号部分除以了 2a", "b²+4ac",
        "把 a 和 c 弄反了", "只在方程的一边", "常数项没有除以"};
    std::vector<std::string> met = formula_and_square;
    if (kind == 0) {
        met.push_back("得出了 x=");
    } else if (kind == 2) {
        met = {"b²+4ac"}; // completing the square wrongly still finds no root here

    } else if (kind == 3) {
        met.push_back("漏乘了");
    }
    return met;
}

TEST_P(RandomQuadraticAnswers, VerdictsAndSlips) {
    std::mt19937_64 random(20240527 + static_cast<unsigned>(GetParam()));
    Named named;
    for (int round = 0; round < kExercisesOfEachKind; ++round) {
        const Quadratic q = random_quadratic(random, GetParam());
        const Exercise e = vornix::calc::evaluate_quadratic(q.typed[0], q.typed[1], q.typed[2]);
        const std::string context = q.typed[0] + " " + q.typed[1] + " " + q.typed[2];
        const std::vector<Method> methods = methods_of(e);
        const Method shown =
            methods[std::uniform_int_distribution<std::size_t>(0, methods.size() - 1)(random)];
        check_right_forms(e, q, GetParam() == 3, context);
        check_slips(e, q, shown, context + " shown " + std::to_string(static_cast<int>(shown)),
                    named);
        check_positive_root_only(e, q, shown, context);
        check_unexplained(e, q, shown, context);
    }
    for (const std::string& phrase : slips_met(GetParam())) {
        EXPECT_GT(named[phrase], 0) << phrase << " never named";
    }
}

std::string kind_name(const testing::TestParamInfo<int>& info) {
    const std::array<const char*, 4> names{"rational_roots", "irrational_roots", "no_real_roots",
                                           "decimals"};
    return names[static_cast<std::size_t>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Kinds, RandomQuadraticAnswers, testing::Values(0, 1, 2, 3), kind_name);

} // namespace
