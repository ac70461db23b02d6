#include "command_line.hpp"

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
             Row{{"--sync", "--help=x"}, Action::Refuse, "--help=x"},
             Row{{"sums.txt"}, Action::Refuse, "sums.txt"},
             Row{{"-"}, Action::Refuse, "-"},
         }) {
        const CommandLine line = vornix::ui::read_command_line(row.arguments, kToolkit);
        EXPECT_EQ(line.action, row.action) << testing::PrintToString(row.arguments);
        EXPECT_EQ(line.refused, row.refused) << testing::PrintToString(row.arguments);
    }
}

} // namespace
