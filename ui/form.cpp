#include "form.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace vornix::ui {

int twips_to_pixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

bool takes_focus(ControlKind kind) {
    return kind == ControlKind::EntryBox || kind == ControlKind::Button ||
           kind == ControlKind::Link || kind == ControlKind::Option ||
           kind == ControlKind::Canvas || kind == ControlKind::CheckBox;
}

char access_key(std::string_view caption) {
    const std::size_t amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) {
        return 0;
    }
    const char key = caption[amp + 1];
    return key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
}

const ControlRow* buddy_of(std::span<const ControlRow> table, std::string_view label) {
    const std::vector<const ControlRow*> rows = in_tab_order(table);
    const auto at = std::ranges::find(rows, label, &ControlRow::name);
    if (at == rows.end() || (*at)->kind != ControlKind::Label || access_key((*at)->caption) == 0) {
        return nullptr;
    }
    const auto buddy = std::find_if(at + 1, rows.end(),
                                    [](const ControlRow* row) { return takes_focus(row->kind); });
    return buddy == rows.end() ? nullptr : *buddy;
}

std::vector<const ControlRow*> in_tab_order(std::span<const ControlRow> table) {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : table) {
        rows.push_back(&row);
    }
    std::ranges::stable_sort(rows, {}, &ControlRow::tab);
    return rows;
}

std::vector<const ControlRow*> stacking_order(std::span<const ControlRow> table) {
    const std::vector<const ControlRow*> rows = in_tab_order(table);
    // A label with an access key goes just above its buddy, where the dialog
    // manager looks for the control its key hands the focus to.
    const auto named = [&](const ControlRow* row) { return buddy_of(table, row->name) != nullptr; };
    std::vector<const ControlRow*> order;
    for (const ControlRow* row : rows) {
        if (!takes_focus(row->kind)) {
            continue;
        }
        for (const ControlRow* label : rows) {
            if (named(label) && buddy_of(table, label->name) == row) {
                order.push_back(label);
            }
        }
        order.push_back(row);
    }
    std::ranges::copy_if(
        rows.rbegin(), rows.rend(), std::back_inserter(order),
        [&](const ControlRow* row) { return !takes_focus(row->kind) && !named(row); });
    return order;
}

int option_group(std::span<const ControlRow> table, std::string_view name) {
    int group = -1;
    bool in_group = false;
    for (const ControlRow* row : in_tab_order(table)) {
        const bool option = row->kind == ControlKind::Option;
        if (option && !in_group) {
            ++group;
        }
        in_group = option;
        if (row->name == name) {
            return option ? group : -1;
        }
    }
    return -1;
}

bool starts_group(std::span<const ControlRow> table, std::string_view name) {
    int previous_group = -1;
    for (const ControlRow* row : in_tab_order(table)) {
        if (!takes_focus(row->kind)) {
            continue;
        }
        const int group = option_group(table, row->name);
        if (row->name == name) {
            return group != previous_group;
        }
        previous_group = group;
    }
    return false;
}

const ControlRow* find_control(std::span<const ControlRow> table, std::string_view name) {
    const auto found = std::ranges::find(table, name, &ControlRow::name);
    return found == table.end() ? nullptr : &*found;
}

Rect keep_within(Rect window, Rect area) {
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = std::max(area.left, std::min(window.left, area.right - width));
    const int top = std::max(area.top, std::min(window.top, area.bottom - height));
    return {left, top, left + width, top + height};
}

std::span<const std::string_view> faces_of(Typeface face) {
    // Debian's AR PL faces hold the same GB2312 set as the Windows ones.
    static constexpr std::array<std::string_view, 4> kSong{"宋体", "SimSun", "NSimSun",
                                                           "AR PL UMing CN"};
    static constexpr std::array<std::string_view, 6> kKai{
        "楷体_GB2312", "楷体", "KaiTi_GB2312", "KaiTi", "STKaiti", "AR PL UKai CN"};
    switch (face) {
    case Typeface::Song:
        return kSong;
    case Typeface::Kai:
        return kKai;
    case Typeface::SystemDefault:
        break;
    }
    return {};
}

} // namespace vornix::ui
