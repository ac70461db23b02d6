// Where the graph's texts go. Each text is drawn on a patch of paper, so
// that no grid line runs through its letters; a patch must never cover the
// curve, a guide, an arrow or a marked point, which are what the graph is
// for. So a label stands beside its point, wholly inside the plot, clear of
// those lines and points and of every other text; where no place near its
// point is clear, a shorter form of it is tried; where none is, a tick label
// gives way to it, and as a last resort the label is left out (the working
// beside the graph says it in full).
#pragma once

#include "clip.hpp"
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

    // Takes the scene's curves, guides, arrows and dots as they now stand as
    // what no text may cover. Called once every line and dot is in.
    void keep_clear_of_scene();
    // Whether the text's patch would cover a line or a dot kept clear of.
    bool covers_lines(const SceneText& label) const;
    // Whether the text's patch of paper lies wholly inside the plot.
    bool inside_plot(const SceneText& label) const;
    // How far a text's patch reaches beyond its letters.
    double patch_pad() const { return canvas_.scale(); }
    // Whether the text lies on another text or tick label.
    bool on_text(const SceneText& label) const;

    // A label beside a point: the first form of `forms` (best first) that
    // has a clear place near it, the four corners first, then rings further
    // out; when `always`, a form may also take a place where only tick labels
    // lie, which give way, before a shorter one is tried. Returns whether placed.
    bool place_near(const std::vector<std::string>& forms, Point at, Ink ink, bool always = true);
    bool place_near(const std::string& text, Point at, Ink ink, bool always = true) {
        return place_near(std::vector<std::string>{text}, at, ink, always);
    }
    // At the first of the places that is clear; else as place_near does.
    void place_at(std::string text, const std::vector<Point>& places);
    // A label at its place if it is clear there; returns whether it was.
    bool place_if_clear(SceneText label);

  private:
    struct Run {
        Box bounds;
        std::vector<Point> points;
        double clearance; // half the line's width, with the patch's margin
    };
    struct Dot {
        Point centre;
        double clearance;
    };

    bool overlap(const SceneText& a, const SceneText& b) const;
    bool fits(const SceneText& label) const;
    // Whether the text's patch would interrupt an axis: allowed, but a
    // place beside them is taken first.
    bool covers_axes(const SceneText& label) const;
    static bool covers(const std::vector<Run>& runs, const Box& text);
    bool settle(SceneText& label, const std::vector<Point>& places);
    std::vector<Point> places_near(const SceneText& label, Point at) const;
    static void add_runs(std::vector<Run>& runs, const std::vector<Point>& points,
                         double clearance);

    Scene& scene_;
    Canvas& canvas_;
    double s_;
    std::vector<Run> runs_;
    std::vector<Run> axes_;
    std::vector<Dot> dots_;
};

} // namespace vornix::draw::detail
