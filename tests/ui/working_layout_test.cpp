// How the working window's controls share a window of any size and zoom.
#include "working_form.hpp"
#include "working_layout.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace vornix::testing {
namespace {

using ui::Rect;

Rect place_of(const std::vector<ui::Placement>& places, std::string_view name) {
    return std::ranges::find(places, name, &ui::Placement::first)->second;
}

TEST(WorkingLayout, AtTheDesignedSizeEveryControlIsWhereItsRowPutsIt) {
    for (const ui::Topic topic : {ui::Topic::Quadratic, ui::Topic::Line}) {
        const ui::WindowFrame& frame = ui::WorkingForm::window(topic);
        const auto places = ui::arrange_working(ui::WorkingForm::table(topic), frame,
                                                frame.client_width, frame.client_height, 100);
        for (const ui::ControlRow& row : ui::WorkingForm::table(topic)) {
            EXPECT_EQ(place_of(places, row.name),
                      (Rect{row.left, row.top, row.left + row.width, row.top + row.height}))
                << row.name;
        }
    }
}

TEST(WorkingLayout, TheGraphTakesWhatTheWorkingDoesNotNeedAndTheButtonsStayAtTheBottom) {
    const auto table = ui::WorkingForm::table(ui::Topic::Quadratic);
    const ui::WindowFrame& frame = ui::WorkingForm::window(ui::Topic::Quadratic);
    struct Row {
        int width, height, zoom;
    };
    for (const Row& r : {Row{11700, 7320, 400}, Row{28800, 16200, 100}, Row{28800, 16200, 200},
                         Row{28800, 16200, 400}, Row{5000, 3000, 150}, Row{19200, 10800, 250}}) {
        const auto places = ui::arrange_working(table, frame, r.width, r.height, r.zoom);
        const int width = std::max(r.width, frame.client_width);
        const int height = std::max(r.height, frame.client_height);
        const Rect working = place_of(places, "picWorking");
        const Rect graph = place_of(places, "picGraph");
        const Rect close = place_of(places, "cmdClose");
        EXPECT_LT(working.right, graph.left) << r.width << "x" << r.height;
        EXPECT_GE(working.right - working.left, 5640) << "never narrower than designed";
        EXPECT_LE(working.right - working.left, (width * 3) / 5);
        EXPECT_EQ(graph.right, width - 120);
        EXPECT_EQ(close.bottom, height - 165) << "the buttons keep to the bottom";
        EXPECT_EQ(close.right, width - 120) << "关闭 keeps to the right";
        EXPECT_LT(graph.bottom, close.top);
        for (const auto& [name, place] : places) {
            EXPECT_TRUE(place.left >= 0 && place.right <= width && place.bottom <= height) << name;
        }
    }
    const auto wide = [&](int zoom) {
        const Rect w =
            place_of(ui::arrange_working(table, frame, 28800, 16200, zoom), "picWorking");
        return w.right - w.left;
    };
    EXPECT_LT(wide(100), wide(200)) << "a zoomed working takes more of a large window";
}

} // namespace
} // namespace vornix::testing
