#pragma once

#include "registry.hpp"

#include <string>

namespace vornix::sysinfo {

// Reads the value `SubKeyRef` of the key `KeyName` below `KeyRoot` into `KeyVal`.
// - A text value: its UTF-8 bytes, less a final NUL; a 32-bit number: the
//   unsigned decimal text of its four little-endian bytes; any other type:
//   `KeyVal` stays as it was.
// - Returns true when the value was read; false, with `KeyVal` empty, when the
//   key or value is missing, access is refused or the value exceeds 1024 bytes.
// - A value of zero bytes throws std::invalid_argument.
// The key is opened for reading only and closed on every path.
bool GetKeyValue(Registry& registry, RegistryKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

} // namespace vornix::sysinfo
