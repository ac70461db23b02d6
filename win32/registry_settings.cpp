#include "registry_settings.hpp"

#include "wide_text.hpp"

#include <windows.h>

namespace vornix::win32 {
namespace {

// Longer than any setting the program writes: anything longer is not one of its own.
constexpr DWORD kLongestValue = 1024;

struct Where {
    std::wstring subkey;
    std::wstring value;
};

// "Group/Name" as the subkey under `root` and the value's name; nothing for another shape.
std::optional<Where> where_of(const std::wstring& root, std::string_view key) {
    const std::size_t slash = key.find('/');
    if (slash == std::string_view::npos || slash == 0 || slash + 1 == key.size() ||
        key.find('/', slash + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    return Where{root + L"\\" + sysinfo::wide(key.substr(0, slash)),
                 sysinfo::wide(key.substr(slash + 1))};
}

} // namespace

std::optional<std::string> RegistrySettings::read(std::string_view key) const {
    const std::optional<Where> where = where_of(root_, key);
    HKEY group = nullptr;
    if (!where || RegOpenKeyExW(HKEY_CURRENT_USER, where->subkey.c_str(), 0, KEY_QUERY_VALUE,
                                &group) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(kLongestValue / sizeof(wchar_t) + 1, L'\0');
    DWORD type = 0;
    DWORD bytes = kLongestValue;
    const LSTATUS status = RegQueryValueExW(group, where->value.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(text.data()), &bytes);
    RegCloseKey(group);
    if (status != ERROR_SUCCESS || type != REG_SZ || bytes % sizeof(wchar_t) != 0) {
        return std::nullopt;
    }
    // The stored string may or may not end in its terminating zero.
    text.resize(bytes / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return sysinfo::utf8(text);
}

void RegistrySettings::write(std::string_view key, std::string_view value) {
    const std::optional<Where> where = where_of(root_, key);
    HKEY group = nullptr;
    if (!where || RegCreateKeyExW(HKEY_CURRENT_USER, where->subkey.c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &group,
                                  nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring text = sysinfo::wide(value);
    RegSetValueExW(group, where->value.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(group);
}

} // namespace vornix::win32
