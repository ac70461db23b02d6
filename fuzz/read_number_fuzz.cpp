// read_number on arbitrary bytes: a finite number or the arithmetic fault.
#include "calc.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = vornix::calc::read_number(text);
        if (!std::isfinite(value)) {
            std::abort();
        }
    } catch (const vornix::calc::ArithmeticFault&) {
    }
    return 0;
}
