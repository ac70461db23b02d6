#include "launcher.hpp"

#include "key_value.hpp"

#include <exception>
#include <optional>

namespace vornix::sysinfo {
namespace {

QString text_of(const std::string& bytes) {
    // Registry texts are in the system's code page.
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<QString> locate_program(Registry& registry) {
    std::string path;
    if (GetKeyValue(registry, HKEY_LOCAL_MACHINE, kProgramPathKey, kProgramPathValue, path)) {
        return text_of(path);
    }
    if (!GetKeyValue(registry, HKEY_LOCAL_MACHINE, kProgramFolderKey, kProgramFolderValue, path)) {
        return std::nullopt;
    }
    const QString program = text_of(path) + QString::fromLatin1(kProgramFile);
    if (host::find_file(program).isEmpty()) {
        return std::nullopt;
    }
    return program;
}

} // namespace

void StartSysInfo(Registry& registry, host::Services& services, QWidget* owner) {
    bool started = false;
    try {
        const std::optional<QString> program = locate_program(registry);
        started = program.has_value() && services.start_program(*program);
    } catch (const std::exception&) {
        started = false;
    }
    if (!started) {
        services.show_message(owner, QString::fromUtf8(kUnavailableMessage));
    }
}

void StartSysInfo(host::Services& services, QWidget* owner) {
    const std::unique_ptr<Registry> registry = make_system_registry();
    StartSysInfo(*registry, services, owner);
}

} // namespace vornix::sysinfo
