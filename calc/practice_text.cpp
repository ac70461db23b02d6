// Exercises written as the entry boxes take them, and what makes two the same.
#include "practice_draw.hpp"

#include <initializer_list>
#include <numeric>
#include <utility>

namespace vornix::calc::detail {
namespace {

constexpr std::int64_t kMost = 100;

std::int64_t power_of_ten(int places) {
    std::int64_t power = 1;
    for (int i = 0; i < places; ++i) {
        power *= 10;
    }
    return power;
}

bool within(std::int64_t units, int places) {
    const std::int64_t most = kMost * power_of_ten(places);
    return units >= -most && units <= most;
}

std::string joined(std::initializer_list<std::int64_t> numbers) {
    std::string text;
    for (const std::int64_t number : numbers) {
        text += std::to_string(number) + ",";
    }
    return text;
}

} // namespace

std::string entry_text(std::int64_t units, int places) {
    const std::int64_t scale = power_of_ten(places);
    const std::int64_t magnitude = units < 0 ? -units : units;
    std::string text = units < 0 ? "-" : "";
    text += std::to_string(magnitude / scale);
    std::string fraction = std::to_string(magnitude % scale + scale).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return text;
}

bool classroom_sized(const Coefficients& n) {
    return within(n.a, n.places) && within(n.b, n.places) && within(n.c, n.places);
}

bool classroom_sized(const Points& n) {
    return within(n.x1, n.places) && within(n.y1, n.places) && within(n.x2, n.places) &&
           within(n.y2, n.places);
}

Draft equation_draft(const Coefficients& n) {
    Draft draft = function_draft(n);
    // The equation without a common factor and with a > 0 stands for all its multiples.
    std::int64_t common = std::gcd(std::gcd(n.a, n.b), n.c);
    if (n.a < 0) {
        common = -common;
    }
    draft.identity = joined({n.a / common, n.b / common, n.c / common});
    return draft;
}

Draft function_draft(const Coefficients& n) {
    Draft draft;
    draft.exercise.entries = {entry_text(n.a, n.places), entry_text(n.b, n.places),
                              entry_text(n.c, n.places)};
    draft.identity = joined({n.a, n.b, n.c, n.places});
    return draft;
}

Draft line_draft(const Points& n) {
    Draft draft;
    draft.exercise.line = true;
    draft.exercise.entries = {entry_text(n.x1, n.places), entry_text(n.y1, n.places),
                              entry_text(n.x2, n.places), entry_text(n.y2, n.places)};
    std::pair first{n.x1, n.y1};
    std::pair second{n.x2, n.y2};
    if (second < first) {
        std::swap(first, second);
    }
    draft.identity = joined({first.first, first.second, second.first, second.second, n.places});
    return draft;
}

} // namespace vornix::calc::detail
