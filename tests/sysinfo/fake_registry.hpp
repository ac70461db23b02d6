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
    ValueType type;
    std::string bytes;
};

class FakeRegistry : public Registry {
  public:
    void put(const std::string& key, const std::string& name, ValueType type, std::string bytes) {
        keys_[key][name] = {type, std::move(bytes)};
    }
    void put_key(const std::string& key) { keys_[key]; }

    RegistryResult open_key(RegistryKey root, const std::string& sub_key,
                            RegistryKey& opened) override {
        ++open_calls;
        if (root != kLocalMachine || !keys_.contains(sub_key)) {
            return RegistryResult::NotFound;
        }
        ++opens;
        open_names_.push_back(sub_key);
        opened = open_names_.size();
        return RegistryResult::Success;
    }

    RegistryResult query_value(RegistryKey key, const std::string& value_name, ValueType& type,
                               unsigned char* buffer, std::uint32_t& size) override {
        const auto& values = keys_.at(open_names_.at(key - 1));
        const auto found = values.find(value_name);
        if (found == values.end()) {
            return RegistryResult::NotFound;
        }
        const std::uint32_t room = size;
        type = found->second.type;
        size = static_cast<std::uint32_t>(found->second.bytes.size());
        if (size > room) {
            return RegistryResult::MoreData;
        }
        std::memcpy(buffer, found->second.bytes.data(), size);
        return RegistryResult::Success;
    }

    void close_key(RegistryKey) override { ++closes; }

    int open_calls = 0;
    int opens = 0;
    int closes = 0;

  private:
    std::map<std::string, std::map<std::string, FakeValue>> keys_;
    std::vector<std::string> open_names_;
};

} // namespace vornix::testing
