#include "fake_registry.hpp"
#include "launcher.hpp"
#include "temp_folder.hpp"

#include <gtest/gtest.h>

namespace vornix::testing {
namespace {

using Strings = std::vector<std::string>;

class FakeShell : public Shell {
  public:
    bool start_program(const std::string& path) override {
        started.push_back(path);
        return can_start && !path.empty();
    }
    void show_message(const std::string& text) override { messages.push_back(text); }
    bool can_start = true;
    Strings started;
    Strings messages;
};

// Public, so that the rows of a table can arrange it.
struct StartSysInfoTest : ::testing::Test {
    void set_program_path(const std::string& path) {
        registry.put(kProgramPathKey, kProgramPathValue, ValueType::String, path + '\0');
    }
    void set_program_folder() {
        registry.put(kProgramFolderKey, kProgramFolderValue, ValueType::String,
                     folder.path().string() + '\0');
    }
    void put_msinfo32_in_folder() { folder.put("MSINFO32.EXE"); }
    void start() { StartSysInfo(registry, shell); }
    void expect_only_the_message() { EXPECT_EQ(shell.messages, Strings{kUnavailableMessage}); }

    FakeRegistry registry;
    FakeShell shell;
    TempFolder folder;
};

TEST_F(StartSysInfoTest, FirstLookUpWinsEvenWhenTheSecondWouldSucceed) {
    set_program_path("/usr/bin/hardinfo");
    set_program_folder();
    put_msinfo32_in_folder();
    start();
    EXPECT_EQ(shell.started, Strings{"/usr/bin/hardinfo"});
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(registry.open_calls, 1) << "the second look-up is not made";
}

TEST_F(StartSysInfoTest, SecondLookUpStartsMsinfo32InItsFolder) {
    set_program_folder();
    put_msinfo32_in_folder();
    start();
    EXPECT_EQ(shell.started, Strings{folder.path().string() + "\\MSINFO32.EXE"});
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(StartSysInfoTest, EveryFailureEndsInTheOneMessage) {
    struct Case {
        const char* name;
        void (*arrange)(StartSysInfoTest&);
        Strings started;
    };
    const Case cases[] = {
        {"neither_look_up", [](StartSysInfoTest&) {}, {}},
        {"folder_without_the_file", [](StartSysInfoTest& t) { t.set_program_folder(); }, {}},
        {"program_that_does_not_start",
         [](StartSysInfoTest& t) {
             t.set_program_path("/nowhere/msinfo32");
             t.shell.can_start = false;
         },
         {"/nowhere/msinfo32"}},
        {"first_value_of_another_type_gives_an_empty_path",
         [](StartSysInfoTest& t) {
             t.registry.put(kProgramPathKey, kProgramPathValue, ValueType::ExpandString,
                            "%windir%\\msinfo32.exe");
             t.set_program_folder();
             t.put_msinfo32_in_folder();
         },
         {}},
        {"path_with_a_nul_inside",
         [](StartSysInfoTest& t) {
             t.set_program_path({"/bin/sh\0x", 9});
         },
         {}},
        {"value_of_zero_bytes",
         [](StartSysInfoTest& t) {
             t.registry.put(kProgramPathKey, kProgramPathValue, ValueType::String, "");
         },
         {}},
    };
    for (const Case& c : cases) {
        registry = FakeRegistry();
        shell = FakeShell();
        c.arrange(*this);
        start();
        EXPECT_EQ(shell.started, c.started) << c.name;
        EXPECT_EQ(shell.messages, Strings{kUnavailableMessage}) << c.name;
        EXPECT_EQ(registry.closes, registry.opens) << c.name;
    }
}

TEST_F(StartSysInfoTest, PathFullOfShellSyntaxIsStartedAsThatLiteralPath) {
    const std::string path = "/opt/a b/it's \"x\"; rm -rf ~ $(reboot) `id` | y & z";
    set_program_path(path);
    start();
    EXPECT_EQ(shell.started, Strings{path});
    EXPECT_TRUE(shell.messages.empty());
}

TEST(FindFile, NamesANormalFileOnly) {
    TempFolder folder;
    folder.put("MSINFO32.EXE");
    EXPECT_EQ(find_file((folder.path() / "MSINFO32.EXE").string()), "MSINFO32.EXE");
    EXPECT_EQ(find_file(folder.path().string() + "\\MSINFO32.EXE"), "MSINFO32.EXE")
        << "a backslash separates folders";
    EXPECT_EQ(find_file(folder.path().string()), "") << "a folder";
    EXPECT_EQ(find_file((folder.path() / "none").string()), "");
    EXPECT_EQ(find_file(std::string("/bin/sh\0x", 9)), "") << "a NUL inside";
}

} // namespace
} // namespace vornix::testing
