// GetKeyValue over a registry whose answers all come from the fuzzer: it never
// reads or writes outside its buffer and always closes a key it opened.
#include "key_value.hpp"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

using namespace vornix::sysinfo;

constexpr RegistryKey kHandle = 0x77;

class FuzzedRegistry : public Registry {
  public:
    explicit FuzzedRegistry(FuzzedDataProvider& data) : data_(data) {}

    RegistryResult open_key(RegistryKey, const std::string&, RegistryKey& opened) override {
        const RegistryResult result = result_code();
        if (result == RegistryResult::Success) {
            opened = kHandle;
            ++opens;
        }
        return result;
    }

    RegistryResult query_value(RegistryKey key, const std::string&, ValueType& type,
                               unsigned char* buffer, std::uint32_t& size) override {
        if (key != kHandle || opens != 1 || closes != 0) {
            std::abort();
        }
        type = static_cast<ValueType>(data_.ConsumeIntegral<std::uint32_t>());
        const auto bytes =
            data_.ConsumeBytes<unsigned char>(data_.ConsumeIntegralInRange<std::size_t>(0, 2048));
        // A well-behaved registry never writes past the room it was given.
        if (!bytes.empty()) {
            std::memcpy(buffer, bytes.data(), std::min<std::size_t>(bytes.size(), size));
        }
        size = data_.ConsumeBool() ? static_cast<std::uint32_t>(bytes.size())
                                   : data_.ConsumeIntegral<std::uint32_t>();
        return result_code();
    }

    void close_key(RegistryKey key) override {
        if (key != kHandle) {
            std::abort();
        }
        ++closes;
    }

    int opens = 0;
    int closes = 0;

  private:
    RegistryResult result_code() {
        return data_.PickValueInArray({RegistryResult::Success, RegistryResult::NotFound,
                                       RegistryResult::MoreData, RegistryResult::Failed});
    }

    FuzzedDataProvider& data_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    FuzzedRegistry registry(provider);
    std::string value = "before";
    bool found = false;
    try {
        found = GetKeyValue(registry, kLocalMachine, "KEY", "VALUE", value);
    } catch (const std::invalid_argument&) {
        found = true; // zero bytes: reported as an error, the value untouched
    }
    if (registry.closes != registry.opens || (!found && !value.empty()) || value.size() > 1024) {
        std::abort();
    }
    return 0;
}
