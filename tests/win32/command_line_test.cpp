// vornix.exe --export run as its own process, its error stream redirected
// to a file as cmd.exe does with 2>: exit codes, files made, messages.
#include "wide_text.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vornix::testing {
namespace {

namespace fs = std::filesystem;

struct Finished {
    DWORD exit_code;
    std::string error; // what it wrote to its error stream
};

// VORNIX_PROGRAM is the built program's host path; Wine sees the host under Z:.
const std::wstring kProgram = L"\"Z:" + sysinfo::wide(VORNIX_PROGRAM) + L"\"";

Finished run_command(std::wstring command, const fs::path& error_file) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE error = CreateFileW(error_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = error;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        CloseHandle(error);
        return {9999, "not started"};
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(error);
    std::ifstream in(error_file, std::ios::binary);
    return {code, std::string(std::istreambuf_iterator<char>(in), {})};
}

class ExportTest : public ::testing::Test {
  protected:
    ExportTest() {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    ~ExportTest() override { fs::remove_all(folder_); }
    std::wstring in_folder(const wchar_t* name) const { return (folder_ / name).wstring(); }
    Finished run(const std::wstring& arguments) {
        return run_command(kProgram + L" " + arguments, folder_ / "stderr");
    }
    std::string read(const wchar_t* name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // A folder of each test's own: ctest runs them side by side.
    fs::path folder_ =
        fs::temp_directory_path() / ::testing::UnitTest::GetInstance()->current_test_info()->name();
};

TEST_F(ExportTest, TwoExercisesGoIntoOnePngAndAnSvgWithoutAWordOrAWindow) {
    const Finished png = run(L"--export \"" + in_folder(L"key.png") +
                             L"\" --quadratic 1 -3 2 --line 0 1 1 3 --method formula");
    EXPECT_EQ(png.exit_code, 0u) << png.error;
    EXPECT_EQ(png.error, "");
    EXPECT_GT(fs::file_size(folder_ / "key.png"), 10000u);
    const Finished svg =
        run(L"--export \"" + in_folder(L"key.svg") + L"\" --quadratic 1 -3 2 --page function");
    EXPECT_EQ(svg.exit_code, 0u) << svg.error;
    EXPECT_TRUE(fs::exists(folder_ / "key.svg"));
}

TEST_F(ExportTest, ABadEntryIsNamedWithExitCode2AndNothingIsWritten) {
    const Finished bad =
        run(L"--export \"" + in_folder(L"key.svg") + L"\" --quadratic 1 -3 2 --quadratic 0 0 5");
    EXPECT_EQ(bad.exit_code, 2u);
    EXPECT_TRUE(bad.error.starts_with("vornix: 第 2 题（--quadratic 0 0 5）：")) << bad.error;
    EXPECT_FALSE(fs::exists(folder_ / "key.svg"));

    const Finished pdf = run(L"--export \"" + in_folder(L"key.pdf") + L"\" --quadratic 1 -3 2");
    EXPECT_EQ(pdf.exit_code, 2u);
    EXPECT_NE(pdf.error.find("Microsoft Print to PDF"), std::string::npos) << pdf.error;
}

// A teacher's batch file: each way of starting the program waits for it and
// sees its exit code, and the error reaches the batch's own error stream. (Wine's
// cmd turns a failure under "call" into 1 and gives "start" no console, so the
// failing line runs the program plainly.)
// A typing slip in a number, and an option not understood, each in one line
// on the error stream, with exit code 2 and nothing written.
TEST_F(ExportTest, ASlipInANumberOrAnUnknownOptionIsRefusedInOneLine) {
    const Finished slip = run(L"--export \"" + in_folder(L"key.svg") + L"\" --quadratic 1 -3O 2");
    EXPECT_EQ(slip.exit_code, 2u);
    EXPECT_EQ(slip.error,
              "vornix: 第 1 题（--quadratic 1 -3O 2）：“-3O” 不是一个数 / is not a number\n");
    EXPECT_FALSE(fs::exists(folder_ / "key.svg"));
    const Finished unknown = run(L"--frobnicate");
    EXPECT_EQ(unknown.exit_code, 2u);
    EXPECT_EQ(unknown.error, "vornix: 无法识别的参数 / unknown argument: --frobnicate\n"
                             "请用 vornix --help 查看用法 / see vornix --help\n");
}

TEST_F(ExportTest, ABatchFileWaitsForTheProgramAndSeesItsExitCode) {
    const auto line = [this](const std::wstring& how, const wchar_t* file, const wchar_t* exercise,
                             const wchar_t* code_file) {
        return how + kProgram + L" --export \"" + in_folder(file) + L"\" " + exercise +
               L"\r\necho exit %ERRORLEVEL%.>\"" + in_folder(code_file) + L"\"\r\n";
    };
    const std::wstring batch = in_folder(L"key.bat");
    std::wofstream(fs::path(batch), std::ios::binary)
        << L"@echo off\r\n"
        << line(L"start \"\" /wait ", L"started.svg", L"--quadratic 1 -3 2", L"started.txt")
        << line(L"call ", L"called.png", L"--line 0 1 1 3", L"called.txt")
        << line(L"", L"bad.svg", L"--quadratic 0 0 5", L"bad.txt");
    const Finished finished = run_command(L"cmd.exe /c \"" + batch + L"\"", folder_ / "stderr");
    EXPECT_EQ(read(L"started.txt"), "exit 0.\r\n");
    EXPECT_TRUE(fs::exists(folder_ / "started.svg"));
    EXPECT_EQ(read(L"called.txt"), "exit 0.\r\n");
    EXPECT_TRUE(fs::exists(folder_ / "called.png"));
    EXPECT_EQ(read(L"bad.txt"), "exit 2.\r\n");
    EXPECT_NE(finished.error.find("第 1 题（--quadratic 0 0 5）"), std::string::npos)
        << finished.error;
    EXPECT_FALSE(fs::exists(folder_ / "bad.svg"));
}

TEST_F(ExportTest, AFolderThatCannotBeWrittenGivesExitCode1) {
    const Finished unwritable =
        run(L"--export \"" + in_folder(L"gone\\key.svg") + L"\" --line 3 5 -4 -9");
    EXPECT_EQ(unwritable.exit_code, 1u);
    EXPECT_NE(unwritable.error.find("无法写入文件"), std::string::npos) << unwritable.error;
}

} // namespace
} // namespace vornix::testing
