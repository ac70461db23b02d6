// The user's settings in the registry: "Group/Name" is the REG_SZ value Name
// of HKEY_CURRENT_USER\Software\Vornix\Group. Nothing is opened until a
// setting is first read or written; a value of another type, or one that
// cannot be read, is none.
#pragma once

#include "settings.hpp"

#include <string>

namespace vornix::win32 {

class RegistrySettings final : public ui::Settings {
  public:
    // `root` is the key under HKEY_CURRENT_USER the groups go in.
    explicit RegistrySettings(std::wstring root = L"Software\\Vornix") : root_(std::move(root)) {}

    std::optional<std::string> read(std::string_view key) const override;
    void write(std::string_view key, std::string_view value) override;

  private:
    std::wstring root_;
};

} // namespace vornix::win32
