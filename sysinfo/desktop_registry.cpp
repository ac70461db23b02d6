// Stand-in for the registry on desktops without one. It knows one key, the
// full path of the System Information program, and finds that program among
// the desktop's own on PATH. It holds nothing else and never writes.
#include "launcher.hpp"
#include "registry.hpp"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstring>

namespace vornix::sysinfo {
namespace {

constexpr RegistryKey kProgramKey = 1;

class DesktopRegistry final : public Registry {
  public:
    RegistryResult open_key(RegistryKey root, const std::string& sub_key, std::uint32_t,
                            RegistryKey& opened) override {
        if (root != HKEY_LOCAL_MACHINE || sub_key != kProgramPathKey) {
            return ERROR_FILE_NOT_FOUND;
        }
        program_ = find_system_information_program().toLocal8Bit().toStdString();
        if (program_.empty()) {
            return ERROR_FILE_NOT_FOUND;
        }
        opened = kProgramKey;
        return ERROR_SUCCESS;
    }

    RegistryResult query_value(RegistryKey key, const std::string& value_name, std::uint32_t& type,
                               unsigned char* buffer, std::uint32_t& size) override {
        if (key != kProgramKey || value_name != kProgramPathValue) {
            return ERROR_FILE_NOT_FOUND;
        }
        const std::uint32_t needed = static_cast<std::uint32_t>(program_.size()) + 1;
        const std::uint32_t room = size;
        size = needed;
        type = REG_SZ;
        if (needed > room) {
            return ERROR_MORE_DATA;
        }
        std::memcpy(buffer, program_.c_str(), needed);
        return ERROR_SUCCESS;
    }

    RegistryResult close_key(RegistryKey) override { return ERROR_SUCCESS; }

  private:
    std::string program_;
};

} // namespace

QString find_system_information_program() {
    static const QStringList kPrograms{"hardinfo2", "hardinfo", "kinfocenter"};
    // Only absolute folders: an empty or relative PATH entry would mean the
    // current folder, which is nobody's choice of program.
    const QStringList folders =
        qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& program : kPrograms) {
        for (const QString& folder : folders) {
            const QFileInfo candidate(QDir(folder), program);
            if (QDir::isAbsolutePath(folder) && candidate.isFile() && candidate.isExecutable()) {
                return candidate.absoluteFilePath();
            }
        }
    }
    return {};
}

std::unique_ptr<Registry> make_system_registry() {
    return std::make_unique<DesktopRegistry>();
}

} // namespace vornix::sysinfo
