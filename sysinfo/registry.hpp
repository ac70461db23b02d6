// The three registry calls GetKeyValue needs, with their Windows meaning, so
// that one algorithm runs over the real registry, a stand-in or a test fake.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <string>

namespace vornix::sysinfo {

using RegistryKey = std::uintptr_t;
using RegistryResult = long;

inline constexpr RegistryKey HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr RegistryResult ERROR_SUCCESS = 0;
inline constexpr RegistryResult ERROR_FILE_NOT_FOUND = 2;
inline constexpr RegistryResult ERROR_MORE_DATA = 234;
inline constexpr std::uint32_t KEY_READ = 0x20019;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;

class Registry {
  public:
    virtual ~Registry() = default;

    // RegOpenKeyExA: opens `sub_key` below `root` with the access mask; on
    // success `opened` holds the handle, which must be closed.
    virtual RegistryResult open_key(RegistryKey root, const std::string& sub_key,
                                    std::uint32_t access, RegistryKey& opened) = 0;

    // RegQueryValueExA: copies the value's bytes into `buffer`, which holds
    // `size` bytes; sets `type` and sets `size` to the value's size. A value
    // larger than the buffer gives ERROR_MORE_DATA and copies nothing.
    virtual RegistryResult query_value(RegistryKey key, const std::string& value_name,
                                       std::uint32_t& type, unsigned char* buffer,
                                       std::uint32_t& size) = 0;

    // RegCloseKey.
    virtual RegistryResult close_key(RegistryKey key) = 0;
};

// The platform's registry: Windows' own, or elsewhere a read-only stand-in
// that answers the System Information look-ups from the desktop's programs.
std::unique_ptr<Registry> make_system_registry();

#if !defined(_WIN32)
// The stand-in's answer: the first of the desktop's own System Information
// programs found in an absolute folder on PATH, or the empty text.
QString find_system_information_program();
#endif

} // namespace vornix::sysinfo
