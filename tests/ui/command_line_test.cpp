#include "command_line.hpp"
#include "export.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using vornix::ui::CommandLine;

constexpr std::array<vornix::ui::ToolkitOption, 2> kToolkit{{{"platform", true}, {"sync", false}}};

TEST(ReadCommandLine, HelpVersionToolkitOptionsAndEverythingElseRefused) {
    using Action = CommandLine::Action;
    struct Row {
        std::vector<std::string> arguments;
        Action action;
        std::string refused;
    };
    for (const Row& row : {
             Row{{}, Action::Run, ""},
             Row{{"-platform", "offscreen", "--sync"}, Action::Run, ""},
             Row{{"--platform=offscreen", "-h"}, Action::Help, ""},
             Row{{"--version", "--help"}, Action::Version, ""},
             Row{{"-platform", "--help"}, Action::Run, ""}, // the platform is called --help
             Row{{"--sync", "--help=x"},
                 Action::Refuse,
                 "无法识别的参数 / unknown argument: --help=x"},
             Row{{"sums.txt"}, Action::Refuse, "无法识别的参数 / unknown argument: sums.txt"},
             Row{{"-"}, Action::Refuse, "无法识别的参数 / unknown argument: -"},
         }) {
        const CommandLine line = vornix::ui::read_command_line(row.arguments, kToolkit);
        EXPECT_EQ(line.action, row.action) << testing::PrintToString(row.arguments);
        EXPECT_EQ(line.refused, row.refused) << testing::PrintToString(row.arguments);
    }
}

// A refusal is one line and where to find the usage, never the whole usage;
// a number that is not wholly a number names its exercise and itself.
TEST(AnswerCommandLine, ARefusalSaysWhatInOneLineAndABadNumberNamesItsExercise) {
    struct Row {
        std::vector<std::string> arguments;
        std::string text;
    };
    const std::string see = "\n请用 vornix --help 查看用法 / see vornix --help\n";
    for (const Row& row : {
             Row{{"--frobnicate"}, "vornix: 无法识别的参数 / unknown argument: --frobnicate" + see},
             Row{{"--export", "k.pdf", "--quadratic", "1", "2", "3", "--page", "back"},
                 "vornix: 无法识别的参数 / unknown argument: --page back" + see},
             Row{{"--export", "k.pdf", "--quadratic", "1"},
                 "vornix: --quadratic 需要 3 个数 / needs 3 numbers" + see},
             Row{{"--export", "key.pdf", "--quadratic", "1", "abc", "2"},
                 "vornix: 第 1 题（--quadratic 1 abc 2）：“abc” 不是一个数 / is not a number\n"},
             Row{{"--export", "key.pdf", "--line", "0", "1", "2", "5", "--quadratic", "1", "-3O",
                  "2"},
                 "vornix: 第 2 题（--quadratic 1 -3O 2）：“-3O” 不是一个数 / is not a number\n"},
         }) {
        const auto answer = vornix::ui::answer_command_line(row.arguments, kToolkit);
        EXPECT_EQ(answer.exit_code, 2) << testing::PrintToString(row.arguments);
        EXPECT_EQ(answer.text, row.text);
        EXPECT_TRUE(answer.is_error);
    }
}

} // namespace

