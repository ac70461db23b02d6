#include "key_value.hpp"
#include "launcher.hpp"
#include "scoped_env.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vornix::testing {
namespace {

using namespace vornix::sysinfo;

QString put_program(const QTemporaryDir& folder, const QString& name, bool executable = true) {
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    if (executable) {
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    }
    return file.fileName();
}

std::string look_up_program(bool* found = nullptr) {
    const auto registry = make_system_registry();
    std::string value = "before";
    const bool ok =
        GetKeyValue(*registry, HKEY_LOCAL_MACHINE, kProgramPathKey, kProgramPathValue, value);
    if (found != nullptr) {
        *found = ok;
    }
    return value;
}

TEST(DesktopRegistry, FirstLookUpHoldsTheProgramFoundOnPath) {
    QTemporaryDir empty_folder, folder;
    const QString hardinfo = put_program(folder, "hardinfo");
    const ScopedEnv path("PATH", (empty_folder.path() + ":" + folder.path()).toLocal8Bit());
    bool found = false;
    EXPECT_EQ(look_up_program(&found), hardinfo.toStdString());
    EXPECT_TRUE(found);
}

TEST(DesktopRegistry, EarlierProgramOfTheListWinsWhereverItStands) {
    QTemporaryDir first, second;
    put_program(first, "hardinfo");
    const QString hardinfo2 = put_program(second, "hardinfo2");
    const ScopedEnv path("PATH", (first.path() + ":" + second.path()).toLocal8Bit());
    EXPECT_EQ(look_up_program(), hardinfo2.toStdString());
}

TEST(DesktopRegistry, IgnoresFilesThatCannotRunAndRelativeFolders) {
    QTemporaryDir folder;
    put_program(folder, "hardinfo", false);
    QTemporaryDir relative_base;
    put_program(relative_base, "kinfocenter");
    const QString relative = QDir::current().relativeFilePath(relative_base.path());
    const ScopedEnv path("PATH", (folder.path() + "::" + relative).toLocal8Bit());
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
        GetKeyValue(*registry, HKEY_LOCAL_MACHINE, kProgramFolderKey, kProgramFolderValue, value));
}

} // namespace
} // namespace vornix::testing
