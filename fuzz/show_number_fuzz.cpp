// show_number on the bit pattern of any finite double: the text reads back
// to the same value to 15 significant digits.
#include "calc.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) {
        return 0;
    }
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value)) {
        return 0;
    }
    const std::string shown = vornix::calc::show_number(value);
    const double back = vornix::calc::read_number(shown);
    const double tolerance = std::fabs(value) * 5.2e-15 + std::numeric_limits<double>::denorm_min();
    if (!(std::fabs(back - value) <= tolerance) || shown != vornix::calc::show_number(back)) {
        std::abort();
    }
    return 0;
}
