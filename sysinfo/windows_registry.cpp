// The real registry, read through advapi32.
#include "registry.hpp"

#include <windows.h>

namespace vornix::sysinfo {
namespace {

HKEY to_hkey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

class WindowsRegistry final : public Registry {
  public:
    RegistryResult open_key(RegistryKey root, const std::string& sub_key, std::uint32_t access,
                            RegistryKey& opened) override {
        HKEY key = nullptr;
        const LONG result = RegOpenKeyExA(to_hkey(root), sub_key.c_str(), 0, access, &key);
        opened = reinterpret_cast<RegistryKey>(key);
        return result;
    }

    RegistryResult query_value(RegistryKey key, const std::string& value_name, std::uint32_t& type,
                               unsigned char* buffer, std::uint32_t& size) override {
        DWORD value_type = 0;
        DWORD value_size = size;
        const LONG result = RegQueryValueExA(to_hkey(key), value_name.c_str(), nullptr, &value_type,
                                             buffer, &value_size);
        type = value_type;
        size = value_size;
        return result;
    }

    RegistryResult close_key(RegistryKey key) override { return RegCloseKey(to_hkey(key)); }
};

} // namespace

std::unique_ptr<Registry> make_system_registry() {
    return std::make_unique<WindowsRegistry>();
}

} // namespace vornix::sysinfo
