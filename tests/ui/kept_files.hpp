// A renderer for the command line's tests: PDF and PNG pages laid out on a
// fake canvas, SVG as the program writes it, every file kept in memory;
// a name under "locked/", or the one named `refused`, cannot be written.
#pragma once

#include "command_line.hpp"
#include "export.hpp"
#include "fake_canvas.hpp"

#include <map>
#include <string>
#include <vector>

namespace vornix::testing {

class KeptFiles final : public draw::PageRenderer {
  public:
    std::optional<std::string> pdf(draw::Pages& document) override {
        FakeCanvas page(794, 1123);
        return "%PDF " + std::to_string(document.lay_out(page)) + " pages";
    }
    std::optional<std::string> png(draw::Pages& document, std::size_t index, double) override {
        FakeCanvas page(794, 1123);
        document.lay_out(page);
        return "PNG " + std::to_string(index);
    }
    bool write_file(const std::string& path, std::string_view bytes) override {
        if (path.starts_with("locked/") || path == refused) {
            return false;
        }
        files[path] = bytes;
        return true;
    }
    void remove_file(const std::string& path) override { files.erase(path); }

    std::map<std::string, std::string> files;
    std::string refused;
};

// What the program does with the arguments before any window: the answer,
// and the files it left.
struct Ran {
    ui::CommandLineAnswer answer;
    std::map<std::string, std::string> files;
};

inline Ran run_command_line(const std::vector<std::string>& arguments,
                            const std::string& refused = {}) {
    KeptFiles renderer;
    renderer.refused = refused;
    const ui::CommandLine line = ui::read_command_line(arguments, {});
    ui::CommandLineAnswer answer = ui::runs_without_window(line)
                                       ? ui::run_without_window(line, renderer)
                                       : ui::answer_command_line(arguments, {});
    return {std::move(answer), std::move(renderer.files)};
}

} // namespace vornix::testing
