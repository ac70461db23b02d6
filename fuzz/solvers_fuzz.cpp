// Both solvers on arbitrary texts: an answer text of the known shapes, never
// holding inf or nan, or the arithmetic fault; and their exact forms, which
// never raise and exist exactly where a solved answer does.
#include "calc.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Entry texts are separated by a 0x1F byte (unit separator).
std::vector<std::string_view> split(std::string_view input) {
    std::vector<std::string_view> texts;
    while (texts.size() < 3) {
        const auto cut = input.find('\x1f');
        if (cut == std::string_view::npos) {
            break;
        }
        texts.push_back(input.substr(0, cut));
        input.remove_prefix(cut + 1);
    }
    texts.push_back(input);
    texts.resize(4);
    return texts;
}

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
    const auto t = split(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto quadratic_form = exact_quadratic(t[0], t[1], t[2]);
    try {
        check(solve_quadratic(t[0], t[1], t[2]));
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
        const std::string answer = solve_line(t[0], t[1], t[2], t[3]);
        check(answer);
        if (line_form.has_value() != answer.starts_with("Y=")) {
            std::abort();
        }
    } catch (const ArithmeticFault&) {
        if (line_form) {
            std::abort();
        }
    }
    return 0;
}
