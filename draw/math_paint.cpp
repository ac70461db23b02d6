#include "math_layout.hpp"

#include <algorithm>

namespace vornix::draw {

void draw_lines(const Typeset& set, Canvas& canvas, Point offset, double from, double to, Ink ink) {
    // A piece belongs to the line whose band holds it.
    const auto shown = [&](double y) {
        const auto line =
            std::ranges::find_if(set.lines, [y](const SetLine& l) { return y <= l.bottom; });
        const double top = line == set.lines.end() ? y : line->top;
        return top >= from && top < to;
    };
    for (const Stroke& stroke : set.strokes) {
        if (stroke.points.empty() || !shown(stroke.points.front().y)) {
            continue;
        }
        std::vector<Point> moved;
        for (const Point& point : stroke.points) {
            moved.push_back({point.x + offset.x, point.y + offset.y});
        }
        canvas.lines(moved, stroke.width, ink, false);
    }
    for (const TextRun& run : set.runs) {
        if (shown(run.baseline_left.y)) {
            canvas.text({run.baseline_left.x + offset.x, run.baseline_left.y + offset.y}, run.text,
                        run.points, ink);
        }
    }
}

void draw(const Typeset& set, Canvas& canvas, Point offset, Ink ink) {
    for (const Stroke& stroke : set.strokes) {
        std::vector<Point> moved;
        for (const Point& point : stroke.points) {
            moved.push_back({point.x + offset.x, point.y + offset.y});
        }
        canvas.lines(moved, stroke.width, ink, false);
    }
    for (const TextRun& run : set.runs) {
        canvas.text({run.baseline_left.x + offset.x, run.baseline_left.y + offset.y}, run.text,
                    run.points, ink);
    }
}

void mark_formula(const Typeset& set, std::size_t formula, Canvas& canvas, Point offset,
                  double width) {
    double top = 0;
    double bottom = 0;
    bool found = false;
    for (const SetLine& line : set.lines) {
        if (line.formula == formula) {
            top = found ? top : line.top;
            bottom = line.bottom;
            found = true;
        }
    }
    if (!found) {
        return;
    }
    const double pad = 2 * canvas.scale();
    const double left = offset.x - 3 * pad;
    const Point band[] = {{left, offset.y + top - pad},
                          {offset.x + width, offset.y + top - pad},
                          {offset.x + width, offset.y + bottom + pad},
                          {left, offset.y + bottom + pad}};
    canvas.polygon(band, Ink::Highlight);
    const Point bar[] = {{left, offset.y + top - pad},
                         {left + pad, offset.y + top - pad},
                         {left + pad, offset.y + bottom + pad},
                         {left, offset.y + bottom + pad}};
    canvas.polygon(bar, Ink::Mark);
}

} // namespace vornix::draw
