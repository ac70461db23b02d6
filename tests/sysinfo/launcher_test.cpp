#include "fake_registry.hpp"
#include "fake_services.hpp"
#include "launcher.hpp"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vornix::testing {
namespace {

const QString kUnavailable = QStringLiteral("此时系统信息不可用");

class StartSysInfoTest : public ::testing::Test {
  protected:
    void set_program_path(const std::string& path) {
        registry.put(kProgramPathKey, kProgramPathValue, REG_SZ, path + '\0');
    }
    void set_program_folder(const QString& folder) {
        registry.put(kProgramFolderKey, kProgramFolderValue, REG_SZ,
                     folder.toLocal8Bit().toStdString() + '\0');
    }
    void put_msinfo32_in_folder() {
        QFile file(folder.filePath("MSINFO32.EXE"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void start() { StartSysInfo(registry, services, nullptr); }
    void expect_only_the_message() {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, kUnavailable);
        EXPECT_TRUE(services.messages[0].title.isEmpty()) << "the application title";
    }

    FakeRegistry registry;
    FakeServices services;
    QTemporaryDir folder;
};

TEST_F(StartSysInfoTest, FirstLookUpWinsEvenWhenTheSecondWouldSucceed) {
    set_program_path("/usr/bin/hardinfo");
    set_program_folder(folder.path());
    put_msinfo32_in_folder();
    start();
    EXPECT_EQ(services.started, QStringList{"/usr/bin/hardinfo"});
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(registry.access_masks.size(), 1u) << "the second look-up is not made";
}

TEST_F(StartSysInfoTest, SecondLookUpStartsMsinfo32InItsFolder) {
    set_program_folder(folder.path());
    put_msinfo32_in_folder();
    start();
    EXPECT_EQ(services.started, QStringList{folder.path() + "\\MSINFO32.EXE"});
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(StartSysInfoTest, SecondLookUpWithoutTheFileShowsTheMessage) {
    set_program_folder(folder.path());
    start();
    EXPECT_TRUE(services.started.isEmpty());
    expect_only_the_message();
}

TEST_F(StartSysInfoTest, NeitherLookUpShowsTheMessage) {
    start();
    EXPECT_TRUE(services.started.isEmpty());
    expect_only_the_message();
}

TEST_F(StartSysInfoTest, ProgramThatDoesNotStartShowsTheMessage) {
    set_program_path("/nowhere/msinfo32");
    services.program_exists = [](const QString&) { return false; };
    start();
    EXPECT_EQ(services.started, QStringList{"/nowhere/msinfo32"});
    expect_only_the_message();
}

TEST_F(StartSysInfoTest, FirstValueOfAnotherTypeStartsAnEmptyPathAndNeverTriesTheSecond) {
    registry.put(kProgramPathKey, kProgramPathValue, REG_EXPAND_SZ, "%windir%\\msinfo32.exe");
    set_program_folder(folder.path());
    put_msinfo32_in_folder();
    start();
    EXPECT_EQ(services.started, QStringList{QString()});
    EXPECT_EQ(registry.access_masks.size(), 1u);
    expect_only_the_message();
}

TEST_F(StartSysInfoTest, ValueOfZeroBytesShowsTheMessageAndClosesTheKey) {
    registry.put(kProgramPathKey, kProgramPathValue, REG_SZ, "");
    start();
    EXPECT_TRUE(services.started.isEmpty());
    EXPECT_EQ(registry.closes, registry.opens);
    expect_only_the_message();
}

TEST_F(StartSysInfoTest, PathFullOfShellSyntaxIsStartedAsThatLiteralPath) {
    const std::string path = "/opt/a b/it's \"x\"; rm -rf ~ $(reboot) `id` | y & z";
    set_program_path(path);
    start();
    EXPECT_EQ(services.started, QStringList{QString::fromStdString(path)});
    EXPECT_TRUE(services.messages.empty());
}

} // namespace
} // namespace vornix::testing
