// The graph of any plot an exercise could give (any curve, marks anywhere,
// infinite ones included, any labels): the scene holds finite points only.
#include "data_source.hpp"
#include "graph.hpp"
#include "measuring_canvas.hpp"

#include <cmath>

namespace {

double finite_or_zero(double value) {
    return std::isfinite(value) ? value : 0;
}

double not_nan(double value) {
    return std::isnan(value) ? 0 : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vornix::fuzzing::DataSource in(data, size);
    vornix::calc::Plot plot;
    plot.curve = in.flag();
    plot.a = in.flag() ? finite_or_zero(in.number()) : 0;
    plot.b = finite_or_zero(in.number());
    plot.c = finite_or_zero(in.number());
    for (int mark = in.byte() % 6; mark > 0; --mark) {
        const double x = not_nan(in.number());
        const double y = not_nan(in.number());
        plot.marks.push_back({x, y, in.text()});
    }
    for (int guide = in.byte() % 3; guide > 0; --guide) {
        const bool vertical = in.flag();
        const double at = not_nan(in.number());
        plot.guides.push_back({vertical, at, in.text()});
    }
    plot.equation = in.text();
    if (in.flag()) {
        plot.note = in.text();
    }
    vornix::fuzzing::MeasuringCanvas canvas;
    vornix::draw::draw(vornix::draw::build_scene(plot, canvas), canvas);
    return 0;
}
