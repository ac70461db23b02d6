// The answer checker on arbitrary bytes: the first chooses the exercise, the
// second the page and the method shown, the rest is the student's entry.
// Every verdict starts with its mark's word, names only lines that exist,
// is valid UTF-8, and refuses an entry over 200 characters without reading it.
#include "answer.hpp"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using namespace vornix::calc;

// Exercises of every kind and outcome, made once: the textbook's, decimals,
// 34 digits that cannot be simplified, a = 0, a = b = 0, the refused lines.
const std::vector<Exercise>& exercises() {
    static const std::vector<Exercise> made = [] {
        std::vector<Exercise> e;
        for (const auto& [a, b, c] : std::vector<std::array<const char*, 3>>{
                 {"1", "-3", "2"},
                 {"1", "-3", "1"},
                 {"2", "-4", "-3"},
                 {"1", "-8", "1"},
                 {"1", "0", "-4"},
                 {"1", "0", "1"},
                 {"0.5", "-1", "-1"},
                 {"0", "2", "-3"},
                 {"0", "0", "3"},
                 {"1E300", "1", "-1E-300"},
                 {"1.234567890123456789012345678901234", "7", "-3.3"}}) {
            e.push_back(evaluate_quadratic(a, b, c));
        }
        for (const auto& [x1, y1, x2, y2] :
             std::vector<std::array<const char*, 4>>{{"3", "5", "-4", "-9"},
                                                     {"0", "0", "1", "2"},
                                                     {"0.5", "1", "1.5", "2"},
                                                     {"1", "1", "1", "2"},
                                                     {"1", "1", "2", "1"}}) {
            e.push_back(evaluate_line(x1, y1, x2, y2));
        }
        return e;
    }();
    return made;
}

bool valid_utf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || at + length > text.size()) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

// The lines the verdict's working line counts in.
const std::vector<Formula>* counted_lines(const Exercise& e, Page page, const Verdict& v) {
    if (page == Page::Function) {
        return &e.function.lines;
    }
    for (const Working& working : e.workings) {
        if (v.working_method && working.method == *v.working_method) {
            return &working.lines;
        }
    }
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return -1;
    }
    const Exercise& exercise = exercises()[data[0] % exercises().size()];
    const Page page = (data[1] & 1) != 0 ? Page::Function : Page::Solve;
    constexpr std::array<std::optional<Method>, 5> kMethods{
        std::nullopt, Method::Formula, Method::CompletingSquare, Method::Factoring, Method::Linear};
    const std::optional<Method> method = kMethods[(data[1] >> 1) % kMethods.size()];
    const std::string_view answer(reinterpret_cast<const char*>(data + 2), size - 2);

    const Verdict v = check_answer(exercise, page, method, answer);
    if (v.lines.empty() || !v.lines.front().starts_with(std::string(mark_word(v.mark)) + "：") ||
        v.lines.front() == "看不懂：这个答案算不下去.") {
        std::abort();
    }
    for (const std::string& line : v.lines) {
        if (!valid_utf8(line)) {
            std::abort();
        }
    }
    if (v.working_line) {
        const auto* lines = counted_lines(exercise, page, v);
        if (lines == nullptr || *v.working_line >= lines->size()) {
            std::abort();
        }
    }
    if (characters(answer) > 200 && v.mark != Mark::Unreadable && v.mark != Mark::NothingToCheck) {
        std::abort();
    }
    return 0;
}
