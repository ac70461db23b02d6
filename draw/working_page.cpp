#include "working_page.hpp"

#include <algorithm>

namespace vornix::draw {

calc::Formula words(std::string text) {
    return {calc::Math{calc::Math::Kind::Text, std::move(text), {}}};
}

const calc::Working* chosen_working(const calc::Exercise& exercise,
                                    std::optional<calc::Method> preferred) {
    const auto& workings = exercise.workings;
    if (workings.empty()) {
        return nullptr;
    }
    if (preferred) {
        const auto chosen = std::ranges::find(workings, *preferred, &calc::Working::method);
        if (chosen != workings.end()) {
            return &*chosen;
        }
    }
    return &workings[std::min(exercise.default_working, workings.size() - 1)];
}

std::vector<calc::Formula> page_lines(const calc::Exercise& exercise, Page page,
                                      std::optional<calc::Method> preferred) {
    std::vector<calc::Formula> lines;
    if (page == Page::Function) {
        const calc::FunctionPage& function = exercise.function;
        if (!function.statement.empty()) {
            lines.push_back(function.statement);
        }
        lines.insert(lines.end(), function.lines.begin(), function.lines.end());
        if (function.lines.empty()) {
            lines.push_back(words(function.explanation));
        }
        return lines;
    }
    if (!exercise.statement.empty()) {
        lines.push_back(exercise.statement);
    }
    if (const calc::Working* working = chosen_working(exercise, preferred)) {
        lines.insert(lines.end(), working->lines.begin(), working->lines.end());
    } else {
        lines.push_back(words(exercise.explanation));
    }
    return lines;
}

const calc::Plot& page_plot(const calc::Exercise& exercise, Page page) {
    return page == Page::Function ? exercise.function.plot : exercise.plot;
}

} // namespace vornix::draw
