// The exact forms on arbitrary texts: they never raise, and exist exactly
// where the solver gives an answer (for the line, a solved line).
#include "calc.hpp"
#include "entries.hpp"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vornix::calc;
    const auto t = vornix::fuzzing::entries(data, size);
    const auto quadratic_form = exact_quadratic(t[0], t[1], t[2]);
    try {
        solve_quadratic(t[0], t[1], t[2]);
        if (!quadratic_form) {
            std::abort();
        }
    } catch (const ArithmeticFault&) {
        if (quadratic_form) {
            std::abort();
        }
    }
    const auto line_form = exact_line(t[0], t[1], t[2], t[3]);
    try {
        if (line_form.has_value() != solve_line(t[0], t[1], t[2], t[3]).starts_with("Y=")) {
            std::abort();
        }
    } catch (const ArithmeticFault&) {
        if (line_form) {
            std::abort();
        }
    }
    return 0;
}
