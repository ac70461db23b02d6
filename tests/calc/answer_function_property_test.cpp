// The answer checker over thousands of random lines and parabolas: the
// line's expression (求解析式), the vertex form or vertex, the crossings or
// the area. Right answers in several written forms are 正确; each slip of
// 待定系数法 and of the vertex form, found here from its definition, is
// named alone; answers no slip explains get no diagnosis.
#include "answer.hpp"
#include "answer_oracle.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace answer_oracle;
using vornix::calc::check_answer;
using vornix::calc::Exercise;
using vornix::calc::Mark;
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

std::string named_cause(const Verdict& v) {
    for (const std::string& line : v.lines) {
        if (line.starts_with("可能的错因：")) {
            return line;
        }
    }
    return "";
}

void expect_mark(const Exercise& e, Page page, const std::string& answer, Mark mark,
                 const std::string& context) {
    const Verdict v = check_answer(e, page, std::nullopt, answer);
    EXPECT_EQ(v.mark, mark) << context << " " << answer << "\n" << all_lines(v);
}

// k·x as a student writes it after "y=": "x", "-x", "1/3x", "(−2/3)x".
std::string times_x(const Rational& k, bool bracket) {
    if (k == 1 || k == -1) {
        return k == 1 ? "x" : "-x";
    }
    return (bracket ? bracketed(k) : text(k)) + "x";
}

// "+3", "-1/2", nothing for 0: a constant after a term.
std::string then(const Rational& c) {
    return c == 0 ? "" : (c > 0 ? "+" : "") + text(c);
}

// A slip's answer with the phrase a teacher names for it.
template <typename Answer> struct Known {
    std::string phrase;
    Answer answer;
};

template <typename Answer>
std::string expected_phrase(const std::vector<Known<Answer>>& slips, const Answer& answer) {
    std::vector<std::string> kinds;
    for (const auto& slip : slips) {
        if (slip.answer == answer &&
            std::find(kinds.begin(), kinds.end(), slip.phrase) == kinds.end()) {
            kinds.push_back(slip.phrase);
        }
    }
    return kinds.size() == 1 ? kinds.front() : "";
}

void expect_diagnosis(const Verdict& v, const std::string& phrase, const std::string& context) {
    EXPECT_EQ(v.mark, Mark::Wrong) << context << "\n" << all_lines(v);
    const std::string cause = named_cause(v);
    if (phrase.empty()) {
        EXPECT_EQ(cause, "") << context;
    } else {
        EXPECT_NE(cause.find(phrase), std::string::npos) << context << "\n" << all_lines(v);
    }
}

struct Line {
    Rational x1, y1, x2, y2;
    Exercise exercise;
};

Line random_line(std::mt19937_64& random, bool decimals) {
    std::uniform_int_distribution<int> coordinate(-9, 9);
    for (;;) {
        const int scale = decimals ? 2 : 1; // halves: 0.5, −1.5
        Line l{Rational(coordinate(random), scale),
               Rational(coordinate(random), scale),
               Rational(coordinate(random), scale),
               Rational(coordinate(random), scale),
               {}};
        if (l.x1 == l.x2 || l.y1 == l.y2) {
            continue;
        }
        const auto typed = [](const Rational& v) {
            return denominator(v) == 1
                       ? text(v)
                       : (v < 0 ? "-" : "") + text(Rational(abs(v) - Rational(1, 2))) + ".5";
        };
        l.exercise =
            vornix::calc::evaluate_line(typed(l.x1), typed(l.y1), typed(l.x2), typed(l.y2));
        return l;
    }
}

using KB = std::pair<Rational, Rational>;

std::vector<Known<KB>> line_slips(const Line& l) {
    const Rational k = (l.y2 - l.y1) / (l.x2 - l.x1);
    std::vector<Known<KB>> slips;
    const auto through_either = [&](const std::string& phrase, const Rational& wrong_k) {
        slips.push_back({phrase, {wrong_k, l.y1 - wrong_k * l.x1}});
        slips.push_back({phrase, {wrong_k, l.y2 - wrong_k * l.x2}});
    };
    through_either("x 的差除以 y 的差", (l.x2 - l.x1) / (l.y2 - l.y1));
    through_either("k 的符号错了", -k);
    slips.push_back({"算 b 时符号错了", {k, l.y1 + k * l.x1}});
    slips.push_back({"算 b 时符号错了", {k, l.y2 + k * l.x2}});
    if (l.y1 != l.x2) { // the first point read as (y1, x1)
        const Rational swapped = (l.y2 - l.x1) / (l.x2 - l.y1);
        slips.push_back({"坐标弄反了 1", {swapped, l.y2 - swapped * l.x2}});
    }
    if (l.x1 != l.y2) {
        const Rational swapped = (l.x2 - l.y1) / (l.y2 - l.x1);
        slips.push_back({"坐标弄反了 2", {swapped, l.y1 - swapped * l.x1}});
    }
    return slips;
}

