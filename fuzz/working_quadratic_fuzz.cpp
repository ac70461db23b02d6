// The quadratic's working and plot on arbitrary classroom-sized texts.
#include "entries.hpp"
#include "working_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vornix::fuzzing;
    const auto t = entries(data, size);
    if (!classroom_sized(std::span(t).first(3))) {
        return -1; // kept out of the corpus
    }
    check(vornix::calc::evaluate_quadratic(t[0], t[1], t[2]));
    return 0;
}
