// The working and the graph on arbitrary texts: the exercise's answer is the
// solver's, every method's working has lines, and the set working and the
// graph's scene hold finite points only.
#include "calc.hpp"
#include "entries.hpp"
#include "exercise.hpp"
#include "graph.hpp"
#include "math_layout.hpp"

#include <cmath>
#include <cstdlib>

namespace {

// Measures every character as 8 by 16 pixels and draws nothing.
class MeasuringCanvas final : public vornix::ui::Canvas {
  public:
    double width() const override { return 380; }
    double height() const override { return 432; }
    double scale() const override { return 1; }
    vornix::ui::TextExtent measure(std::string_view text, double) override {
        return {8.0 * static_cast<double>(text.size()), 12, 4};
    }
    void text(vornix::ui::Point at, std::string_view, double, vornix::ui::Ink) override {
        require(at);
    }
    void lines(std::span<const vornix::ui::Point> points, double, vornix::ui::Ink, bool) override {
        for (const vornix::ui::Point& point : points) {
            require(point);
        }
    }
    void disc(vornix::ui::Point centre, double, vornix::ui::Ink) override { require(centre); }
    void fill(vornix::ui::Ink) override {}

  private:
    static void require(vornix::ui::Point point) {
        if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
            std::abort();
        }
    }
};

std::string answer_or_fault(auto solve) {
    try {
        return solve();
    } catch (const vornix::calc::ArithmeticFault&) {
        return {};
    }
}

void check(const vornix::calc::Exercise& exercise, const std::string& answer) {
    if (exercise.answer != answer) {
        std::abort();
    }
    MeasuringCanvas canvas;
    for (const vornix::calc::Working& working : exercise.workings) {
        if (working.lines.empty()) {
            std::abort();
        }
        const auto set = vornix::ui::typeset(working.lines, 12, 360, canvas);
        vornix::ui::draw(set, canvas, {8, 8});
    }
    vornix::ui::draw(vornix::ui::build_scene(exercise.plot, canvas), canvas);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vornix::calc;
    const auto t = vornix::fuzzing::entries(data, size);
    check(evaluate_quadratic(t[0], t[1], t[2]),
          answer_or_fault([&] { return solve_quadratic(t[0], t[1], t[2]); }));
    check(evaluate_line(t[0], t[1], t[2], t[3]),
          answer_or_fault([&] { return solve_line(t[0], t[1], t[2], t[3]); }));
    return 0;
}
