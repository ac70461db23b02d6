// Settings read back from a store someone else may have damaged: every bad
// value gives its default.
#include "settings.hpp"

#include <gtest/gtest.h>

#include <array>

namespace vornix::testing {
namespace {

TEST(Settings, NumbersAndChoicesOutsideWhatMakesSenseGiveTheDefault) {
    struct Row {
        std::optional<std::string> stored;
        int zoom;
    };
    for (const Row& row : {Row{std::nullopt, 100}, Row{"250", 250}, Row{"0", 100}, Row{"-150", 100},
                           Row{"150%", 100}, Row{" 150", 100}, Row{"99999999999999", 100},
                           Row{"", 100}, Row{"400", 400}, Row{"401", 100}}) {
        ui::MemorySettings settings;
        if (row.stored) {
            settings.write("W/Zoom", *row.stored);
        }
        EXPECT_EQ(ui::read_number_setting(settings, "W/Zoom", 100, 400, 100), row.zoom)
            << row.stored.value_or("(none)");
    }
    ui::MemorySettings settings;
    constexpr std::array<std::string_view, 2> kPages{"Solve", "Function"};
    settings.write("W/Page", "function");
    EXPECT_EQ(ui::read_choice_setting(settings, "W/Page", kPages, "Solve"), "Solve");
    settings.write("W/Page", "Function");
    EXPECT_EQ(ui::read_choice_setting(settings, "W/Page", kPages, "Solve"), "Function");
}

TEST(Settings, AWindowComesBackWhereItWasOnlyWhereThatStillFitsAScreen) {
    const std::vector<ui::Rect> screens{{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};
    struct Row {
        const char* name;
        ui::Rect frame;
        bool comes_back;
    };
    for (const Row& row : {Row{"on_the_first_screen", {100, 100, 900, 600}, true},
                           Row{"on_the_second_screen", {2000, 50, 2900, 600}, true},
                           Row{"on_a_screen_that_is_gone", {4000, 100, 4800, 600}, false},
                           Row{"title_bar_above_every_screen", {100, -300, 900, 300}, false},
                           Row{"larger_than_its_screen", {1920, 0, 3400, 900}, false},
                           Row{"smaller_than_designed", {100, 100, 300, 200}, false},
                           Row{"turned_inside_out", {900, 600, 100, 100}, false}}) {
        ui::MemorySettings settings;
        ui::write_window_place(settings, "W", {row.frame, true});
        const auto place = ui::read_window_place(settings, "W", screens, 780, 488);
        EXPECT_EQ(place.has_value(), row.comes_back) << row.name;
        if (place) {
            EXPECT_EQ(place->frame, row.frame) << row.name;
            EXPECT_TRUE(place->maximised) << row.name;
        }
    }
    ui::MemorySettings damaged;
    ui::write_window_place(damaged, "W", {{100, 100, 900, 600}, false});
    damaged.write("W/Top", "ten");
    EXPECT_FALSE(ui::read_window_place(damaged, "W", screens, 780, 488));
}

} // namespace
} // namespace vornix::testing