// "(3, −5)" as the checker names a point in a slip.
std::string point_named(const Rational& x, const Rational& y) {
    const auto number = [](const Rational& v) {
        const std::string magnitude =
            denominator(v) == 1 ? text(abs(v)) : text(Rational(abs(v) - Rational(1, 2))) + ".5";
        return (v < 0 ? "−" : "") + magnitude;
    };
    return "(" + number(x) + ", " + number(y) + ")";
}

bool terminating(const Rational& v) {
    Integer d = denominator(v);
    for (const int p : {2, 5}) {
        while (d % p == 0) {
            d /= p;
        }
    }
    return d == 1;
}

class RandomLineAnswers : public testing::TestWithParam<bool> {};

TEST_P(RandomLineAnswers, ExpressionVerdictsAndSlips) {
    std::mt19937_64 random(77 + GetParam());
    std::map<std::string, int> named;
    for (int round = 0; round < kExercisesOfEachKind; ++round) {
        const Line l = random_line(random, GetParam());
        const Exercise& e = l.exercise;
        const Rational k = (l.y2 - l.y1) / (l.x2 - l.x1);
        const Rational b = l.y1 - k * l.x1;
        const std::string context = point_named(l.x1, l.y1) + " " + point_named(l.x2, l.y2);
        std::vector<std::string> right{"y=" + times_x(k, false) + then(b),
                                       "y=" + times_x(k, true) + then(b),
                                       "k=" + text(k) + "，b=" + text(b)};
        if (b != 0) {
            right.push_back("y=" + text(b) + (k > 0 ? "+" : "-") + times_x(abs(k), false));
        }
        // Exact decimals: simplest where the points were typed with decimals.
        const auto k_decimal = decimal(k), b_decimal = decimal(b);
        const bool decimals = denominator(k) != 1 || denominator(b) != 1;
        if (k_decimal && b_decimal && decimals) {
            const std::string kx = k == 1 || k == -1 ? times_x(k, false) : *k_decimal + "x";
            const std::string answer = "y=" + kx + (b == 0 ? "" : (b < 0 ? "" : "+") + *b_decimal);
            const bool typed_decimals = denominator(l.x1) != 1 || denominator(l.y1) != 1 ||
                                        denominator(l.x2) != 1 || denominator(l.y2) != 1;
            expect_mark(e, Page::Solve, answer, typed_decimals ? Mark::Correct : Mark::Unsimplified,
                        context);
        }
        for (const std::string& answer : right) {
            expect_mark(e, Page::Solve, answer, Mark::Correct, context);
        }
        if (k != 1 && k != -1) {
            const std::string doubled = "(" + text(Rational(2 * numerator(k))) + "/" +
                                        text(Rational(2 * denominator(k))) + ")";
            expect_mark(e, Page::Solve, "y=" + doubled + "x" + then(b), Mark::Unsimplified,
                        context);
        }
        if (!terminating(k)) {
            const std::string near = three_places(k.convert_to<long double>());
            expect_mark(e, Page::Solve, "y=" + near + "x" + then(b), Mark::Approximate, context);
        }
        expect_mark(e, Page::Solve, "k=" + text(k), Mark::Incomplete, context);
        const std::vector<Known<KB>> slips = line_slips(l);
        for (const auto& slip : slips) {
            if (slip.answer == KB{k, b}) {
                continue;
            }
            const std::string answer = line_text(slip.answer.first, slip.answer.second);
            std::string phrase = expected_phrase(slips, slip.answer);
            if (phrase.starts_with("坐标弄反了")) {
                const bool first = phrase.ends_with("1");
                phrase = "把点 " + (first ? point_named(l.x1, l.y1) : point_named(l.x2, l.y2)) +
                         " 的横、纵坐标弄反了";
            }
            if (!phrase.empty()) {
                ++named[phrase.starts_with("把点") ? "把点" : phrase];
            }
            expect_diagnosis(check_answer(e, Page::Solve, std::nullopt, answer), phrase,
                             context + " " + answer);
        }
        const KB unexplained{k + 1, b};
        if (expected_phrase(slips, unexplained).empty()) {
            expect_diagnosis(check_answer(e, Page::Solve, std::nullopt,
                                          line_text(unexplained.first, unexplained.second)),
                             "", context + " moved");
        }
    }
    EXPECT_EQ(named.size(), 4u) << "every slip of 待定系数法 named";
}

INSTANTIATE_TEST_SUITE_P(Points, RandomLineAnswers, testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "halves" : "whole_numbers");
});

