#include "math_layout.hpp"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace vornix::draw {
namespace {

using calc::Formula;
using calc::Math;

// A box: its pieces relative to the left end of its baseline.
struct Box {
    double width = 0;
    double ascent = 0;
    double descent = 0;
    // A single word's run stands apart: a line holds hundreds of words, and
    // a vector for each would cost an allocation apiece.
    std::optional<TextRun> word;
    std::vector<TextRun> runs;
    std::vector<Stroke> strokes;
    bool break_before = false; // a line may break before it

    // Takes over the pieces of `part`, moved by (dx, dy).
    void add(Box part, double dx, double dy) {
        const auto place = [&](TextRun& run) {
            run.baseline_left.x += dx;
            run.baseline_left.y += dy;
            runs.push_back(std::move(run));
        };
        if (part.word) {
            place(*part.word);
        }
        for (TextRun& run : part.runs) {
            place(run);
        }
        for (Stroke& stroke : part.strokes) {
            for (Point& point : stroke.points) {
                point.x += dx;
                point.y += dy;
            }
            strokes.push_back(std::move(stroke));
        }
    }
    // Appends `part` on the same baseline. Words that follow one another on
    // the baseline become one run, so that a line reads, selects and copies
    // as text rather than as letters.
    void append(Box part) {
        const double part_width = part.width;
        ascent = std::max(ascent, part.ascent);
        descent = std::max(descent, part.descent);
        const bool plain_word = part.word && part.runs.empty() && part.strokes.empty() &&
                                part.word->baseline_left.y == 0;
        if (plain_word && ends_with_word && runs.back().points == part.word->points) {
            runs.back().text += part.word->text;
        } else {
            add(std::move(part), width, 0);
        }
        ends_with_word = plain_word;
        width += part_width;
    }
    bool ends_with_word = false; // the last run is a word on the baseline, ending at `width`
};

// The number of bytes of the UTF-8 character that starts at `at`.
std::size_t character_length(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(length, text.size() - at);
}

char32_t code_point(std::string_view character) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    switch (character.size()) {
    case 1:
        return byte(0);
    case 2:
        return ((byte(0) & 0x1FU) << 6) | (byte(1) & 0x3FU);
    case 3:
        return ((byte(0) & 0x0FU) << 12) | ((byte(1) & 0x3FU) << 6) | (byte(2) & 0x3FU);
    default:
        return ((byte(0) & 0x07U) << 18) | ((byte(1) & 0x3FU) << 12) | ((byte(2) & 0x3FU) << 6) |
               (byte(3) & 0x3FU);
    }
}

bool is_wide(char32_t c) {
    return c >= 0x2E80;
}

// Punctuation that never starts a line.
bool closes(char32_t c) {
    return c == U'，' || c == U'。' || c == U'、' || c == U'：' || c == U'；' || c == U'）' ||
           c == U'．' || c == U'！' || c == U'？' || c == U'」' || c == U'』' || c == U'》' ||
           c == U'〉' || c == U'】' || c == U'”' || c == U'’';
}

// Brackets that never end a line.
bool opens(char32_t c) {
    return c == U'（' || c == U'「' || c == U'『' || c == U'《' || c == U'〈' || c == U'【' ||
           c == U'“' || c == U'‘';
}

// A raised or lowered digit: "²" is a raised 2, "₁" a lowered 1.
struct Script {
    char32_t character;
    std::string_view digit;
    bool raised;
};
constexpr Script kScripts[] = {{U'²', "2", true}, {U'₁', "1", false}, {U'₂', "2", false}};

// The bytes of a formula's texts on its own line: at least its atoms there.
std::size_t text_bytes(const Formula& formula) {
    std::size_t bytes = 0;
    for (const Math& piece : formula) {
        bytes += piece.kind == Math::Kind::Text ? piece.text.size() : 1;
    }
    return bytes;
}

class Setter {
  public:
    Setter(Canvas& canvas, double points)
        : canvas_(canvas), em_(canvas.measure("中", points).width),
          rule_(std::max(canvas.scale(), 0.06 * em_)) {}

    // The pieces of a formula, each one where a line may break before it or not.
    std::vector<Box> atoms(const Formula& formula, double points) {
        std::vector<Box> result;
        result.reserve(text_bytes(formula));
        bool break_next = false;
        for (const Math& piece : formula) {
            if (piece.kind != Math::Kind::Text) {
                result.push_back(set(piece, points));
                result.back().break_before = break_next;
                break_next = false;
                continue;
            }
            text_atoms(piece.text, points, result, break_next);
        }
        return result;
    }

