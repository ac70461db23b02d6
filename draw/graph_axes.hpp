// The graph's axes: a light grid, the axes with their arrows and names, x,
// y and O, and ticks at nice steps, the largest at which no two tick labels
// of an axis touch. A tick label goes where nothing the graph is for lies:
// below its tick (left of it on the y axis), else across its axis, else not
// at all, the grid line still showing where the tick is.
#pragma once

#include "graph_labels.hpp"
#include "graph_plane.hpp"

#include <vector>

namespace vornix::draw::detail {

class Axes {
  public:
    // Lines and texts at `s`, the canvas's scale times the zoom.
    Axes(const Plane& plane, Scene& scene, Labels& labels, double s)
        : plane_(plane), scene_(scene), labels_(labels), s_(s) {}

    // The steps of both axes and their tick labels, kept aside until every
    // line of the graph is in.
    void choose_ticks();
    // The grid, the axes with their arrows, the ticks.
    void add_lines();
    // The tick labels, where nothing the graph is for lies under them.
    void add_tick_labels();
    // x, y and O, where the curve and the tick labels leave room.
    void add_names();

    Real x_step() const { return x_step_; }
    Real y_step() const { return y_step_; }

  private:
    struct TickLabel {
        SceneText label;
        Point other_side; // where it goes when something lies at its place
        bool horizontal;  // on the x axis
    };

    void choose_ticks(bool horizontal);
    std::vector<TickLabel> tick_labels(const Range& range, Real step, bool horizontal) const;
    bool crowded(const std::vector<TickLabel>& labels, bool horizontal) const;
    Point nudged_in(const SceneText& label, bool horizontal) const;
    void line(std::vector<Point> points, Ink ink, double width);

    const Plane& plane_;
    Scene& scene_;
    Labels& labels_;
    double s_;
    std::vector<TickLabel> ticks_;
    Real x_step_ = 1;
    Real y_step_ = 1;
};

} // namespace vornix::draw::detail
