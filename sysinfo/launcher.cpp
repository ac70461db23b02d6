#include "launcher.hpp"

#include "key_value.hpp"

#include <algorithm>
#include <exception>
#include <optional>

#if defined(_WIN32)
#include "wide_text.hpp"

#include <windows.h>
#else
#include <filesystem>
#endif

namespace vornix::sysinfo {
namespace {

std::optional<std::string> locate_program(Registry& registry) {
    std::string path;
    if (GetKeyValue(registry, kLocalMachine, kProgramPathKey, kProgramPathValue, path)) {
        return path;
    }
    if (!GetKeyValue(registry, kLocalMachine, kProgramFolderKey, kProgramFolderValue, path)) {
        return std::nullopt;
    }
    const std::string program = path + kProgramFile;
    if (find_file(program).empty()) {
        return std::nullopt;
    }
    return program;
}

// A static Windows .exe asks the system itself: std::filesystem would bring
// the standard library's whole locale and stream code along.
#if defined(_WIN32)
bool is_normal_file(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}
#else
bool is_normal_file(const std::string& path) {
    std::u8string text(path.begin(), path.end());
    std::ranges::replace(text, u8'\\', u8'/');
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(text), error);
}
#endif

} // namespace

bool is_whole_path(std::string_view path) {
    return !path.empty() && path.find('\0') == std::string_view::npos;
}

std::string find_file(const std::string& path) {
    if (!is_whole_path(path)) {
        return {};
    }
    if (!is_normal_file(path)) {
        return {};
    }
    return path.substr(path.find_last_of("\\/") + 1);
}

void StartSysInfo(Registry& registry, Shell& shell) {
    bool started = false;
    try {
        const std::optional<std::string> program = locate_program(registry);
        started = program.has_value() && is_whole_path(*program) && shell.start_program(*program);
    } catch (const std::exception&) {
        started = false;
    }
    if (!started) {
        shell.show_message(kUnavailableMessage);
    }
}

} // namespace vornix::sysinfo
