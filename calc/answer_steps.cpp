#include "answer_steps.hpp"

#include <string>
#include <string_view>

namespace vornix::calc::detail {
namespace {

std::optional<std::size_t> first_with(const std::vector<std::string>& texts,
                                      std::string_view marker) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].find(marker) != std::string::npos) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> either(const std::vector<std::string>& texts, std::string_view marker,
                                  std::string_view otherwise) {
    const auto found = first_with(texts, marker);
    return found ? found : first_with(texts, otherwise);
}

// The lines of the vertex form's chain start with "=", under the first one.
std::optional<std::size_t> chain_line(const std::vector<std::string>& texts, bool last) {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].starts_with("=")) {
            found = i;
            if (!last) {
                break;
            }
        }
    }
    return found;
}

} // namespace

std::optional<std::size_t> find_step(const std::vector<Formula>& lines, Step step) {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const Formula& line : lines) {
        texts.push_back(linear_text(line));
    }
    switch (step) {
    case Step::Multiplied:
        return first_with(texts, "同乘以");
    case Step::Coefficients:
        return first_with(texts, "，c=");
    case Step::Discriminant:
        return first_with(texts, "Δ=");
    case Step::Formula:
        return either(texts, "±", "x₁=x₂=");
    case Step::Transposed:
        return first_with(texts, "移项");
    case Step::Divided:
        return first_with(texts, "二次项系数化为1");
    case Step::Completed:
        return first_with(texts, "配方");
    case Step::SquareRoot:
        return first_with(texts, "±");
    case Step::FactorRoots: {
        const auto split = first_with(texts, "于是得");
        return split && *split + 1 < texts.size() ? std::optional(*split + 1) : std::nullopt;
    }
    case Step::MadeUnit:
        return first_with(texts, "系数化为1");
    case Step::Slope:
        return either(texts, "两式相减", "得 k=");
    case Step::Intercept:
        return first_with(texts, "得 b=");
    case Step::System:
        return first_with(texts, "⎧");
    case Step::FactorTakenOut:
        return chain_line(texts, false);
    case Step::VertexForm:
        return chain_line(texts, true);
    }
    return std::nullopt;
}

} // namespace vornix::calc::detail
