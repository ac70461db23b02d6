// Where the graph's texts go: each label beside its point, inside the plot,
// clear of the other labels, of the tick labels and of the curve where some
// place near the point allows.
#pragma once

#include "graph.hpp"

#include <string>
#include <vector>

namespace vornix::draw::detail {

class Labels {
  public:
    // Texts at kGraphPoints times `s`, the canvas's scale times the zoom,
    // measured on `canvas` and added to `scene`.
    Labels(Scene& scene, Canvas& canvas, double s);

    SceneText measured(std::string text, Ink ink) const;
    // The curve the labels keep clear of: canvas points at equal steps in x.
    void avoid_curve(const std::vector<Point>* points) { curve_ = points; }

    // A text where it is told, whatever lies there.
    void add(std::string text, Point baseline_left, Ink ink);
    // A label beside a point, at the first clear place near it: the four
    // corners first, then rings further out. Else at the least crowded of
    // those places when `always`. Returns whether it was placed.
    bool place_near(const std::string& text, Point at, Ink ink, bool always = true);
    // At the first of the places that is clear; else at the least crowded.
    void place_at(std::string text, const std::vector<Point>& places);
    // A label at its place if it is clear there; returns whether it was.
    bool place_if_clear(SceneText label);
    // A dashed guide through a tick label would make it unreadable: the
    // label goes, the grid line still shows where the tick is.
    void drop_tick_labels_across(double at, bool vertical);

  private:
    bool on_curve(const SceneText& label) const;
    bool overlap(const SceneText& a, const SceneText& b) const;
    bool inside_plot(const SceneText& label) const;
    bool fits(const SceneText& label) const;
    double crowding(const SceneText& label) const;
    void settle(SceneText& label, const std::vector<Point>& places);

    Scene& scene_;
    Canvas& canvas_;
    double s_;
    const std::vector<Point>* curve_ = nullptr;
};

} // namespace vornix::draw::detail
