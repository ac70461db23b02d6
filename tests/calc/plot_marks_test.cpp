// The graph's marks: their labels as the pages write the numbers, their
// shorter forms, and over many random exercises the rules a drawing must not
// break (no two marks on one point, A left of B, the extremum the page says).
#include "exercise.hpp"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using vornix::calc::Exercise;
using vornix::calc::Plot;
using vornix::calc::PlotMark;
using Rational = boost::multiprecision::cpp_rational;
constexpr auto npos = std::string::npos;

Exercise evaluate(const std::vector<std::string>& e) {
    return e.size() == 3 ? vornix::calc::evaluate_quadratic(e[0], e[1], e[2])
                         : vornix::calc::evaluate_line(e[0], e[1], e[2], e[3]);
}

std::vector<std::string> labels(const Plot& plot) {
    std::vector<std::string> all;
    for (const PlotMark& m : plot.marks) {
        all.push_back(m.label);
    }
    for (const auto& guide : plot.guides) {
        all.push_back("guide " + guide.label);
    }
    return all;
}

// The function page's graph, where the vertex names its extremum too.
TEST(MarkLabels, WriteEachNumberAsItsPageDoes) {
    struct Row {
        const char* name;
        std::vector<std::string> entries;
        std::vector<std::string> labels;
    };
    for (const Row& row : {
             Row{"vertex_on_both_axes_is_a_and_c",
                 {"2", "0", "0"},
                 {"A（C），顶点 (0, 0)，最小值 0", "guide x=0"}},
             Row{"vertex_too_long_rounded_alike",
                 {"5.5", "8.7", "0.9"},
                 {"A", "B", "顶点 ≈(−0.79, −2.54)，最小值 ≈−2.54", "C", "guide x≈−0.79"}},
             Row{"typed_points_keep_their_decimals",
                 {"0.5", "1", "1.5", "2.5"},
                 {"(0.5, 1)", "(1.5, 2.5)", "(0, 1/4)", "(−1/6, 0)"}},
             Row{"negative_decimals_kept",
                 {"-1.25", "0.5", "2", "3"},
                 {"(−1.25, 0.5)", "(2, 3)", "(0, 19/13)", "(−19/10, 0)"}},
             Row{"typed_point_too_long_rounded_alike",
                 {"1.23456789", "2.3456789", "1.23456789", "50"},
                 {"≈(1.23, 2.35)", "≈(1.2, 50)", "guide x≈1.23"}},
             Row{"typed_in_e_notation_where_shorter_than_its_digits",
                 {"1E-7", "1", "1E-7", "3"},
                 {"(1E-07, 1)", "(1E-07, 3)", "guide x=1E-07"}},
             Row{"far_apart_coordinates_in_e_notation",
                 {"1", "2", "3E-300", "4E300"},
                 {"(1, 2)", "(3E-300, 4E+300)", "≈(0, 4E+300)", "≈(1, 0)"}},
             Row{"constant_keeps_its_decimal", {"0", "0", "-2.5"}, {"(0, −2.5)"}},
         }) {
        EXPECT_EQ(labels(evaluate(row.entries).function.plot), row.labels) << row.name;
    }
    EXPECT_EQ(labels(evaluate({"0.5", "1", "0.5", "3"}).plot),
              (std::vector<std::string>{"(0.5, 1)", "(0.5, 3)", "guide x=0.5"}))
        << "a refusal's guide as typed";
}

TEST(MarkLabels, ShortenDownToTheLetterOrTheVertex) {
    struct Row {
        const char* name;
        std::vector<std::string> entries;
        std::vector<std::string> shorter; // of the mark that names the vertex
    };
    for (const Row& row : {
             Row{"vertex_alone", {"1", "1", "1"}, {"顶点 (−1/2, 3/4)", "顶点"}},
             Row{"vertex_is_a", {"1", "2", "1"}, {"A，顶点 (−1, 0)", "A，顶点", "A"}},
             Row{"vertex_is_c", {"-1", "0", "4"}, {"C，顶点 (0, 4)", "C，顶点", "C"}},
             // The letters that name the point stay longest; "顶点 (0, 0)",
             // wider than "A（C），顶点", is left out.
             Row{"vertex_is_a_and_c",
                 {"2", "0", "0"},
                 {"A（C），顶点 (0, 0)", "A（C），顶点", "A（C）", "A"}},
         }) {
        const Plot plot = evaluate(row.entries).function.plot;
        const auto vertex = std::ranges::find_if(
            plot.marks, [](const PlotMark& m) { return m.label.find("顶点") != npos; });
        ASSERT_NE(vertex, plot.marks.end()) << row.name;
        EXPECT_EQ(vertex->shorter, row.shorter) << row.name;
    }
}

