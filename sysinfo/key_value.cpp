#include "key_value.hpp"

#include <array>
#include <stdexcept>

namespace vornix::sysinfo {
namespace {

constexpr std::uint32_t kBufferSize = 1024;

// Closes the key however the read ends, the size-0 error included.
class OpenKey {
  public:
    OpenKey(Registry& registry, RegistryKey key) : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.close_key(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    RegistryKey handle() const { return key_; }

  private:
    Registry& registry_;
    RegistryKey key_;
};

std::string dword_text(const std::array<unsigned char, kBufferSize>& buffer) {
    const std::uint32_t value = std::uint32_t{buffer[0]} | std::uint32_t{buffer[1]} << 8 |
                                std::uint32_t{buffer[2]} << 16 | std::uint32_t{buffer[3]} << 24;
    return std::to_string(value);
}

std::string string_text(const std::array<unsigned char, kBufferSize>& buffer, std::uint32_t size) {
    const std::uint32_t length = buffer[size - 1] == 0 ? size - 1 : size;
    return std::string(reinterpret_cast<const char*>(buffer.data()), length);
}

} // namespace

bool GetKeyValue(Registry& registry, RegistryKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    RegistryKey handle = 0;
    if (registry.open_key(KeyRoot, KeyName, handle) != RegistryResult::Success) {
        KeyVal.clear();
        return false;
    }
    const OpenKey key(registry, handle);
    std::array<unsigned char, kBufferSize> buffer{};
    std::uint32_t size = kBufferSize;
    ValueType type{};
    if (registry.query_value(key.handle(), SubKeyRef, type, buffer.data(), size) !=
        RegistryResult::Success) {
        KeyVal.clear();
        return false;
    }
    if (size == 0) {
        throw std::invalid_argument("registry value of zero bytes");
    }
    if (size > kBufferSize) {
        // A registry that reports more than it could copy has failed.
        KeyVal.clear();
        return false;
    }
    if (type == ValueType::String) {
        KeyVal = string_text(buffer, size);
    } else if (type == ValueType::Dword) {
        KeyVal = dword_text(buffer);
    }
    return true;
}

} // namespace vornix::sysinfo
