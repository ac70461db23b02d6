#include "command_reading.hpp"

#include <algorithm>
#include <array>

namespace vornix::ui::reading {
namespace {

struct NamedMethod {
    std::string_view name;
    calc::Method method;
};
constexpr std::array<NamedMethod, 3> kMethods{{{"formula", calc::Method::Formula},
                                               {"square", calc::Method::CompletingSquare},
                                               {"factor", calc::Method::Factoring}}};

// Every option of every command, to tell one given to another command from a typing slip.
constexpr std::array<std::string_view, 12> kOptions{
    "--export",   "--quadratic", "--line",  "--method", "--page", "--check",
    "--practice", "--kind",      "--level", "--seed",   "--key",  "--versions"};

// What is wrong with exercise `number`'s entries: a typing slip on the
// command line must not become another exercise, as the entry boxes would
// read "-3O" as −3. Empty when each is wholly a number.
std::string not_a_number(std::size_t number, const ExportRequest::Item& item) {
    for (const std::string& entry : item.entries) {
        if (!calc::is_whole_number(entry)) {
            return "第 " + std::to_string(number) + " 题（" + as_typed(item) + "）：“" + entry +
                   "” 不是一个数 / is not a number";
        }
    }
    return {};
}

} // namespace

std::optional<std::string> value_after(std::span<const std::string> arguments, std::size_t& i) {
    if (i + 1 >= arguments.size()) {
        return std::nullopt;
    }
    return arguments[++i];
}

CommandLine refusal(std::string why) {
    return CommandLine::asking(CommandLine::Action::Refuse, std::move(why));
}

std::string unknown(const std::string& argument) {
    return "无法识别的参数 / unknown argument: " + argument;
}

std::string needs_value(const std::string& option) {
    return option + " 后面缺少值 / needs a value";
}

std::string not_here(const std::string& option, std::string_view command) {
    if (std::ranges::find(kOptions, option) == kOptions.end()) {
        return unknown(option);
    }
    return option + " 不能与 " + std::string(command) + " 同用 / " + option + " cannot go with " +
           std::string(command);
}

std::string given_twice(const std::string& option) {
    return option + " 只能给一次 / is given twice";
}

std::string as_typed(const ExportRequest::Item& item) {
    std::string text = item.line ? "--line" : "--quadratic";
    for (const std::string& entry : item.entries) {
        text += " " + entry;
    }
    return text;
}

Read read_exercise_option(std::span<const std::string> arguments, std::size_t& i,
                          ExerciseOptions& options) {
    const std::string& option = arguments[i];
    if (option == "--quadratic" || option == "--line") {
        const std::size_t count = option == "--line" ? 4 : 3;
        if (i + count >= arguments.size()) {
            return {true, refusal(option + " 需要 " + std::to_string(count) + " 个数 / needs " +
                                  std::to_string(count) + " numbers")};
        }
        ExportRequest::Item item{option == "--line", {}};
        item.entries.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i + 1),
                            arguments.begin() + static_cast<std::ptrdiff_t>(i + 1 + count));
        options.items.push_back(std::move(item));
        i += count;
        if (std::string bad = not_a_number(options.items.size(), options.items.back());
            !bad.empty()) {
            return {true, CommandLine::asking(CommandLine::Action::BadEntry, std::move(bad))};
        }
        return {true, std::nullopt};
    }
    if (option != "--method" && option != "--page") {
        return {};
    }
    const std::optional<std::string> value = value_after(arguments, i);
    if (!value) {
        return {true, refusal(needs_value(option))};
    }
    if (option == "--method") {
        const auto named = std::ranges::find(kMethods, *value, &NamedMethod::name);
        if (named == kMethods.end()) {
            return {true, refusal(unknown("--method " + *value))};
        }
        options.method = named->method;
    } else if (*value == "solve" || *value == "function") {
        options.page = *value == "solve" ? draw::Page::Solve : draw::Page::Function;
    } else {
        return {true, refusal(unknown("--page " + *value))};
    }
    return {true, std::nullopt};
}

std::optional<std::uint64_t> whole_number(std::string_view text, std::uint64_t least,
                                          std::uint64_t most) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (digit > most || value > (most - digit) / 10) {
            return std::nullopt; // beyond `most`, before it could overflow
        }
        value = value * 10 + digit;
    }
    if (value < least) {
        return std::nullopt;
    }
    return value;
}

CommandLineAnswer saved_answer(const draw::Saved& saved) {
    switch (saved.outcome) {
    case draw::Saved::Outcome::Written:
        return {0, {}};
    case draw::Saved::Outcome::Failed:
        return {1, "vornix: " + saved.message + "\n", true};
    case draw::Saved::Outcome::UnknownKind:
    case draw::Saved::Outcome::Unsupported:
        break;
    }
    return {2, "vornix: " + saved.message + "\n", true};
}

} // namespace vornix::ui::reading