// A terminating decimal as typed: "-0.025".
std::string decimal_entry(const Rational& value) {
    const Rational scaled = abs(value) * 1000;
    const std::string digits = boost::multiprecision::cpp_int(numerator(scaled)).str();
    const std::string padded = std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
    return (value < 0 ? "-" : "") + padded.substr(0, padded.size() - 3) + "." +
           padded.substr(padded.size() - 3);
}

std::size_t characters(const std::string& text) {
    return static_cast<std::size_t>(std::ranges::count_if(
        text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// "最小值 3/4" of a label or "有最小值 3/4." of the page: what follows the word.
std::string after(const std::string& text, const std::string& word, const std::string& end) {
    const std::size_t start = text.find(word) + word.size();
    return text.substr(start, text.find(end, start) - start);
}

double number(std::string text) {
    for (std::size_t at = text.find("−"); at != npos; at = text.find("−", at)) {
        text.replace(at, std::string("−").size(), "-");
    }
    const std::size_t slash = text.find('/');
    return slash == npos ? std::stod(text)
                         : std::stod(text.substr(0, slash)) / std::stod(text.substr(slash + 1));
}

// The marks of one graph: no two on one point (a double root is one mark, not
// A and B over the vertex), A left of B, each shorter form narrower than the
// one before and the last a bare letter or "顶点", and the vertex's extremum
// the one the page states.
void expect_marks(const Exercise& e, const std::string& context) {
    const Plot& plot = e.function.plot;
    for (std::size_t i = 0; i < plot.marks.size(); ++i) {
        const PlotMark& m = plot.marks[i];
        for (std::size_t j = i + 1; j < plot.marks.size(); ++j) {
            EXPECT_FALSE(m.x == plot.marks[j].x && m.y == plot.marks[j].y)
                << context << ": " << m.label << " on " << plot.marks[j].label;
        }
        std::string before = m.label;
        for (const std::string& shorter : m.shorter) {
            EXPECT_LT(characters(shorter), characters(before)) << context << ": " << m.label;
            before = shorter;
        }
        if (m.label.find("顶点") != npos) {
            ASSERT_FALSE(m.shorter.empty()) << context;
            EXPECT_TRUE(m.shorter.back() == "顶点" || characters(m.shorter.back()) == 1)
                << context << ": " << m.shorter.back();
        }
    }
    const auto a =
        std::ranges::find(plot.marks, "A", [](const PlotMark& m) { return m.label.substr(0, 1); });
    const auto b =
        std::ranges::find(plot.marks, "B", [](const PlotMark& m) { return m.label.substr(0, 1); });
    if (a != plot.marks.end() && b != plot.marks.end()) {
        EXPECT_LT(a->x, b->x) << context;
    }
    std::string page;
    for (const auto& line : e.function.lines) {
        page += linear_text(line);
    }
    const auto vertex = std::ranges::find_if(
        plot.marks, [](const PlotMark& m) { return m.label.find("顶点") != npos; });
    ASSERT_NE(vertex, plot.marks.end()) << context;
    const bool minimum = page.find("有最小值") != npos;
    ASSERT_NE(vertex->label.find(minimum ? "最小值 " : "最大值 "), npos)
        << context << ": " << vertex->label;
    const std::string said = after(page, minimum ? "有最小值 " : "有最大值 ", ".");
    const std::string shown = after(vertex->label, minimum ? "最小值 " : "最大值 ", "\n");
    if (shown.starts_with("≈")) {
        EXPECT_NEAR(number(shown.substr(std::string("≈").size())), number(said),
                    0.006 * (1 + std::fabs(number(said))))
            << context;
    } else {
        EXPECT_EQ(shown, said) << context;
    }
}

// Random parabolas, one round in three with c = b²/4a, where the vertex
// lies on the x axis and the two crossings are one.
TEST(MarkProperties, HoldOverRandomParabolasAndDoubleRoots) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> tenths(-60, 60);
    std::uniform_int_distribution<int> halves(-12, 12);
    int double_roots = 0;
    int crossings = 0;
    for (int round = 0; round < 3000; ++round) {
        const int tenths_of_a = tenths(random);
        const Rational a = Rational(tenths_of_a == 0 ? 7 : tenths_of_a) / 10;
        Rational b = Rational(tenths(random)) / 10;
        Rational c = Rational(tenths(random)) / 10;
        if (round % 3 == 0) { // b = −2ah, c = ah²
            const Rational h = Rational(halves(random)) / 2;
            b = -2 * a * h;
            c = a * h * h;
        }
        const std::vector<std::string> entries{decimal_entry(a), decimal_entry(b),
                                               decimal_entry(c)};
        const Exercise e = evaluate(entries);
        const std::string context = entries[0] + " " + entries[1] + " " + entries[2];
        expect_marks(e, context);
        double_roots += b * b == 4 * a * c ? 1 : 0;
        crossings += b * b > 4 * a * c ? 1 : 0;
    }
    EXPECT_GT(double_roots, 900);
    EXPECT_GT(crossings, 900);
}

} // namespace
