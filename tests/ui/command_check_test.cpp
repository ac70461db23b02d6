// vornix --check: each accepted form read into its request, each refusal in
// one line with exit code 2, and the verdict printed as the window shows it,
// with the page and the method asked, exit 0 for 正确 and 3 for the rest.
#include "kept_files.hpp"

#include <gtest/gtest.h>

namespace vornix::testing {
namespace {

using ui::CommandLine;

struct Accepted {
    const char* name;
    std::vector<std::string> arguments;
    std::string answer;
    std::vector<std::string> entries;
    std::optional<calc::Method> method;
    draw::Page page;
};

void PrintTo(const Accepted& row, std::ostream* out) {
    *out << row.name;
}

class CheckAccepted : public ::testing::TestWithParam<Accepted> {};

TEST_P(CheckAccepted, IntoItsRequest) {
    const Accepted& row = GetParam();
    const CommandLine line = ui::read_command_line(row.arguments, {});
    ASSERT_EQ(line.action, CommandLine::Action::Check) << line.refused;
    EXPECT_EQ(line.check.answer, row.answer);
    EXPECT_EQ(line.check.exercise.entries, row.entries);
    EXPECT_EQ(line.check.exercise.line, row.entries.size() == 4);
    EXPECT_EQ(line.check.method, row.method);
    EXPECT_EQ(line.check.page, row.page);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CheckAccepted,
    ::testing::Values(Accepted{"roots_in_words",
                               {"--check", "x=1或x=2", "--quadratic", "1", "-3", "2"},
                               "x=1或x=2",
                               {"1", "-3", "2"},
                               std::nullopt,
                               draw::Page::Solve},
                      Accepted{"answer_after_the_exercise_starting_with_a_minus",
                               {"--quadratic", "1", "-3", "2", "--check", "-1, -2", "--method",
                                "formula"},
                               "-1, -2",
                               {"1", "-3", "2"},
                               calc::Method::Formula,
                               draw::Page::Solve},
                      Accepted{"line_on_the_function_page",
                               {"--check", "(1/2, 0), (0, -1)", "--line", "3", "5", "-4", "-9",
                                "--page", "function"},
                               "(1/2, 0), (0, -1)",
                               {"3", "5", "-4", "-9"},
                               std::nullopt,
                               draw::Page::Function},
                      Accepted{"empty_answer_and_full_width_entries",
                               {"--check", "", "--quadratic", "１", "－３", "2。5"},
                               "",
                               {"１", "－３", "2。5"},
                               std::nullopt,
                               draw::Page::Solve}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    std::vector<std::string> arguments;
    std::string says; // the first line, after "vornix: "
};

void PrintTo(const Refused& row, std::ostream* out) {
    *out << row.name;
}

class CheckRefused : public ::testing::TestWithParam<Refused> {};

TEST_P(CheckRefused, InOneLineWithExitCode2) {
    const Refused& row = GetParam();
    const Ran ran = run_command_line(row.arguments);
    EXPECT_EQ(ran.answer.exit_code, 2);
    EXPECT_TRUE(ran.answer.is_error);
    EXPECT_EQ(ran.answer.text.substr(0, ran.answer.text.find('\n')), "vornix: " + row.says);
}

const std::vector<std::string> kExercise{"--quadratic", "1", "-3", "2"};

std::vector<std::string> with_exercise(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), kExercise.begin(), kExercise.end());
    return arguments;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CheckRefused,
    ::testing::Values(
        Refused{"answer_missing", with_exercise({"--check"}), "--check 后面缺少值 / needs a value"},
        Refused{"no_exercise",
                {"--check", "1"},
                "--check 需要一道题（--quadratic 或 --line）/ needs an exercise"},
        Refused{"two_exercises", with_exercise({"--check", "1", "--line", "0", "1", "2", "5"}),
                "--check 只检查一道题 / checks one exercise"},
        Refused{"method_for_a_line",
                {"--check", "y=x", "--line", "0", "1", "2", "5", "--method", "factor"},
                "--method 只用于 --quadratic / is for --quadratic only"},
        Refused{"check_taken_as_the_method", with_exercise({"--method", "--check"}),
                "无法识别的参数 / unknown argument: --method --check"},
        Refused{"two_answers", with_exercise({"--check", "1", "--check", "2"}),
                "--check 只能给一次 / is given twice"},
        Refused{"export_beside_it", with_exercise({"--check", "1", "--export", "k.pdf"}),
                "--export 不能与 --check 同用 / --export cannot go with --check"},
        Refused{"practice_beside_it",
                {"--check", "1", "--practice", "3", "--kind", "line"},
                "--practice 不能与 --check 同用 / --practice cannot go with --check"},
        Refused{"an_argument_of_nothing_known", with_exercise({"--check", "1", "answers.txt"}),
                "无法识别的参数 / unknown argument: answers.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Checked {
    const char* name;
    std::vector<std::string> arguments;
    int exit_code;
    std::string text;
};

void PrintTo(const Checked& row, std::ostream* out) {
    *out << row.name;
}

class CheckPrints : public ::testing::TestWithParam<Checked> {};

TEST_P(CheckPrints, TheVerdictsLinesWithItsExitCode) {
    const Checked& row = GetParam();
    const Ran ran = run_command_line(row.arguments);
    EXPECT_EQ(ran.answer.exit_code, row.exit_code);
    EXPECT_EQ(ran.answer.text, row.text);
    EXPECT_EQ(ran.answer.is_error, row.exit_code == 2);
    EXPECT_TRUE(ran.files.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, CheckPrints,
    ::testing::Values(
        Checked{"right", with_exercise({"--check", "x1=2，x2=1"}), 0,
                "正确：两个根都写对了，也都是最简形式.\n"},
        Checked{"the_method_the_window_shows_first_names_its_slip",
                with_exercise({"--check", "-1, -2"}), 3,
                "不正确：x=-1 不是方程的根（代入方程的左边得 6，不等于 0）；"
                "x=-2 不是方程的根（代入方程的左边得 12，不等于 0）.\n"
                "可能的错因：由 x−1=0 得出了 x=−1，由 x−2=0 得出了 x=−2.\n"
                "对照解题过程第 3 行.\n"},
        Checked{"the_method_asked_names_its_slip",
                with_exercise({"--check", "-1, -2", "--method", "formula"}), 3,
                "不正确：x=-1 不是方程的根（代入方程的左边得 6，不等于 0）；"
                "x=-2 不是方程的根（代入方程的左边得 12，不等于 0）.\n"
                "可能的错因：你的答案正好是 x²+3x+2=0 的根，公式中的 −b 写成了 b.\n"
                "对照解题过程第 4 行.\n"},
        Checked{"the_page_asked",
                {"--check", "y=2(x+1)²-5", "--quadratic", "2", "-4", "-3", "--page", "function"},
                3,
                "不正确：y=2(x+1)²-5 与 y=2x²−4x−3 不是同一个函数.\n"
                "可能的错因：把 (x−h)² 的顶点横坐标看成了 −h.\n对照解题过程第 4 行.\n"},
        Checked{"unreadable",
                {"--check", "x=3±√5)/2", "--quadratic", "1", "-3", "1"},
                3,
                "看不懂：从“)/2”起读不下去.\n"},
        Checked{"nothing_to_check_is_a_bad_entry",
                {"--check", "无解", "--quadratic", "0", "0", "3"},
                2,
                "vornix: --quadratic 0 0 3：无法检查：因为 a=0 且 b=0，方程里已经没有未知数 "
                "x，所以没有可以解的方程.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vornix::testing
