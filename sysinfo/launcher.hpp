// Finds and starts the System Information program, or says it cannot.
#pragma once

#include "registry.hpp"

#include <string>
#include <string_view>

namespace vornix::sysinfo {

// The two look-ups, in the order they are tried.
inline constexpr const char* kProgramPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kProgramPathValue = "PATH";
inline constexpr const char* kProgramFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kProgramFolderValue = "MSINFO";
inline constexpr const char* kProgramFile = "\\MSINFO32.EXE";
inline constexpr const char* kUnavailableMessage = "此时系统信息不可用";

// What StartSysInfo asks of the system around it.
class Shell {
  public:
    virtual ~Shell() = default;

    // Starts the program at `path` (UTF-8) in a normal window with the focus,
    // without waiting: one literal program path, never a shell command line
    // and never split into arguments. Returns false when it could not start.
    virtual bool start_program(const std::string& path) = 0;

    // A modal message box with only an OK button, captioned with the
    // application title. Returns once dismissed.
    virtual void show_message(const std::string& text) = 0;
};

// Whether `path` can only name one program: not empty and without a NUL,
// which would cut it short and name another.
bool is_whole_path(std::string_view path);

// The name of a normal file at `path` (UTF-8), or the empty text when there
// is none. Away from Windows a "\" in the path stands for the folder separator.
std::string find_file(const std::string& path);

// Look-up 1's program path when it succeeds; otherwise look-up 2's folder
// with "\MSINFO32.EXE", when that file exists. The program is started through
// `shell`, when it is a whole path. Every failure — missing keys or file, a value of zero bytes, a
// program that does not start — ends in the message "此时系统信息不可用".
void StartSysInfo(Registry& registry, Shell& shell);

} // namespace vornix::sysinfo
