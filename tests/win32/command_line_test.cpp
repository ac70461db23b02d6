// vornix.exe run as its own process, its output and error streams
// redirected to files as cmd.exe does with > and 2>: --export's exit codes,
// files and messages; --check's verdict and exit code; --practice's list,
// seed, worksheets and keys.
#include "wide_text.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vornix::testing {
namespace {

namespace fs = std::filesystem;

struct Finished {
    DWORD exit_code;
    std::string error;  // what it wrote to its error stream
    std::string output; // and to its output
};

std::string contents_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// VORNIX_PROGRAM is the built program's host path; Wine sees the host under Z:.
const std::wstring kProgram = L"\"Z:" + sysinfo::wide(VORNIX_PROGRAM) + L"\"";

Finished run_command(std::wstring command, const fs::path& error_file) {
    const fs::path output_file = fs::path(error_file).replace_extension(".out");
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE error = CreateFileW(error_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE output = CreateFileW(output_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = error;
    startup.hStdOutput = output;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        CloseHandle(error);
        CloseHandle(output);
        return {9999, "not started", ""};
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(error);
    CloseHandle(output);
    return {code, contents_of(error_file), contents_of(output_file)};
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
    std::string read(const wchar_t* name) const { return contents_of(folder_ / name); }

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

// A student's answer checked from cmd.exe: the verdict on the output, its
// exit code 0 for 正确 and 3 for the rest, 2 for a bad entry.
TEST_F(ExportTest, ACheckedAnswersVerdictGoesToTheOutputWithItsExitCode) {
    const Finished right = run(L"--check \"x1=2，x2=1\" --quadratic 1 -3 2");
    EXPECT_EQ(right.exit_code, 0u) << right.error;
    EXPECT_EQ(right.output, "正确：两个根都写对了，也都是最简形式.\n");
    EXPECT_EQ(right.error, "");
    const Finished slip = run(L"--check \"-1, -2\" --quadratic 1 -3 2 --method formula");
    EXPECT_EQ(slip.exit_code, 3u) << slip.error;
    EXPECT_EQ(slip.output, "不正确：x=-1 不是方程的根（代入方程的左边得 6，不等于 0）；"
                           "x=-2 不是方程的根（代入方程的左边得 12，不等于 0）.\n"
                           "可能的错因：你的答案正好是 x²+3x+2=0 的根，公式中的 −b 写成了 b.\n"
                           "对照解题过程第 4 行.\n");
    const Finished bad = run(L"--check 1 --quadratic 1 -3O 2");
    EXPECT_EQ(bad.exit_code, 2u);
    EXPECT_EQ(bad.output, "");
    EXPECT_EQ(bad.error,
              "vornix: 第 1 题（--quadratic 1 -3O 2）：“-3O” 不是一个数 / is not a number\n");
}

// The same seed lists the same exercises as on Linux; without one the seed
// chosen goes to the error stream; sheets and keys go into their files.
TEST_F(ExportTest, APracticeSetIsListedOnTheOutputOrWrittenAsSheetsAndKeys) {
    const Finished listed = run(L"--practice 3 --kind factor --seed 8041");
    EXPECT_EQ(listed.exit_code, 0u) << listed.error;
    EXPECT_EQ(listed.output, "--quadratic 1 3 0\n--quadratic 1 1 -6\n--quadratic 1 2 -15\n");
    EXPECT_EQ(listed.error, "");
    const Finished chosen = run(L"--practice 2 --kind line");
    EXPECT_EQ(chosen.exit_code, 0u);
    EXPECT_TRUE(chosen.error.starts_with("种子 / seed: ")) << chosen.error;
    EXPECT_EQ(std::count(chosen.output.begin(), chosen.output.end(), '\n'), 2);
    const Finished papers =
        run(L"--practice 4 --kind square --seed 1 --export \"" + in_folder(L"sheet.svg") +
            L"\" --key \"" + in_folder(L"key.png") + L"\" --versions 2");
    EXPECT_EQ(papers.exit_code, 0u) << papers.error;
    EXPECT_EQ(papers.output, "");
    for (const wchar_t* name : {L"sheet-A.svg", L"sheet-B.svg", L"key-A.png", L"key-B.png"}) {
        EXPECT_TRUE(fs::exists(folder_ / name)) << sysinfo::utf8(name);
    }
    const Finished pdf =
        run(L"--practice 4 --kind square --export \"" + in_folder(L"s.pdf") + L"\"");
    EXPECT_EQ(pdf.exit_code, 2u);
    EXPECT_FALSE(fs::exists(folder_ / "s.pdf"));
}

} // namespace
} // namespace vornix::testing
