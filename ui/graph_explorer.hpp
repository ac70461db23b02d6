// The working window's graph as the user explores it: the wheel and a pinch
// zoom about the pointer, a drag pans, a double click away from the curve or
// Home fits the marked points again, + and − zoom about the middle. Over the
// curve (or a tap on it) the point beneath shows its coordinates; ← and →
// move that point along the curve by one tick step, from the curve's point
// nearest the last click when none is shown, and the view follows it so that
// it stays in sight. A screen reader hears the traced point's coordinates.
#pragma once

#include "graph.hpp"
#include "view.hpp"

#include <optional>
#include <string_view>

namespace vornix::ui {

class GraphExplorer {
  public:
    // The graph is the canvas `control` of the window `view` shows.
    GraphExplorer(View& view, std::string_view control) : view_(view), control_(control) {}

    // A new exercise or page: seen whole again, nothing traced.
    void reset();
    // Draws `plot` with texts and lines at `zoom` (1 for 100 %), and keeps
    // what was drawn for the pointer and the keys.
    void paint(const calc::Plot& plot, double zoom, draw::Canvas& canvas);
    // Home, ← and →, + and −; returns whether the key was used.
    bool key_pressed(Key key, const calc::Plot& plot);
    // Returns whether the event was used.
    bool pointer(const PointerEvent& event, const calc::Plot& plot, double zoom);
    // Tells screen readers the equation and the marked points, or the
    // traced point.
    void describe(const calc::Plot& plot);

    std::optional<double> traced_x() const { return trace_x_; }
    // The graph as last drawn; nullptr before the first paint.
    const draw::Scene* scene() const { return scene_ ? &*scene_ : nullptr; }

  private:
    void zoom_about(double factor, draw::Point about);
    void fit();
    void trace_near(draw::Point at, const calc::Plot& plot, double zoom);
    void move_trace(int steps, const calc::Plot& plot);

    View& view_;
    std::string_view control_;
    // As last drawn, and where the user has moved it.
    std::optional<draw::Scene> scene_;
    std::optional<draw::GraphWindow> window_;
    std::optional<double> trace_x_;
    // The x of the curve's point nearest the last click, where ← and → start.
    std::optional<double> anchor_x_;
    std::optional<draw::Point> dragged_from_;
    std::optional<draw::Point> pressed_at_;
};

} // namespace vornix::ui
