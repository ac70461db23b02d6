#include "launcher.hpp"

#include "key_value.hpp"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>

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

std::filesystem::path native_path(const std::string& path) {
    std::u8string text(path.begin(), path.end());
#if !defined(_WIN32)
    std::ranges::replace(text, u8'\\', u8'/');
#endif
    return std::filesystem::path(text);
}

} // namespace

bool is_whole_path(std::string_view path) {
    return !path.empty() && path.find('\0') == std::string_view::npos;
}

std::string find_file(const std::string& path) {
    if (!is_whole_path(path)) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path file = native_path(path);
    if (!std::filesystem::is_regular_file(file, error)) {
        return {};
    }
    const std::u8string name = file.filename().u8string();
    return std::string(name.begin(), name.end());
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
