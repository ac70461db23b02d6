// vornix --practice: each accepted form, each refusal (exit code 2, nothing
// written), the list that --export takes back, the seed said when chosen,
// and the sheets and keys of every version written all or none.
#include "kept_files.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace vornix::testing {
namespace {

using calc::PracticeKind;
using ui::CommandLine;

struct Accepted {
    const char* name;
    std::vector<std::string> arguments;
    ui::PracticeRequest request;
};

void PrintTo(const Accepted& row, std::ostream* out) {
    *out << row.name;
}

class PracticeAccepted : public ::testing::TestWithParam<Accepted> {};

TEST_P(PracticeAccepted, IntoItsRequest) {
    const Accepted& row = GetParam();
    const CommandLine line = ui::read_command_line(row.arguments, {});
    ASSERT_EQ(line.action, CommandLine::Action::Practice) << line.refused;
    const ui::PracticeRequest& got = line.practice;
    EXPECT_EQ(got.count, row.request.count);
    EXPECT_EQ(got.kind, row.request.kind);
    EXPECT_EQ(got.level, row.request.level);
    EXPECT_EQ(got.seed, row.request.seed);
    EXPECT_EQ(got.sheet, row.request.sheet);
    EXPECT_EQ(got.key, row.request.key);
    EXPECT_EQ(got.versions, row.request.versions);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PracticeAccepted,
    ::testing::Values(
        Accepted{"list_with_a_seed",
                 {"--practice", "10", "--kind", "factor", "--seed", "8041"},
                 {10, PracticeKind::Factor, 1, 8041, "", "", 0}},
        Accepted{"options_in_any_order_without_a_seed",
                 {"--kind", "line", "--level", "3", "--practice", "200"},
                 {200, PracticeKind::Line, 3, std::nullopt, "", "", 0}},
        Accepted{"all_of_factor_level_one",
                 {"--practice", "189", "--kind", "factor"},
                 {189, PracticeKind::Factor, 1, std::nullopt, "", "", 0}},
        Accepted{"largest_seed_leading_zeros",
                 {"--practice", "007", "--kind", "mixed", "--seed", "18446744073709551615"},
                 {7, PracticeKind::Mixed, 1, 18446744073709551615u, "", "", 0}},
        Accepted{"sheet_key_and_six_versions",
                 {"--practice", "33", "--kind", "function", "--level", "2", "--seed", "0",
                  "--export", "s.pdf", "--key", "k.pdf", "--versions", "6"},
                 {33, PracticeKind::Function, 2, 0, "s.pdf", "k.pdf", 6}},
        Accepted{"factor_level_one_shared_by_six",
                 {"--practice", "31", "--kind", "factor", "--export", "s.svg", "--versions", "6"},
                 {31, PracticeKind::Factor, 1, std::nullopt, "s.svg", "", 6}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    std::vector<std::string> arguments;
    std::string says; // after "vornix: "
};

void PrintTo(const Refused& row, std::ostream* out) {
    *out << row.name;
}

class PracticeRefused : public ::testing::TestWithParam<Refused> {};

TEST_P(PracticeRefused, InOneLineWithExitCode2AndNothingWritten) {
    const Refused& row = GetParam();
    // Asked for the list, and for a sheet, alike.
    std::vector<std::string> arguments = row.arguments;
    if (std::ranges::find(arguments, "--export") == arguments.end()) {
        arguments.insert(arguments.begin(), {"--export", "sheet.svg"});
    }
    for (const auto& tried : {row.arguments, arguments}) {
        const Ran ran = run_command_line(tried);
        EXPECT_EQ(ran.answer.exit_code, 2) << ::testing::PrintToString(tried);
        EXPECT_TRUE(ran.answer.is_error);
        EXPECT_EQ(ran.answer.text,
                  "vornix: " + row.says + "\n请用 vornix --help 查看用法 / see vornix --help\n");
        EXPECT_TRUE(ran.files.empty());
        EXPECT_EQ(ran.answer.note, "") << "no seed chosen for a set not made";
    }
}

std::string count_range(const std::string& value) {
    return "--practice 须是 1 到 200 的整数 / must be a whole number from 1 to 200: " + value;
}

const std::string kSeedRange = "--seed 须是 0 到 18446744073709551615 的整数 / must be a whole "
                               "number from 0 to 18446744073709551615: ";

INSTANTIATE_TEST_SUITE_P(
    Refusals, PracticeRefused,
    ::testing::Values(
        Refused{"no_exercises", {"--practice", "0", "--kind", "line"}, count_range("0")},
        Refused{"too_many", {"--practice", "201", "--kind", "line"}, count_range("201")},
        Refused{
            "count_in_full_width", {"--practice", "１０", "--kind", "line"}, count_range("１０")},
        Refused{"count_huge",
                {"--practice", "99999999999999999999999", "--kind", "line"},
                count_range("99999999999999999999999")},
        Refused{"more_than_factor_level_one_holds",
                {"--practice", "190", "--kind", "factor"},
                "一元二次方程 · 因式分解法 · 练习一（factor level 1）只能出 189 道不同的题，这里要 "
                "190 道 / holds only 189 different exercises, 190 asked"},
        Refused{"more_than_six_versions_can_share",
                {"--practice", "34", "--kind", "line", "--versions", "6", "--export", "s.pdf"},
                "一次函数 · 待定系数法 · 练习一（line level 1）只能出 200 道不同的题，这里要 204 "
                "道 / holds only 200 different exercises, 204 asked"},
        Refused{"kind_missing",
                {"--practice", "5"},
                "--practice 需要 --kind factor|square|formula|mixed|function|line / needs --kind"},
        Refused{"kind_unknown",
                {"--practice", "5", "--kind", "Factor"},
                "--kind 须是 factor、square、formula、mixed、function 或 line / must be one of "
                "factor, square, formula, mixed, function, line: Factor"},
        Refused{"level_four",
                {"--practice", "5", "--kind", "line", "--level", "4"},
                "--level 须是 1 到 3 的整数 / must be a whole number from 1 to 3: 4"},
        Refused{"seed_negative",
                {"--practice", "5", "--kind", "line", "--seed", "-1"},
                kSeedRange + "-1"},
        Refused{"seed_past_64_bits",
                {"--practice", "5", "--kind", "line", "--seed", "18446744073709551616"},
                kSeedRange + "18446744073709551616"},
        Refused{"seven_versions",
                {"--practice", "5", "--kind", "line", "--versions", "7", "--export", "s.pdf"},
                "--versions 须是 1 到 6 的整数 / must be a whole number from 1 to 6: 7"},
        Refused{"kind_twice",
                {"--practice", "5", "--kind", "line", "--kind", "factor"},
                "--kind 只能给一次 / is given twice"},
        Refused{"seed_missing",
                {"--practice", "5", "--kind", "line", "--seed"},
                "--seed 后面缺少值 / needs a value"},
        Refused{"count_taken_as_the_seed",
                {"--kind", "line", "--seed", "--practice"},
                "--practice 后面缺少值 / needs a value"},
        Refused{"an_exercise_beside_it",
                {"--practice", "5", "--kind", "line", "--quadratic", "1", "2", "3"},
                "--quadratic 不能与 --practice 同用 / --quadratic cannot go with --practice"},
        Refused{"a_method_beside_it",
                {"--practice", "5", "--kind", "factor", "--method", "factor"},
                "--method 不能与 --practice 同用 / --method cannot go with --practice"},
        Refused{"an_argument_of_nothing_known",
                {"--practice", "5", "--kind", "line", "list.txt"},
                "无法识别的参数 / unknown argument: list.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PracticeRefused, AKeyOrVersionsWithoutASheetAndTheKeyOverTheSheet) {
    struct Row {
        const char* name;
        std::vector<std::string> arguments;
        std::string says;
    };
    for (const Row& row : {
             Row{"key_without_a_sheet",
                 {"--practice", "5", "--kind", "line", "--key", "k.pdf"},
                 "--key 需要 --export SHEET / needs --export SHEET"},
             Row{"versions_without_a_sheet",
                 {"--practice", "5", "--kind", "line", "--versions", "2"},
                 "--versions 需要 --export SHEET / needs --export SHEET"},
             Row{"sheet_without_a_name",
                 {"--practice", "5", "--kind", "line", "--export", "", "--versions", "2"},
                 "--export 需要文件名 / needs a file name"},
             Row{"key_without_a_name",
                 {"--practice", "5", "--kind", "line", "--export", "s.pdf", "--key", ""},
                 "--key 需要文件名 / needs a file name"},
             Row{"key_over_the_sheet",
                 {"--practice", "5", "--kind", "line", "--export", "s.pdf", "--key", "s.pdf"},
                 "--key 与 --export 须是两个文件 / --key and --export need two files"},
         }) {
        const Ran ran = run_command_line(row.arguments);
        EXPECT_EQ(ran.answer.exit_code, 2) << row.name;
        EXPECT_EQ(ran.answer.text.substr(0, ran.answer.text.find('\n')), "vornix: " + row.says)
            << row.name;
        EXPECT_TRUE(ran.files.empty()) << row.name;
    }
}

std::vector<std::string> words_of(const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ' ' || text[i] == '\n') {
            if (i > start) {
                words.push_back(text.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return words;
}

// What --export makes of a list, given back to it.
std::vector<ui::ExportRequest::Item> exported(const std::string& list) {
    std::vector<std::string> arguments{"--export", "key.pdf"};
    const std::vector<std::string> words = words_of(list);
    arguments.insert(arguments.end(), words.begin(), words.end());
    const CommandLine line = ui::read_command_line(arguments, {});
    EXPECT_EQ(line.action, CommandLine::Action::Export) << line.refused;
    return line.request.items;
}

TEST(PracticeList, OneExerciseALineThatExportTakesBackAndNothingElse) {
    for (const auto& [kind, level] : {std::pair{"factor", "1"}, std::pair{"line", "3"},
                                      std::pair{"function", "2"}, std::pair{"mixed", "3"}}) {
        const Ran ran = run_command_line(
            {"--practice", "12", "--kind", kind, "--level", level, "--seed", "8041"});
        EXPECT_EQ(ran.answer.exit_code, 0);
        EXPECT_FALSE(ran.answer.is_error);
        EXPECT_EQ(ran.answer.note, "") << "the seed was given";
        const auto made = calc::make_exercises(*calc::kind_named(kind), level[0] - '0', 8041, 12);
        const auto items = exported(ran.answer.text);
        ASSERT_EQ(items.size(), made.size()) << kind << ":\n" << ran.answer.text;
        for (std::size_t i = 0; i < made.size(); ++i) {
            EXPECT_EQ(items[i].line, made[i].line) << kind << " " << i;
            EXPECT_EQ(items[i].entries, made[i].entries) << kind << " " << i;
        }
        EXPECT_EQ(std::ranges::count(ran.answer.text, '\n'), 12) << kind;
    }
}

TEST(PracticeList, WithoutASeedTheOneChosenIsSaidAndGivesTheSameList) {
    const Ran ran = run_command_line({"--practice", "5", "--kind", "square"});
    std::smatch said;
    ASSERT_TRUE(std::regex_match(ran.answer.note, said, std::regex("种子 / seed: ([0-9]+)\n")))
        << ran.answer.note;
    const Ran again =
        run_command_line({"--practice", "5", "--kind", "square", "--seed", said[1].str()});
    EXPECT_EQ(again.answer.text, ran.answer.text);
}

TEST(PracticePapers, EveryVersionsSheetAndKeyInItsFilesWithNothingSaid) {
    const Ran ran =
        run_command_line({"--practice", "2", "--kind", "function", "--seed", "8041", "--export",
                          "out/sheet.svg", "--key", "out/key.pdf", "--versions", "3"});
    EXPECT_EQ(ran.answer.exit_code, 0) << ran.answer.text;
    EXPECT_EQ(ran.answer.text, "");
    std::vector<std::string> names;
    for (const auto& [name, bytes] : ran.files) {
        names.push_back(name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"out/key-A.pdf", "out/key-B.pdf", "out/key-C.pdf",
                                        "out/sheet-A.svg", "out/sheet-B.svg", "out/sheet-C.svg"}));
    for (const char* letter : {"A", "B", "C"}) {
        const std::string& sheet = ran.files.at(std::string("out/sheet-") + letter + ".svg");
        EXPECT_NE(sheet.find(std::string("二次函数 · 函数的性质 · 练习一 · ") + letter + "卷"),
                  std::string::npos)
            << letter;
        EXPECT_NE(sheet.find("Vornix 1.0.1 · 种子 8041 · 第 1 页"), std::string::npos) << letter;
    }
    const Ran unlettered = run_command_line(
        {"--practice", "4", "--kind", "line", "--seed", "1", "--export", "sheet.svg"});
    EXPECT_EQ(unlettered.files.size(), 1u);
    EXPECT_EQ(unlettered.files.count("sheet.svg"), 1u);
}

TEST(PracticePapers, AllFilesOrNone) {
    struct Row {
        const char* name;
        std::vector<std::string> arguments;
        std::string refused; // the file that cannot be written
        int exit_code;
        std::string says;
    };
    const std::vector<std::string> set{"--practice", "3", "--kind", "square", "--seed", "2"};
    const auto with = [&set](std::vector<std::string> more) {
        more.insert(more.begin(), set.begin(), set.end());
        return more;
    };
    for (const Row& row : {
             Row{"the_last_key_refused",
                 with({"--export", "s.svg", "--key", "k.svg", "--versions", "2"}), "k-B.svg", 1,
                 "vornix: 无法写入文件 k-B.svg"},
             Row{"a_folder_that_is_not_there", with({"--export", "locked/s.pdf"}), "", 1,
                 "vornix: 无法写入文件 locked/s.pdf"},
             Row{"a_key_of_no_known_kind", with({"--export", "s.pdf", "--key", "k.doc"}), "", 2,
                 "vornix: 无法保存为 k.doc"},
         }) {
        const Ran ran = run_command_line(row.arguments, row.refused);
        EXPECT_EQ(ran.answer.exit_code, row.exit_code) << row.name;
        EXPECT_TRUE(ran.answer.text.starts_with(row.says)) << row.name << ": " << ran.answer.text;
        EXPECT_TRUE(ran.files.empty()) << row.name;
    }
}

} // namespace
} // namespace vornix::testing
