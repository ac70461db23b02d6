#include "settings.hpp"

#include <algorithm>
#include <charconv>

namespace vornix::ui {
namespace {

std::string key_of(std::string_view group, std::string_view name) {
    return std::string(group) + "/" + std::string(name);
}

std::optional<int> whole_number(const Settings& settings, std::string_view key) {
    const std::optional<std::string> text = settings.read(key);
    if (!text || text->empty() || text->size() > 11) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text->data() + text->size();
    const auto [stopped, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stopped != end) {
        return std::nullopt;
    }
    return value;
}

bool contains(const Rect& area, int x, int y) {
    return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
}

// The stored frame's numbers, each within what any desktop could hold.
std::optional<Rect> stored_frame(const Settings& settings, std::string_view group) {
    constexpr int kFar = 1 << 20;
    Rect frame{};
    for (const auto& [name, field] :
         {std::pair{"Left", &Rect::left}, std::pair{"Top", &Rect::top},
          std::pair{"Right", &Rect::right}, std::pair{"Bottom", &Rect::bottom}}) {
        const std::optional<int> value = whole_number(settings, key_of(group, name));
        if (!value || *value < -kFar || *value > kFar) {
            return std::nullopt;
        }
        frame.*field = *value;
    }
    return frame;
}

} // namespace

std::optional<std::string> MemorySettings::read(std::string_view key) const {
    const auto found = values.find(key);
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

void MemorySettings::write(std::string_view key, std::string_view value) {
    values.insert_or_assign(std::string(key), std::string(value));
}

int read_number_setting(const Settings& settings, std::string_view key, int lowest, int highest,
                        int otherwise) {
    const std::optional<int> value = whole_number(settings, key);
    return value && *value >= lowest && *value <= highest ? *value : otherwise;
}

std::string_view read_choice_setting(const Settings& settings, std::string_view key,
                                     std::span<const std::string_view> choices,
                                     std::string_view otherwise) {
    const std::optional<std::string> text = settings.read(key);
    if (!text) {
        return otherwise;
    }
    const auto found = std::ranges::find(choices, *text);
    return found == choices.end() ? otherwise : *found;
}

void write_window_place(Settings& settings, std::string_view group, const WindowPlace& place) {
    settings.write(key_of(group, "Left"), std::to_string(place.frame.left));
    settings.write(key_of(group, "Top"), std::to_string(place.frame.top));
    settings.write(key_of(group, "Right"), std::to_string(place.frame.right));
    settings.write(key_of(group, "Bottom"), std::to_string(place.frame.bottom));
    settings.write(key_of(group, "Maximised"), place.maximised ? "1" : "0");
}

std::optional<WindowPlace> read_window_place(const Settings& settings, std::string_view group,
                                             std::span<const Rect> screens, int smallest_width,
                                             int smallest_height) {
    const std::optional<Rect> frame = stored_frame(settings, group);
    if (!frame) {
        return std::nullopt;
    }
    const int width = frame->right - frame->left;
    const int height = frame->bottom - frame->top;
    const int middle = frame->left + width / 2;
    const auto holder = std::ranges::find_if(
        screens, [&](const Rect& screen) { return contains(screen, middle, frame->top); });
    if (width < smallest_width || height < smallest_height || holder == screens.end() ||
        width > holder->right - holder->left || height > holder->bottom - holder->top) {
        return std::nullopt;
    }
    return WindowPlace{*frame,
                       read_number_setting(settings, key_of(group, "Maximised"), 0, 1, 0) == 1};
}

} // namespace vornix::ui
