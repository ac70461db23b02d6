// What a user's settings store may hold and what a command line may say:
// any values under the window's keys, any screens, any arguments. Reading
// them never faults, and what is read back makes sense.
#include "command_line.hpp"
#include "data_source.hpp"
#include "settings.hpp"

#include <array>
#include <cstdlib>
#include <vector>

namespace {

using vornix::fuzzing::DataSource;

void read_settings(DataSource& in) {
    vornix::ui::MemorySettings settings;
    for (const char* name : {"Left", "Top", "Right", "Bottom", "Maximised", "Zoom", "Page"}) {
        if (in.flag()) {
            settings.write(std::string("W/") + name, in.text());
        }
    }
    std::vector<vornix::ui::Rect> screens;
    for (int screen = in.byte() % 3; screen > 0; --screen) {
        const auto coordinate = [&in] { return (in.byte() * 256 + in.byte()) * 2 - 65536; };
        screens.push_back({coordinate(), coordinate(), coordinate(), coordinate()});
    }
    const auto place = vornix::ui::read_window_place(settings, "W", screens, 780, 488);
    if (place && (place->frame.right - place->frame.left < 780 ||
                  place->frame.bottom - place->frame.top < 488)) {
        std::abort(); // a window smaller than designed came back
    }
    const int zoom = vornix::ui::read_number_setting(settings, "W/Zoom", 100, 400, 100);
    constexpr std::array<std::string_view, 2> kPages{"Solve", "Function"};
    const std::string_view page =
        vornix::ui::read_choice_setting(settings, "W/Page", kPages, "Solve");
    if (zoom < 100 || zoom > 400 || (page != "Solve" && page != "Function")) {
        std::abort();
    }
}

void read_arguments(DataSource& in) {
    static constexpr std::array<std::string_view, 10> kWords{
        "--export", "--quadratic", "--line", "--method", "--page",
        "--help",   "k.pdf",       "-3",     "square",   "function"};
    std::vector<std::string> arguments;
    for (int count = in.byte() % 16; count > 0; --count) {
        const std::uint8_t choice = in.byte();
        arguments.push_back(choice < 2 * kWords.size() ? std::string(kWords[choice % kWords.size()])
                                                       : in.text());
    }
    const vornix::ui::CommandLine line = vornix::ui::read_command_line(arguments, {});
    for (const auto& item : line.request.items) {
        if (item.entries.size() != (item.line ? 4u : 3u)) {
            std::abort();
        }
    }
    (void)vornix::ui::answer_command_line(arguments, {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DataSource in(data, size);
    read_settings(in);
    read_arguments(in);
    return 0;
}
