#include "graph.hpp"

namespace vornix::draw {

void draw(const Scene& scene, Canvas& canvas) {
    canvas.fill(Ink::Paper);
    for (const std::vector<Point>& region : scene.regions) {
        canvas.polygon(region, Ink::Region);
    }
    for (const SceneLines& lines : scene.lines) {
        canvas.lines(lines.points, lines.width, lines.ink, lines.dashed);
    }
    for (const Point& dot : scene.dots) {
        canvas.disc(dot, scene.dot_radius, Ink::Mark);
    }
    if (scene.trace) {
        canvas.disc(*scene.trace, scene.dot_radius * 1.4, Ink::Trace);
    }
    // Each text on a patch of paper, so that no grid line, guide or curve
    // runs through its letters.
    const double pad = canvas.scale();
    for (const auto* texts : {&scene.tick_labels, &scene.texts}) {
        for (const SceneText& text : *texts) {
            const Point& at = text.baseline_left;
            const double top = at.y - text.extent.ascent - pad;
            const double bottom = at.y + text.extent.descent + pad;
            const double right = at.x + text.extent.width + pad;
            const Point patch[] = {
                {at.x - pad, top}, {right, top}, {right, bottom}, {at.x - pad, bottom}};
            canvas.polygon(patch, Ink::Paper);
            canvas.text(at, text.text, text.points, text.ink);
        }
    }
}

} // namespace vornix::draw