    Box inline_box(const Formula& formula, double points) {
        std::vector<Box> parts = atoms(formula, points);
        Box box;
        box.runs.reserve(parts.size());
        for (Box& atom : parts) {
            box.append(std::move(atom));
        }
        return box;
    }

    double em() const { return em_; }

  private:
    TextExtent measure(const std::string& text, double points) {
        auto& at_size = measured_[points];
        if (const auto found = at_size.find(text); found != at_size.end()) {
            return found->second;
        }
        return at_size.emplace(text, canvas_.measure(text, points)).first->second;
    }

    Box word(const std::string& text, double points, double shift = 0) {
        const TextExtent extent = measure(text, points);
        Box box;
        box.width = extent.width;
        box.ascent = extent.ascent - shift;
        box.descent = extent.descent + shift;
        box.word = TextRun{{0, shift}, text, points};
        return box;
    }

    // Words of Latin letters, digits and signs stay whole; each Chinese
    // character is an atom; a line may break before a Chinese character that
    // does not close a clause, before "=", and after a comma or a blank.
    void text_atoms(std::string_view text, double points, std::vector<Box>& out, bool& break_next) {
        std::string pending;
        bool after_opening = false;
        bool script_before = false; // the last character was a raised or lowered digit
        const auto flush = [&] {
            if (!pending.empty()) {
                out.push_back(word(pending, points));
                const bool opened = std::exchange(after_opening, false);
                out.back().break_before = std::exchange(break_next, false) && !opened;
                pending.clear();
            }
        };
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t length = character_length(text, at);
            const std::string_view character = text.substr(at, length);
            at += length;
            const char32_t c = code_point(character);
            const bool after_script = std::exchange(script_before, false);
            const auto script = std::ranges::find(kScripts, c, &Script::character);
            if (script != std::end(kScripts)) {
                flush();
                const double small = points * 0.7;
                out.push_back(word(std::string(script->digit), small,
                                   script->raised ? -0.38 * em_ : 0.18 * em_));
                script_before = true;
                continue;
            }
            if (c == U' ') {
                // A point's coordinates, "(1, −5)", stay on one line.
                const bool in_point = pending.ends_with(',');
                pending += character;
                flush();
                break_next = !in_point;
                continue;
            }
            if (!is_wide(c) && c != U'=') {
                if (pending.empty() && (c == ')' || c == ']')) {
                    break_next = false; // a closing bracket stays with what it closes
                }
                pending += character;
                continue;
            }
            // "x=", "k=", "x₁=": an equation's first side stays with its "=".
            const bool after_letter =
                c == U'=' &&
                ((pending.size() == 1 && std::isalpha(static_cast<unsigned char>(pending[0]))) ||
                 (pending.empty() && after_script));
            flush();
            out.push_back(word(std::string(character), points));
            out.back().break_before = !after_opening && !after_letter && (break_next || !closes(c));
            break_next = c == U'，';
            after_opening = opens(c);
        }
        flush();
    }

    Box set(const Math& piece, double points) {
        switch (piece.kind) {
        case Math::Kind::Fraction:
            return fraction(piece, points);
        case Math::Kind::Root:
            return root(piece, points);
        case Math::Kind::System:
            return system(piece, points);
        case Math::Kind::Phantom:
            return phantom(piece, points);
        case Math::Kind::Text:
            break;
        }
        return inline_box({piece}, points);
    }

    double axis() const { return 0.28 * em_; }

    // The room of its formula, blank.
    Box phantom(const Math& piece, double points) {
        const Box room = inline_box(piece.parts.empty() ? Formula{} : piece.parts[0], points);
        Box box;
        box.width = room.width;
        box.ascent = room.ascent;
        box.descent = room.descent;
        return box;
    }

    Box fraction(const Math& piece, double points) {
        Box top = inline_box(piece.parts[0], points);
        Box bottom = inline_box(piece.parts[1], points);
        const double gap = 0.12 * em_;
        const double pad = 0.1 * em_;
        Box box;
        box.width = std::max(top.width, bottom.width) + 2 * pad;
        const double bar = -axis();
        const double top_dx = (box.width - top.width) / 2;
        const double top_dy = bar - rule_ / 2 - gap - top.descent;
        const double bottom_dx = (box.width - bottom.width) / 2;
        const double bottom_dy = bar + rule_ / 2 + gap + bottom.ascent;
        const double top_height = top.descent + top.ascent;
        const double bottom_height = bottom.ascent + bottom.descent;
        box.add(std::move(top), top_dx, top_dy);
        box.add(std::move(bottom), bottom_dx, bottom_dy);
        box.strokes.push_back({{{pad / 2, bar}, {box.width - pad / 2, bar}}, rule_});
        box.ascent = axis() + rule_ / 2 + gap + top_height;
        box.descent = bottom_height + gap + rule_ / 2 - axis();
        return box;
    }

    Box root(const Math& piece, double points) {
        Box radicand = inline_box(piece.parts[0], points);
        const double gap = 0.12 * em_;
        const double pad = 0.08 * em_;
        const double sign = 0.55 * em_;
        const double bar = -(radicand.ascent + gap + rule_ / 2);
        const double bottom = radicand.descent;
        const double height = bottom - bar;
        Box box;
        box.width = sign + radicand.width + 2 * pad;
        box.add(std::move(radicand), sign + pad, 0);
        box.strokes.push_back({{{0.02 * em_, bottom - 0.42 * height},
                                {0.16 * em_, bottom - 0.52 * height},
                                {0.3 * em_, bottom},
                                {sign, bar},
                                {box.width, bar}},
                               rule_});
        box.ascent = -bar + rule_ / 2;
        box.descent = bottom;
        return box;
    }

    Box system(const Math& piece, double points) {
        std::vector<Box> equations;
        double height = 0;
        const double gap = 0.3 * em_;
        for (const Formula& equation : piece.parts) {
            equations.push_back(inline_box(equation, points));
            height += equations.back().ascent + equations.back().descent;
        }
        height += gap * static_cast<double>(equations.size() - 1);
        const double brace = 0.5 * em_;
        const double top = -axis() - height / 2;
        Box box;
        double y = top;
        for (Box& equation : equations) {
            const double ascent = equation.ascent;
            const double descent = equation.descent;
            box.width = std::max(box.width, brace + 0.25 * em_ + equation.width);
            box.add(std::move(equation), brace + 0.25 * em_, y + ascent);
            y += ascent + descent + gap;
        }
        const double bottom = top + height;
        const double middle = -axis();
        const double bend = std::min(0.2 * em_, height / 6);
        const double right = brace * 0.9;
        const double stem = brace * 0.5;
        box.strokes.push_back({{{right, top},
                                {stem, top + bend},
                                {stem, middle - bend},
                                {brace * 0.1, middle},
                                {stem, middle + bend},
                                {stem, bottom - bend},
                                {right, bottom}},
                               rule_});
        box.ascent = axis() + height / 2;
        box.descent = height / 2 - axis();
        return box;
    }

    Canvas& canvas_;
    double em_;
    double rule_;
    std::map<double, std::unordered_map<std::string, TextExtent>> measured_;
};

