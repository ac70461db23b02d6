// The fuzz targets' input: up to four entry texts separated by 0x1F (the
// unit separator), the missing ones empty.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vornix::fuzzing {

inline std::array<std::string_view, 4> entries(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::array<std::string_view, 4> texts{};
    std::size_t i = 0;
    for (; i < 3; ++i) {
        const auto cut = input.find('\x1f');
        if (cut == std::string_view::npos) {
            break;
        }
        texts[i] = input.substr(0, cut);
        input.remove_prefix(cut + 1);
    }
    texts[i] = input;
    return texts;
}

} // namespace vornix::fuzzing
