// Typesetting any formula the working could hold (nested fractions, roots,
// systems, any text): the set lines hold finite points only, and each line
// reads as linear text.
#include "data_source.hpp"
#include "math_layout.hpp"
#include "measuring_canvas.hpp"

namespace {

using vornix::calc::Formula;
using vornix::calc::Math;

Formula formula(vornix::fuzzing::DataSource& in, int depth) {
    Formula made;
    const int pieces = in.byte() % 6;
    for (int piece = 0; piece < pieces; ++piece) {
        switch (depth >= 4 ? 0 : in.byte() % 4) {
        case 0:
            made.push_back({Math::Kind::Text, in.text(), {}});
            break;
        case 1:
            made.push_back(
                {Math::Kind::Fraction, {}, {formula(in, depth + 1), formula(in, depth + 1)}});
            break;
        case 2:
            made.push_back({Math::Kind::Root, {}, {formula(in, depth + 1)}});
            break;
        default: {
            Math system{Math::Kind::System, {}, {}};
            const int equations = 1 + in.byte() % 3;
            for (int i = 0; i < equations; ++i) {
                system.parts.push_back(formula(in, depth + 1));
            }
            made.push_back(std::move(system));
        }
        }
    }
    return made;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vornix::fuzzing::DataSource in(data, size);
    const double points = 6 + in.byte() % 24;
    const double width = 20 + 4 * in.byte();
    std::vector<Formula> lines(1 + in.byte() % 8);
    for (Formula& line : lines) {
        line = formula(in, 0);
        vornix::calc::linear_text(line);
    }
    vornix::fuzzing::MeasuringCanvas canvas;
    vornix::ui::draw(vornix::ui::typeset(lines, points, width, canvas), canvas, {8, 8});
    return 0;
}