namespace {

using vornix::ui::ExportRequest;

TEST(ReadCommandLine, AnExportTakesItsEntriesAsTheyStandNegativeOnesIncluded) {
    using Action = CommandLine::Action;
    struct Row {
        std::vector<std::string> arguments;
        Action action;
        std::size_t items;
    };
    for (const Row& row : {
             Row{{"--export", "k.pdf", "--quadratic", "1", "-3", "1", "--line", "3", "5", "-4",
                  "-9", "--method", "square", "--page", "function"},
                 Action::Export,
                 2},
             Row{{"--quadratic", "１", "－３", "0。5", "--export", "k.svg"}, Action::Export, 1},
             Row{{"--export", "k.pdf", "--quadratic", "1", "-3"}, Action::Refuse, 0},
             Row{{"--export", "k.pdf"}, Action::Refuse, 0},
             Row{{"--export", "k.pdf", "--quadratic", "1", "2", "3", "--method", "guess"},
                 Action::Refuse,
                 0},
             Row{{"--quadratic", "1", "2", "3", "--export"}, Action::Refuse, 0},
             Row{{"--export", "k.pdf", "--help"}, Action::Help, 0},
             Row{{"--export", "k.pdf", "--quadratic", "1", "abc", "2"}, Action::BadEntry, 0},
             Row{{"--export", "k.pdf", "--line", "0", "1", "2", "5,5"}, Action::BadEntry, 0},
         }) {
        const CommandLine line = vornix::ui::read_command_line(row.arguments, kToolkit);
        EXPECT_EQ(line.action, row.action) << testing::PrintToString(row.arguments);
        EXPECT_EQ(line.request.items.size(), row.items) << testing::PrintToString(row.arguments);
    }
    const CommandLine line = vornix::ui::read_command_line(
        std::vector<std::string>{"--export", "k.pdf", "--quadratic", "1", "-3", "1", "--method",
                                 "square", "--page", "function"},
        kToolkit);
    EXPECT_EQ(line.request.items[0].entries, (std::vector<std::string>{"1", "-3", "1"}));
    EXPECT_EQ(line.request.method, vornix::calc::Method::CompletingSquare);
    EXPECT_EQ(line.request.page, vornix::draw::Page::Function);
}

// Keeps what would be written; the folder "locked" cannot be written to.
class KeptFiles : public vornix::draw::PageRenderer {
  public:
    std::optional<std::string> pdf(vornix::draw::Pages&) override { return "%PDF"; }
    std::optional<std::string> png(vornix::draw::Pages&, std::size_t, double) override {
        return std::nullopt;
    }
    bool write_file(const std::string& path, std::string_view bytes) override {
        if (path.starts_with("locked/")) {
            return false;
        }
        written.emplace_back(path, bytes);
        return true;
    }
    void remove_file(const std::string&) override {}
    std::vector<std::pair<std::string, std::string>> written;
};

TEST(RunExport, WrittenSilentlyOrTheBadExerciseNamedInTheWindowsWordsAndNothingWritten) {
    struct Row {
        std::vector<std::string> arguments;
        int exit_code;
        std::string says;
        std::size_t files;
    };
    for (const Row& row : {
             Row{{"--export", "k.pdf", "--quadratic", "1", "-3", "1", "--line", "0", "1", "1", "3"},
                 0,
                 "",
                 1},
             Row{{"--export", "k.pdf", "--quadratic", "1", "2", "1", "--quadratic", "0", "0", "5"},
                 2,
                 "第 2 题（--quadratic 0 0 5）：因为 a=0 且 b=0",
                 0},
             Row{{"--export", "k.pdf", "--page", "function", "--quadratic", "0", "0", "5"},
                 0,
                 "",
                 1},
             Row{{"--export", "k.pdf", "--line", "1E400", "1", "2", "3"}, 2, "超出了计算的范围", 0},
             Row{{"--export", "locked/k.pdf", "--quadratic", "1", "2", "1"}, 1, "locked/k.pdf", 0},
             Row{{"--export", "k.doc", "--quadratic", "1", "2", "1"}, 2, ".png、.svg 或 .pdf", 0},
         }) {
        const CommandLine line = vornix::ui::read_command_line(row.arguments, kToolkit);
        ASSERT_EQ(line.action, CommandLine::Action::Export);
        KeptFiles files;
        const auto answer = vornix::ui::run_export(line.request, files);
        EXPECT_EQ(answer.exit_code, row.exit_code) << testing::PrintToString(row.arguments);
        EXPECT_NE(answer.text.find(row.says), std::string::npos) << answer.text;
        EXPECT_EQ(answer.text.empty(), row.says.empty()) << answer.text;
        EXPECT_EQ(files.written.size(), row.files) << testing::PrintToString(row.arguments);
    }
}

} // namespace