// Greedy: each visual line takes atoms until the next would run past the width;
// it breaks at the last place a break is allowed.
std::vector<Box> broken(std::vector<Box> atoms, double width, double indent) {
    std::vector<Box> lines;
    std::size_t start = 0;
    do {
        const double left = lines.empty() ? 0 : indent;
        std::size_t end = start;
        std::size_t last_break = start;
        double x = left;
        for (; end < atoms.size(); ++end) {
            if (end > start && atoms[end].break_before) {
                last_break = end;
            }
            if (end > start && x + atoms[end].width > width && last_break > start) {
                end = last_break;
                break;
            }
            x += atoms[end].width;
        }
        Box line;
        line.width = left;
        line.runs.reserve(end - start);
        for (std::size_t i = start; i < end; ++i) {
            line.append(std::move(atoms[i]));
        }
        lines.push_back(std::move(line));
        start = end;
    } while (start < atoms.size());
    return lines;
}

} // namespace

Typeset typeset(std::span<const calc::Formula> lines, double points, double width, Canvas& canvas) {
    Setter setter(canvas, points);
    Typeset set;
    std::size_t bytes = 0;
    for (const calc::Formula& line : lines) {
        bytes += text_bytes(line);
    }
    set.runs.reserve(bytes);
    const double leading = 0.5 * setter.em();
    double y = 0;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        for (Box& visual : broken(setter.atoms(lines[index], points), width, 2 * setter.em())) {
            const double baseline = y + visual.ascent;
            for (TextRun& run : visual.runs) {
                run.baseline_left.y += baseline;
                set.runs.push_back(std::move(run));
            }
            for (Stroke& stroke : visual.strokes) {
                for (Point& point : stroke.points) {
                    point.y += baseline;
                }
                set.strokes.push_back(std::move(stroke));
            }
            set.width = std::max(set.width, visual.width);
            set.lines.push_back({y, baseline + std::max(visual.descent, 0.0), index});
            y = baseline + std::max(visual.descent, 0.0) + leading;
        }
    }
    set.height = y;
    return set;
}

} // namespace vornix::draw
