// How the working window's controls share a client area of any size: the
// choices along the top, the buttons along the bottom, and between them the
// working on the left and the graph on the right. The working's column
// widens with the zoom, up to three fifths of the window; the graph takes
// the rest. At the designed size and 100 % every control is where its row
// puts it.
#pragma once

#include "form.hpp"

#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace vornix::ui {

using Placement = std::pair<std::string_view, Rect>;

// The controls of `table` (designed for `designed`, in twips) in a client
// area `width` by `height` twips at `zoom_percent`. Never smaller than designed.
std::vector<Placement> arrange_working(std::span<const ControlRow> table,
                                       const WindowFrame& designed, int width, int height,
                                       int zoom_percent);

} // namespace vornix::ui
