// The three registry calls GetKeyValue needs, in names of our own, so that one
// algorithm runs over the real registry, a stand-in or a test fake. There is
// no call that writes: a key is only ever opened for reading.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vornix::sysinfo {

// An open key. The root keys have fixed values; opened keys get theirs from open_key.
using RegistryKey = std::uintptr_t;
inline constexpr RegistryKey kLocalMachine = 0x80000002;

enum class RegistryResult { Success, NotFound, MoreData, Failed };

// Type codes of registry values; any other code may come back too.
enum class ValueType : std::uint32_t { String = 1, ExpandString = 2, Binary = 3, Dword = 4 };

class Registry {
  public:
    virtual ~Registry() = default;

    // Opens `sub_key` (UTF-8) below `root` for reading; on success `opened`
    // holds the handle, which must be closed.
    virtual RegistryResult open_key(RegistryKey root, const std::string& sub_key,
                                    RegistryKey& opened) = 0;

    // Copies the value's bytes into `buffer`, which holds `size` bytes; sets
    // `type` and sets `size` to the value's size. Text values come as UTF-8.
    // A value larger than the buffer gives MoreData and copies nothing.
    virtual RegistryResult query_value(RegistryKey key, const std::string& value_name,
                                       ValueType& type, unsigned char* buffer,
                                       std::uint32_t& size) = 0;

    virtual void close_key(RegistryKey key) = 0;
};

// The platform's registry: Windows' own, or elsewhere a read-only stand-in
// that answers the System Information look-up from the desktop's programs.
std::unique_ptr<Registry> make_system_registry();

#if !defined(_WIN32)
// The stand-in's answer: the first of the desktop's own System Information
// programs found in an absolute folder on PATH, or the empty text.
std::string find_system_information_program();
#endif

} // namespace vornix::sysinfo
