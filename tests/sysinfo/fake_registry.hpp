// A registry in memory that behaves like the Windows one for the three calls
// and counts how often keys are opened and closed.
#pragma once

#include "registry.hpp"

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vornix::testing {

using namespace vornix::sysinfo;

struct FakeValue {
    std::uint32_t type;
    std::string bytes;
};

class FakeRegistry : public Registry {
  public:
    void put(const std::string& key, const std::string& name, std::uint32_t type,
             std::string bytes) {
        keys_[key][name] = {type, std::move(bytes)};
    }
    void put_key(const std::string& key) { keys_[key]; }

    RegistryResult open_key(RegistryKey root, const std::string& sub_key, std::uint32_t access,
                            RegistryKey& opened) override {
        access_masks.push_back(access);
        if (root != HKEY_LOCAL_MACHINE || !keys_.contains(sub_key)) {
            return ERROR_FILE_NOT_FOUND;
        }
        if (refuse_full_access && access != KEY_READ) {
            return 5; // ERROR_ACCESS_DENIED
        }
        ++opens;
        open_names_.push_back(sub_key);
        opened = open_names_.size();
        return ERROR_SUCCESS;
    }

    RegistryResult query_value(RegistryKey key, const std::string& value_name, std::uint32_t& type,
                               unsigned char* buffer, std::uint32_t& size) override {
        const auto& values = keys_.at(open_names_.at(key - 1));
        const auto found = values.find(value_name);
        if (found == values.end()) {
            return ERROR_FILE_NOT_FOUND;
        }
        const std::uint32_t room = size;
        type = found->second.type;
        size = static_cast<std::uint32_t>(found->second.bytes.size());
        if (size > room) {
            return ERROR_MORE_DATA;
        }
        std::memcpy(buffer, found->second.bytes.data(), size);
        return ERROR_SUCCESS;
    }

    RegistryResult close_key(RegistryKey) override {
        ++closes;
        return ERROR_SUCCESS;
    }

    int opens = 0;
    int closes = 0;
    bool refuse_full_access = true;
    std::vector<std::uint32_t> access_masks;

  private:
    std::map<std::string, std::map<std::string, FakeValue>> keys_;
    std::vector<std::string> open_names_;
};

} // namespace vornix::testing
