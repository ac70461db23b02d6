// Both solvers on arbitrary texts: an answer text of the known shapes, never
// holding inf or nan, or the arithmetic fault.
#include "calc.hpp"
#include "entries.hpp"

#include <cstdlib>
#include <initializer_list>
#include <string>

namespace {

bool starts_with_any(const std::string& answer, std::initializer_list<std::string_view> heads) {
    for (const std::string_view head : heads) {
        if (answer.starts_with(head)) {
            return true;
        }
    }
    return false;
}

void check(const std::string& answer) {
    if (answer.find("inf") != std::string::npos || answer.find("nan") != std::string::npos ||
        !starts_with_any(answer, {"X1=", "X=", "Y=", "△小于0，无解！", "ERROR! "})) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vornix::calc;
    const auto t = vornix::fuzzing::entries(data, size);
    try {
        check(solve_quadratic(t[0], t[1], t[2]));
    } catch (const ArithmeticFault&) {
    }
    try {
        check(solve_line(t[0], t[1], t[2], t[3]));
    } catch (const ArithmeticFault&) {
    }
    return 0;
}
