// The working window's rules that hold at every size, zoom and stored value:
// the zoom keys always land on a step and Ctrl+0 always on 100 %, a stored
// zoom is always one of the steps, a stored frame comes back only where it
// fits its monitor, and the working's column is the smaller of its zoomed
// design width and three fifths of the room.
#include "fake_view.hpp"
#include "working_form.hpp"
#include "working_layout.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vornix::testing {
namespace {

using ui::Key;
using ui::WorkingForm;

constexpr auto kZooms = WorkingForm::kZooms;

int zoom_after(std::string_view stored, std::initializer_list<Key> keys) {
    FakeView view;
    ui::MemorySettings settings;
    if (!stored.empty()) {
        settings.write("QuadraticWorking/Zoom", stored);
    }
    WorkingForm form(view, ui::Topic::Quadratic, settings);
    form.load();
    for (const Key key : keys) {
        form.key_pressed("picWorking", key);
    }
    return form.zoom();
}

TEST(WorkingZoom, EveryKeyLandsOnAStepAndCtrl0AlwaysOn100) {
    for (std::size_t from = 0; from < kZooms.size(); ++from) {
        const std::string stored = std::to_string(kZooms[from]);
        EXPECT_EQ(zoom_after(stored, {}), kZooms[from]) << "a step comes back as stored";
        EXPECT_EQ(zoom_after(stored, {Key::ZoomReset}), 100) << "from " << stored;
        EXPECT_EQ(zoom_after(stored, {Key::ZoomIn}), kZooms[std::min(from + 1, kZooms.size() - 1)])
            << "from " << stored;
        EXPECT_EQ(zoom_after(stored, {Key::ZoomOut}), kZooms[from == 0 ? 0 : from - 1])
            << "from " << stored;
        EXPECT_EQ(zoom_after(stored, {Key::ZoomOut, Key::ZoomOut, Key::ZoomOut, Key::ZoomOut,
                                      Key::ZoomOut, Key::ZoomOut, Key::ZoomOut, Key::ZoomOut}),
                  kZooms.front())
            << "from " << stored;
        EXPECT_EQ(zoom_after(stored, {Key::ZoomIn, Key::ZoomIn, Key::ZoomIn, Key::ZoomIn,
                                      Key::ZoomIn, Key::ZoomIn, Key::ZoomIn, Key::ZoomIn}),
                  kZooms.back())
            << "from " << stored;
    }
}

TEST(WorkingZoom, WhateverWasStoredTheZoomIsAStep) {
    for (const char* stored : {"175", "0", "99", "101", "401", "-100", "1E2", " 150", "150 ", "abc",
                               "", "2147483648", "125.0"}) {
        const int zoom = zoom_after(stored, {});
        EXPECT_TRUE(std::ranges::find(kZooms, zoom) != kZooms.end()) << stored << " gave " << zoom;
        const int out = zoom_after(stored, {Key::ZoomOut});
        EXPECT_TRUE(std::ranges::find(kZooms, out) != kZooms.end()) << stored << " then Ctrl+−";
        EXPECT_LE(out, zoom) << stored << ": Ctrl+− never zooms in";
    }
}

TEST(WorkingPlace, AStoredFrameComesBackOnlyWhereItFitsItsMonitorBothWays) {
    std::mt19937_64 random(1214);
    const std::vector<ui::Rect> screens{{0, 0, 1920, 1040}, {1920, 0, 3200, 984}};
    for (int round = 0; round < 2000; ++round) {
        const auto any = [&](int lo, int hi) {
            return lo + static_cast<int>(random() % static_cast<unsigned>(hi - lo));
        };
        const int left = any(-500, 3500);
        const int top = any(-500, 1500);
        const ui::Rect frame{left, top, left + any(100, 2500), top + any(100, 1600)};
        ui::MemorySettings settings;
        ui::write_window_place(settings, "W", {frame, false});
        const auto place = ui::read_window_place(settings, "W", screens, 780, 488);
        if (!place) {
            continue;
        }
        EXPECT_EQ(place->frame, frame);
        const int middle = (frame.left + frame.right) / 2;
        const auto holder = std::ranges::find_if(screens, [&](const ui::Rect& s) {
            return middle >= s.left && middle < s.right && frame.top >= s.top &&
                   frame.top < s.bottom;
        });
        ASSERT_NE(holder, screens.end()) << "its title bar is on a screen";
        EXPECT_LE(frame.right - frame.left, holder->right - holder->left);
        EXPECT_LE(frame.bottom - frame.top, holder->bottom - holder->top);
    }
}

TEST(WorkingLayout, TheWorkingIsTheSmallerOfItsZoomedWidthAndThreeFifthsOfTheRoom) {
    const auto table = WorkingForm::table(ui::Topic::Quadratic);
    const ui::WindowFrame& frame = WorkingForm::window(ui::Topic::Quadratic);
    const ui::ControlRow& designed = *ui::find_control(table, "picWorking");
    const ui::ControlRow& graph = *ui::find_control(table, "picGraph");
    const int gap = graph.left - (designed.left + designed.width);
    std::mt19937_64 random(250);
    for (int round = 0; round < 500; ++round) {
        const int width = 8000 + static_cast<int>(random() % 30000);
        const int height = 5000 + static_cast<int>(random() % 15000);
        for (const int zoom : kZooms) {
            const auto places = ui::arrange_working(table, frame, width, height, zoom);
            const auto working =
                std::ranges::find(places, std::string_view("picWorking"), &ui::Placement::first);
            ASSERT_NE(working, places.end());
            const int room = std::max(width, frame.client_width) - 2 * designed.left - gap;
            const int expected =
                std::max(designed.width, std::min(designed.width * zoom / 100, room * 3 / 5));
            EXPECT_NEAR(working->second.right - working->second.left, expected, 1)
                << width << "×" << height << " at " << zoom << " %";
        }
    }
}

} // namespace
} // namespace vornix::testing
