// Finds and starts the System Information program, or says it cannot.
#pragma once

#include "registry.hpp"
#include "services.hpp"

#include <QString>

namespace vornix::sysinfo {

// The two look-ups, in the order they are tried.
inline constexpr const char* kProgramPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kProgramPathValue = "PATH";
inline constexpr const char* kProgramFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kProgramFolderValue = "MSINFO";
inline constexpr const char* kProgramFile = "\\MSINFO32.EXE";
inline constexpr const char* kUnavailableMessage = "此时系统信息不可用";

// Look-up 1's program path when it succeeds; otherwise look-up 2's folder
// with "\MSINFO32.EXE", when that file exists. The program is started through
// `services` as one literal path, detached. Every failure — missing keys or
// file, a value of zero bytes, a program that does not start — ends in the
// message "此时系统信息不可用" (OK only, the application title as caption).
void StartSysInfo(Registry& registry, host::Services& services, QWidget* owner);

// The same over the platform's registry.
void StartSysInfo(host::Services& services, QWidget* owner);

} // namespace vornix::sysinfo
