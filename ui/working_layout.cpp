#include "working_layout.hpp"

#include <algorithm>

namespace vornix::ui {
namespace {

constexpr std::string_view kWorking = "picWorking";
constexpr std::string_view kGraph = "picGraph";

Rect rect_of(const ControlRow& row) {
    return {row.left, row.top, row.left + row.width, row.top + row.height};
}

} // namespace

std::vector<Placement> arrange_working(std::span<const ControlRow> table,
                                       const WindowFrame& designed, int width, int height,
                                       int zoom_percent) {
    width = std::max(width, designed.client_width);
    height = std::max(height, designed.client_height);
    const ControlRow* working = find_control(table, kWorking);
    const ControlRow* graph = find_control(table, kGraph);
    if (working == nullptr || graph == nullptr) {
        return {};
    }
    const Rect designed_working = rect_of(*working);
    const Rect designed_graph = rect_of(*graph);
    const int gap = designed_graph.left - designed_working.right;
    const int margin = designed_working.left;
    const int grow_down = height - designed.client_height;
    // The wanted width grows with the zoom, so that a zoomed working wraps no more than at 100 %.
    const int wanted = working->width * std::max(zoom_percent, 100) / 100;
    const int most = (width - 2 * margin - gap) * 3 / 5;
    const int working_width = std::max(working->width, std::min(wanted, most));

    std::vector<Placement> places;
    for (const ControlRow& row : table) {
        Rect place = rect_of(row);
        if (row.name == kWorking) {
            place = {margin, place.top, margin + working_width, place.bottom + grow_down};
        } else if (row.name == kGraph) {
            place = {margin + working_width + gap, place.top, width - margin,
                     place.bottom + grow_down};
        } else if (row.top >= designed_working.bottom) {
            // What stands under the working moves down with its bottom; what
            // stands at the right keeps to the right; a row as wide as the
            // working widens with it.
            place.top += grow_down;
            place.bottom += grow_down;
            if (row.left > designed.client_width / 2) {
                const int shift = width - designed.client_width;
                place.left += shift;
                place.right += shift;
            } else if (place.left == designed_working.left &&
                       place.right == designed_working.right) {
                place.right = margin + working_width;
            }
        }
        places.emplace_back(row.name, place);
    }
    return places;
}

} // namespace vornix::ui
