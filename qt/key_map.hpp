#pragma once

#include "view.hpp"

#include <QKeyEvent>

#include <optional>

namespace vornix::qt {

// The key as the rules know it, or nothing for a key the rules leave to the
// control; a button presses itself on Space, so Space on a button is not passed on.
std::optional<ui::Key> key_of(const QKeyEvent& key, bool on_button);

} // namespace vornix::qt
