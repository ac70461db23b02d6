// vornix --practice: fresh exercises listed as the options that name them,
// or made into worksheets and keys, in versions for neighbouring desks.
#include "app_info.hpp"
#include "command_reading.hpp"
#include "practice_papers.hpp"
#include "practice_session.hpp"

#include <array>
#include <memory>

namespace vornix::ui {
namespace reading {
namespace {

// "factor level 1" in both languages, for a refusal.
std::string kind_and_level(calc::PracticeKind kind, int level) {
    return practice_title(kind, level, std::nullopt) + "（" + std::string(calc::kind_name(kind)) +
           " level " + std::to_string(level) + "）";
}

// Why the set cannot be made as asked, where the kind holds too few exercises.
std::string too_many(const PracticeRequest& request) {
    const std::size_t capacity = calc::practice_capacity(request.kind, request.level);
    const std::size_t versions = std::max<std::size_t>(request.versions, 1);
    if (request.count * versions <= capacity) {
        return {};
    }
    const std::string asked = std::to_string(request.count * versions);
    return kind_and_level(request.kind, request.level) + "只能出 " + std::to_string(capacity) +
           " 道不同的题，这里要 " + asked + " 道 / holds only " + std::to_string(capacity) +
           " different exercises, " + asked + " asked";
}

struct Values {
    std::optional<std::string> count, kind, level, seed, sheet, key, versions;
};

// Where each option's value goes.
std::optional<std::string>* slot_of(const std::string& option, Values& values) {
    const std::array<std::pair<std::string_view, std::optional<std::string>*>, 7> slots{{
        {"--practice", &values.count},
        {"--kind", &values.kind},
        {"--level", &values.level},
        {"--seed", &values.seed},
        {"--export", &values.sheet},
        {"--key", &values.key},
        {"--versions", &values.versions},
    }};
    for (const auto& [name, slot] : slots) {
        if (name == option) {
            return slot;
        }
    }
    return nullptr;
}

std::optional<std::uint64_t> read_number(const std::optional<std::string>& value,
                                         std::uint64_t least, std::uint64_t most) {
    return value ? whole_number(*value, least, most) : std::nullopt;
}

// The values read into the request; empty, or why they cannot be.
std::string into_request(const Values& values, PracticeRequest& request) {
    const auto range = [](std::string_view option, std::uint64_t least, std::uint64_t most,
                          const std::string& value) {
        return std::string(option) + " 须是 " + std::to_string(least) + " 到 " +
               std::to_string(most) + " 的整数 / must be a whole number from " +
               std::to_string(least) + " to " + std::to_string(most) + ": " + value;
    };
    if (!values.count) { // "--practice" was another option's value
        return needs_value("--practice");
    }
    const auto count = read_number(values.count, 1, calc::kMostPracticeExercises);
    if (!count) {
        return range("--practice", 1, calc::kMostPracticeExercises, *values.count);
    }
    request.count = static_cast<std::size_t>(*count);
    if (!values.kind) {
        return "--practice 需要 --kind factor|square|formula|mixed|function|line / needs --kind";
    }
    const std::optional<calc::PracticeKind> kind = calc::kind_named(*values.kind);
    if (!kind) {
        return "--kind 须是 factor、square、formula、mixed、function 或 line / must be one of "
               "factor, square, formula, mixed, function, line: " +
               *values.kind;
    }
    request.kind = *kind;
    if (values.level) {
        const auto level = read_number(values.level, 1, 3);
        if (!level) {
            return range("--level", 1, 3, *values.level);
        }
        request.level = static_cast<int>(*level);
    }
    if (values.seed) {
        request.seed = read_number(values.seed, 0, UINT64_MAX);
        if (!request.seed) {
            return range("--seed", 0, UINT64_MAX, *values.seed);
        }
    }
    if (values.versions) {
        const auto versions = read_number(values.versions, 1, calc::kMostPracticeVersions);
        if (!versions) {
            return range("--versions", 1, calc::kMostPracticeVersions, *values.versions);
        }
        request.versions = static_cast<std::size_t>(*versions);
    }
    request.sheet = values.sheet.value_or("");
    request.key = values.key.value_or("");
    return too_many(request);
}

} // namespace

CommandLine read_practice(std::span<const std::string> arguments) {
    Values values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        std::optional<std::string>* slot = slot_of(option, values);
        if (slot == nullptr) {
            return refusal(not_here(option, "--practice"));
        }
        if (slot->has_value()) {
            return refusal(given_twice(option));
        }
        *slot = value_after(arguments, i);
        if (!*slot) {
            return refusal(needs_value(option));
        }
    }
    for (const char* option : {"--key", "--versions"}) {
        if (slot_of(option, values)->has_value() && !values.sheet) {
            return refusal(std::string(option) + " 需要 --export SHEET / needs --export SHEET");
        }
    }
    for (const auto& [option, file] :
         {std::pair{"--export", values.sheet}, {"--key", values.key}}) {
        if (file && file->empty()) {
            return refusal(std::string(option) + " 需要文件名 / needs a file name");
        }
    }
    if (values.sheet && values.sheet == values.key) {
        return refusal("--key 与 --export 须是两个文件 / --key and --export need two files");
    }
    CommandLine line = CommandLine::asking(CommandLine::Action::Practice);
    if (std::string why = into_request(values, line.practice); !why.empty()) {
        return refusal(std::move(why));
    }
    return line;
}

} // namespace reading

namespace {

std::string listed(const std::vector<calc::PracticeExercise>& exercises) {
    std::string text;
    for (const calc::PracticeExercise& exercise : exercises) {
        text += exercise.line ? "--line" : "--quadratic";
        for (const std::string& entry : exercise.entries) {
            text += " " + entry;
        }
        text += "\n";
    }
    return text;
}

// Every version's sheet and key into its files, all or none.
CommandLineAnswer write_papers(const PracticeRequest& request, std::uint64_t seed,
                               draw::PageRenderer& renderer) {
    const auto sets = calc::make_exercise_versions(request.kind, request.level, seed, request.count,
                                                   std::max<std::size_t>(request.versions, 1));
    const std::string signature = version_line() + " · 种子 " + std::to_string(seed);
    std::vector<std::unique_ptr<PracticePapers>> papers;
    std::vector<draw::DocumentFile> files;
    for (std::size_t v = 0; v < sets.size(); ++v) {
        const std::optional<char> letter =
            request.versions > 0 ? std::optional<char>(static_cast<char>('A' + v)) : std::nullopt;
        const auto named = [&letter](const std::string& path) {
            return letter ? draw::suffixed_name(path, std::string(1, *letter)) : path;
        };
        papers.push_back(std::make_unique<PracticePapers>(
            practice_papers(request.kind, sets[v],
                            practice_title(request.kind, request.level, letter), signature)));
        files.push_back({&papers.back()->sheet, named(request.sheet)});
        if (!request.key.empty()) {
            files.push_back({&papers.back()->key, named(request.key)});
        }
    }
    return reading::saved_answer(draw::save_documents(files, renderer));
}

} // namespace

CommandLineAnswer run_practice(const PracticeRequest& request, draw::PageRenderer& renderer) {
    const std::uint64_t seed = request.seed.value_or(fresh_seed());
    CommandLineAnswer answer =
        request.sheet.empty()
            ? CommandLineAnswer{0, listed(calc::make_exercises(request.kind, request.level, seed,
                                                               request.count))}
            : write_papers(request, seed, renderer);
    if (!request.seed) {
        answer.note = "种子 / seed: " + std::to_string(seed) + "\n";
    }
    return answer;
}

} // namespace vornix::ui
