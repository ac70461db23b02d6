// Any command line, made mostly of the words the commands take: reading it
// never faults, what it asks is within its bounds, and a check, a practice
// set or an export runs with a known exit code, writing its files only into
// memory.
#include "command_line.hpp"
#include "data_source.hpp"
#include "export.hpp"
#include "measuring_canvas.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using vornix::ui::CommandLine;

// Draws every page it is asked for on a canvas that stops at any point not
// finite, and keeps the files.
class MemoryRenderer final : public vornix::draw::PageRenderer {
  public:
    std::optional<std::string> pdf(vornix::draw::Pages& document) override {
        vornix::fuzzing::MeasuringCanvas canvas;
        const std::size_t pages = document.lay_out(canvas);
        for (std::size_t page = 0; page < pages; ++page) {
            document.draw_page(page, canvas);
        }
        return std::string("%PDF");
    }
    std::optional<std::string> png(vornix::draw::Pages& document, std::size_t index,
                                   double) override {
        vornix::fuzzing::MeasuringCanvas canvas;
        document.lay_out(canvas);
        document.draw_page(index, canvas);
        return std::string("PNG");
    }
    bool write_file(const std::string& path, std::string_view bytes) override {
        files[path] = bytes;
        return true;
    }
    void remove_file(const std::string& path) override { files.erase(path); }

    std::map<std::string, std::string> files;
};

constexpr std::array<std::string_view, 40> kWords{
    "--check",   "--practice", "--kind",      "--level",  "--seed",   "--export",
    "--key",     "--versions", "--quadratic", "--line",   "--method", "--page",
    "--help",    "factor",     "square",      "formula",  "mixed",    "function",
    "line",      "solve",      "1",           "2",        "3",        "-3",
    "0.5",       "6",          "7",           "189",      "200",      "18446744073709551615",
    "s.svg",     "k.png",      "s.pdf",       "x=1或x=2", "(3±√5)/2", "y=2x-1",
    "k=2，b=11", "无实数根",   "0",           "１"};

std::vector<std::string> arguments_of(vornix::fuzzing::DataSource& in) {
    std::vector<std::string> arguments;
    for (int count = in.byte() % 24; count > 0; --count) {
        const std::uint8_t choice = in.byte();
        arguments.push_back(choice < 4 * kWords.size() ? std::string(kWords[choice % kWords.size()])
                                                       : in.text());
    }
    return arguments;
}

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// What was read keeps the commands' bounds.
void check_read(const CommandLine& line) {
    if (line.action == CommandLine::Action::Practice) {
        const auto& p = line.practice;
        const std::size_t versions = std::max<std::size_t>(p.versions, 1);
        require(p.count >= 1 && p.level >= 1 && p.level <= 3 && p.versions <= 6);
        require(p.count * versions <= vornix::calc::practice_capacity(p.kind, p.level));
        require(!p.sheet.empty() || (p.key.empty() && p.versions == 0));
    }
    if (line.action == CommandLine::Action::Check) {
        require(line.check.exercise.entries.size() == (line.check.exercise.line ? 4u : 3u));
    }
}

// Small enough to run at the fuzzer's pace: a few exercises.
bool small(const CommandLine& line) {
    switch (line.action) {
    case CommandLine::Action::Practice:
        return line.practice.count * std::max<std::size_t>(line.practice.versions, 1) <= 6;
    case CommandLine::Action::Export:
        return line.request.items.size() <= 4;
    default:
        return true;
    }
}

void check_run(CommandLine line) {
    line.practice.seed = line.practice.seed.value_or(1); // the same run every time
    MemoryRenderer renderer;
    const vornix::ui::CommandLineAnswer answer = vornix::ui::run_without_window(line, renderer);
    // Files are never refused here: 1 cannot come.
    require(answer.exit_code == 0 || answer.exit_code == 2 || answer.exit_code == 3);
    require(answer.exit_code == 0 || renderer.files.empty());
    require(answer.is_error == (answer.exit_code == 2));
    if (line.action == CommandLine::Action::Check) {
        require((answer.exit_code == 0) == answer.text.starts_with("正确"));
    }
    if (line.action == CommandLine::Action::Practice && line.practice.sheet.empty()) {
        require(static_cast<std::size_t>(std::ranges::count(answer.text, '\n')) ==
                line.practice.count);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vornix::fuzzing::DataSource in(data, size);
    const std::vector<std::string> arguments = arguments_of(in);
    const CommandLine line = vornix::ui::read_command_line(arguments, {});
    check_read(line);
    if (vornix::ui::runs_without_window(line) && small(line)) {
        check_run(line);
    } else {
        (void)vornix::ui::answer_command_line(arguments, {});
    }
    return 0;
}
