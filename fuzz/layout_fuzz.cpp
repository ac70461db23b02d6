// Typesetting any formula the working could hold (nested fractions, roots,
// systems, any text): the set lines hold finite points only, and each line
// reads as linear text.
#include "data_source.hpp"
#include "math_layout.hpp"
#include "measuring_canvas.hpp"

namespace {

using vornix::calc::Formula;
using vornix::calc::Math;

// A working's lines hold a few dozen pieces between them; a run builds
// at most this many, so that a long input cannot make one run a slow one.
constexpr int kMostPieces = 32;

Formula formula(vornix::fuzzing::DataSource& in, int depth, int& budget) {
    Formula made;
    const int pieces = in.byte() % 6;
    for (int piece = 0; piece < pieces && budget > 0; ++piece, --budget) {
        switch (depth >= 4 ? 0 : in.byte() % 4) {
        case 0:
            made.push_back({Math::Kind::Text, in.text(), {}});
            break;
        case 1:
            made.push_back({Math::Kind::Fraction,
                            {},
                            {formula(in, depth + 1, budget), formula(in, depth + 1, budget)}});
            break;
        case 2:
            made.push_back({Math::Kind::Root, {}, {formula(in, depth + 1, budget)}});
            break;
        default: {
            Math system{Math::Kind::System, {}, {}};
            const int equations = 1 + in.byte() % 3;
            for (int i = 0; i < equations; ++i) {
                system.parts.push_back(formula(in, depth + 1, budget));
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
    int budget = kMostPieces;
    for (Formula& line : lines) {
        line = formula(in, 0, budget);
        vornix::calc::linear_text(line);
    }
    vornix::fuzzing::MeasuringCanvas canvas;
    vornix::draw::draw(vornix::draw::typeset(lines, points, width, canvas), canvas, {8, 8});
    return 0;
}