TEST(RandomLineFunctionAnswers, CrossingsAndArea) {
    std::mt19937_64 random(78);
    for (int round = 0; round < kExercisesOfEachKind; ++round) {
        const Line l = random_line(random, false);
        const Exercise& e = l.exercise;
        const Rational k = (l.y2 - l.y1) / (l.x2 - l.x1);
        const Rational b = l.y1 - k * l.x1;
        const std::string context = point_named(l.x1, l.y1) + " " + point_named(l.x2, l.y2);
        const std::string on_y = "(0," + text(b) + ")";
        const std::string on_x = "(" + text(Rational(-b / k)) + ",0)";
        if (b == 0) {
            expect_mark(e, Page::Function, "(0,0)", Mark::Correct, context);
            expect_mark(e, Page::Function, "S=0", Mark::Wrong, context);
            continue;
        }
        const Rational area = abs(b) * abs(b / k) / 2;
        expect_mark(e, Page::Function, on_y + "，" + on_x, Mark::Correct, context);
        expect_mark(e, Page::Function, on_x + " " + on_y, Mark::Correct, context);
        expect_mark(e, Page::Function, "S=" + text(area), Mark::Correct, context);
        expect_mark(e, Page::Function, on_x, Mark::Incomplete, context);
        expect_mark(e, Page::Function, "S=" + text(Rational(area + 1)), Mark::Wrong, context);
    }
}

// a(x − h)² + k as a student writes it: "2(x-1)^2-5", "-(x+1/2)²", "3x²+1".
std::string vertex_form(const Rational& a, const Rational& h, const Rational& k) {
    const std::string factor = a == 1 ? "" : a == -1 ? "-" : bracketed(a);
    const std::string square = h == 0 ? "x^2" : "(x" + then(Rational(-h)) + ")^2";
    return "y=" + factor + square + then(k);
}

using AHK = std::array<Rational, 3>;

TEST(RandomParabolaAnswers, VertexFormAndVertex) {
    std::mt19937_64 random(79);
    std::uniform_int_distribution<int> coefficient(-9, 9);
    std::map<std::string, int> named;
    for (int round = 0; round < kExercisesOfEachKind; ++round) {
        const Rational a =
            std::uniform_int_distribution<int>(1, 4)(random) * (coefficient(random) < 0 ? -1 : 1);
        const Rational b = coefficient(random);
        const Rational c = coefficient(random);
        const Exercise e = vornix::calc::evaluate_quadratic(text(a), text(b), text(c));
        const Rational h = -b / (2 * a);
        const Rational k = c - a * h * h;
        const std::string context = text(a) + " " + text(b) + " " + text(c);
        const std::string vertex = "(" + text(h) + "," + text(k) + ")";
        expect_mark(e, Page::Function, vertex_form(a, h, k), Mark::Correct, context);
        expect_mark(e, Page::Function, vertex, Mark::Correct, context);
        expect_mark(e, Page::Function, "顶点坐标为" + vertex, Mark::Correct, context);
        expect_mark(e, Page::Function, "x=" + text(h), Mark::Incomplete, context);
        std::vector<Known<AHK>> slips;
        if (h != 0) {
            slips.push_back({"顶点横坐标看成了 −h", {a, -h, k}});
        }
        if (a != 1 && h != 0) {
            slips.push_back({"忘了乘 a", {a, h, c - h * h}});
            const Rational half = -b / 2;
            slips.push_back({"一次项没有除以 a", {a, half, c - a * half * half}});
        }
        for (const auto& slip : slips) {
            const auto& [sa, sh, sk] = slip.answer;
            const std::string phrase = expected_phrase(slips, slip.answer);
            if (!phrase.empty()) {
                ++named[phrase];
            }
            expect_diagnosis(check_answer(e, Page::Function, std::nullopt, vertex_form(sa, sh, sk)),
                             phrase, context + " " + vertex_form(sa, sh, sk));
            // The vertex alone says nothing of a: the slips that agree on h and k.
            std::vector<Known<AHK>> by_vertex;
            for (const auto& other : slips) {
                by_vertex.push_back({other.phrase, {0, other.answer[1], other.answer[2]}});
            }
            expect_diagnosis(check_answer(e, Page::Function, std::nullopt,
                                          "(" + text(sh) + "," + text(sk) + ")"),
                             expected_phrase(by_vertex, AHK{0, sh, sk}),
                             context + " vertex of " + phrase);
        }
        const AHK moved{a, h, k + 1};
        if (expected_phrase(slips, moved).empty()) {
            expect_diagnosis(
                check_answer(e, Page::Function, std::nullopt, vertex_form(a, h, Rational(k + 1))),
                "", context + " moved");
        }
    }
    EXPECT_EQ(named.size(), 3u) << "every slip of the vertex form named";
}

} // namespace
