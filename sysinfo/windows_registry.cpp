// The real registry, read through advapi32's wide calls: texts cross as UTF-16
// and become UTF-8 here, whatever the system's code page.
#include "registry.hpp"
#include "wide_text.hpp"

#include <windows.h>

#include <cstring>
#include <vector>

namespace vornix::sysinfo {
namespace {

HKEY to_hkey(RegistryKey key) {
    // The root keys are sign-extended handles on 64-bit Windows.
    return key == kLocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(key);
}

RegistryResult result_of(LONG error) {
    switch (error) {
    case ERROR_SUCCESS:
        return RegistryResult::Success;
    case ERROR_FILE_NOT_FOUND:
        return RegistryResult::NotFound;
    case ERROR_MORE_DATA:
        return RegistryResult::MoreData;
    default:
        return RegistryResult::Failed;
    }
}

bool is_text(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// A text value's UTF-16 bytes as UTF-8; an odd last byte is dropped.
std::string text_bytes(const std::vector<unsigned char>& bytes) {
    std::vector<wchar_t> units(bytes.size() / sizeof(wchar_t));
    std::memcpy(units.data(), bytes.data(), units.size() * sizeof(wchar_t));
    return utf8(std::wstring_view(units.data(), units.size()));
}

class WindowsRegistry final : public Registry {
  public:
    RegistryResult open_key(RegistryKey root, const std::string& sub_key,
                            RegistryKey& opened) override {
        HKEY key = nullptr;
        // The 64-bit view also from the 32-bit build, where System Information is
        // registered on 64-bit Windows; a 32-bit Windows ignores the flag.
        const LONG error = RegOpenKeyExW(to_hkey(root), wide(sub_key).c_str(), 0,
                                         KEY_READ | KEY_WOW64_64KEY, &key);
        opened = reinterpret_cast<RegistryKey>(key);
        return result_of(error);
    }

    RegistryResult query_value(RegistryKey key, const std::string& value_name, ValueType& type,
                               unsigned char* buffer, std::uint32_t& size) override {
        std::vector<unsigned char> bytes;
        DWORD value_type = 0;
        const LONG error = read_value(to_hkey(key), wide(value_name), value_type, bytes);
        if (error != ERROR_SUCCESS) {
            return result_of(error);
        }
        const std::string value =
            is_text(value_type) ? text_bytes(bytes) : std::string(bytes.begin(), bytes.end());
        const std::uint32_t room = size;
        type = static_cast<ValueType>(value_type);
        size = static_cast<std::uint32_t>(value.size());
        if (size > room) {
            return RegistryResult::MoreData;
        }
        std::memcpy(buffer, value.data(), value.size());
        return RegistryResult::Success;
    }

    void close_key(RegistryKey key) override { RegCloseKey(to_hkey(key)); }

  private:
    // The whole value, however large; it may grow between the two calls.
    static LONG read_value(HKEY key, const std::wstring& name, DWORD& type,
                           std::vector<unsigned char>& bytes) {
        LONG error = ERROR_MORE_DATA;
        while (error == ERROR_MORE_DATA) {
            DWORD size = 0;
            error = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
            if (error != ERROR_SUCCESS) {
                return error;
            }
            bytes.resize(size);
            error = RegQueryValueExW(key, name.c_str(), nullptr, &type, bytes.data(), &size);
            bytes.resize(size);
        }
        return error;
    }
};

} // namespace

std::unique_ptr<Registry> make_system_registry() {
    return std::make_unique<WindowsRegistry>();
}

} // namespace vornix::sysinfo
