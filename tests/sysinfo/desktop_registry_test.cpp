#include "key_value.hpp"
#include "launcher.hpp"
#include "scoped_env.hpp"
#include "temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace vornix::testing {
namespace {

using namespace vornix::sysinfo;

std::string put_program(const TempFolder& folder, const std::string& name, bool executable = true) {
    const auto file = folder.put(name, "#!/bin/sh\n");
    if (executable) {
        std::filesystem::permissions(file, std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
    }
    return file.string();
}

std::string look_up_program(bool* found = nullptr) {
    const auto registry = make_system_registry();
    std::string value = "before";
    const bool ok =
        GetKeyValue(*registry, kLocalMachine, kProgramPathKey, kProgramPathValue, value);
    if (found != nullptr) {
        *found = ok;
    }
    return value;
}

TEST(DesktopRegistry, FirstLookUpHoldsTheProgramFoundOnPath) {
    TempFolder empty_folder, folder;
    const std::string hardinfo = put_program(folder, "hardinfo");
    const ScopedEnv path("PATH", empty_folder.path().string() + ":" + folder.path().string());
    bool found = false;
    EXPECT_EQ(look_up_program(&found), hardinfo);
    EXPECT_TRUE(found);
}

TEST(DesktopRegistry, EarlierProgramOfTheListWinsWhereverItStands) {
    TempFolder first, second;
    put_program(first, "hardinfo");
    const std::string hardinfo2 = put_program(second, "hardinfo2");
    const ScopedEnv path("PATH", first.path().string() + ":" + second.path().string());
    EXPECT_EQ(look_up_program(), hardinfo2);
}

TEST(DesktopRegistry, IgnoresFilesThatCannotRunAndRelativeFolders) {
    TempFolder folder, relative_base;
    put_program(folder, "hardinfo", false);
    put_program(relative_base, "kinfocenter");
    const std::string relative =
        std::filesystem::relative(relative_base.path(), std::filesystem::current_path()).string();
    const ScopedEnv path("PATH", folder.path().string() + "::" + relative);
    bool found = true;
    EXPECT_EQ(look_up_program(&found), "");
    EXPECT_FALSE(found);
}

TEST(DesktopRegistry, EmptyPathAndTheSecondLookUpAreAbsent) {
    const ScopedEnv path("PATH", "");
    bool found = true;
    look_up_program(&found);
    EXPECT_FALSE(found);
    const auto registry = make_system_registry();
    std::string value;
    EXPECT_FALSE(
        GetKeyValue(*registry, kLocalMachine, kProgramFolderKey, kProgramFolderValue, value));
}

} // namespace
} // namespace vornix::testing
