#include "form.hpp"

#include <algorithm>
#include <cmath>

namespace vornix::ui {

int twips_to_pixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

bool takes_focus(ControlKind kind) {
    return kind == ControlKind::EntryBox || kind == ControlKind::Button ||
           kind == ControlKind::Link;
}

std::vector<const ControlSpec*> in_tab_order(std::span<const ControlSpec> table) {
    std::vector<const ControlSpec*> rows;
    for (const ControlSpec& row : table) {
        rows.push_back(&row);
    }
    std::ranges::stable_sort(rows, {}, &ControlSpec::tab);
    return rows;
}

const ControlSpec* find_control(std::span<const ControlSpec> table, std::string_view name) {
    const auto found = std::ranges::find(table, name, &ControlSpec::name);
    return found == table.end() ? nullptr : &*found;
}

} // namespace vornix::ui
