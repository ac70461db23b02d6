// Stand-in for the registry on desktops without one. It knows one key, the
// full path of the System Information program, and finds that program among
// the desktop's own on PATH. It holds nothing else and never writes.
#include "launcher.hpp"
#include "registry.hpp"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

namespace vornix::sysinfo {
namespace {

constexpr RegistryKey kProgramKey = 1;

class DesktopRegistry final : public Registry {
  public:
    RegistryResult open_key(RegistryKey root, const std::string& sub_key,
                            RegistryKey& opened) override {
        if (root != kLocalMachine || sub_key != kProgramPathKey) {
            return RegistryResult::NotFound;
        }
        program_ = find_system_information_program();
        if (program_.empty()) {
            return RegistryResult::NotFound;
        }
        opened = kProgramKey;
        return RegistryResult::Success;
    }

    RegistryResult query_value(RegistryKey key, const std::string& value_name, ValueType& type,
                               unsigned char* buffer, std::uint32_t& size) override {
        if (key != kProgramKey || value_name != kProgramPathValue) {
            return RegistryResult::NotFound;
        }
        const std::uint32_t needed = static_cast<std::uint32_t>(program_.size()) + 1;
        const std::uint32_t room = size;
        size = needed;
        type = ValueType::String;
        if (needed > room) {
            return RegistryResult::MoreData;
        }
        std::memcpy(buffer, program_.c_str(), needed);
        return RegistryResult::Success;
    }

    void close_key(RegistryKey) override {}

  private:
    std::string program_;
};

std::vector<std::string_view> path_folders() {
    std::vector<std::string_view> folders;
    const char* path = std::getenv("PATH");
    std::string_view rest = path == nullptr ? "" : path;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        folders.push_back(rest.substr(0, colon));
        rest = colon == std::string_view::npos ? "" : rest.substr(colon + 1);
    }
    return folders;
}

} // namespace

std::string find_system_information_program() {
    constexpr std::array<std::string_view, 3> kPrograms{"hardinfo2", "hardinfo", "kinfocenter"};
    for (const std::string_view program : kPrograms) {
        for (const std::string_view folder : path_folders()) {
            // Only absolute folders: an empty or relative PATH entry would mean
            // the current folder, which is nobody's choice of program.
            const std::filesystem::path candidate = std::filesystem::path(folder) / program;
            std::error_code error;
            if (candidate.is_absolute() && std::filesystem::is_regular_file(candidate, error) &&
                ::access(candidate.c_str(), X_OK) == 0) {
                return candidate.lexically_normal().string();
            }
        }
    }
    return {};
}

std::unique_ptr<Registry> make_system_registry() {
    return std::make_unique<DesktopRegistry>();
}

} // namespace vornix::sysinfo
