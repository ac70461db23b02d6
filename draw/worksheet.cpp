#include "worksheet.hpp"

#include "document.hpp"

#include <algorithm>

namespace vornix::draw {
namespace {

constexpr double kPoints = Document::kWorkingPoints;

// What one exercise needs, measured on the page.
struct Measured {
    Typeset statement; // across the width it gets
    double room;       // its working's height in the key
    bool halves;       // statement and working fit half the width as they fit the key's
};

Measured measure(const SheetItem& item, const PageFrame& frame, Canvas& page) {
    const double column = (frame.width - Worksheet::kColumnGapMm * frame.mm) / 2;
    const std::vector<calc::Formula> statement{item.statement};
    const double key_width =
        item.beside_graph ? frame.width * Document::kWorkingShare : frame.width;
    const Typeset in_key = typeset(item.working, kPoints, key_width, page);
    const Typeset in_column = typeset(item.working, kPoints, column, page);
    Typeset half = typeset(statement, kPoints, column, page);
    const bool halves = half.lines.size() == 1 && in_column.lines.size() == in_key.lines.size();
    return {halves ? std::move(half) : typeset(statement, kPoints, frame.width, page),
            in_key.height, halves};
}

} // namespace

std::size_t Worksheet::lay_out(Canvas& page) {
    const PageFrame frame = page_frame(page);
    const double column = (frame.width - kColumnGapMm * frame.mm) / 2;
    std::vector<Measured> measured;
    for (const SheetItem& item : items_) {
        measured.push_back(measure(item, frame, page));
    }
    statements_.clear();
    pages_.assign(1, {});
    double page_top = frame.top + heading_height(heading_, page);
    double y = page_top;
    for (std::size_t i = 0; i < measured.size();) {
        const bool pair = measured[i].halves && i + 1 < measured.size() && measured[i + 1].halves;
        const std::size_t count = pair ? 2 : 1;
        const auto row_height = [&] {
            double height = 0;
            for (std::size_t k = i; k < i + count; ++k) {
                height = std::max(height, measured[k].statement.height + measured[k].room);
            }
            return height;
        };
        const double gap = y > page_top ? kBetweenMm * frame.mm : 0;
        if (y > page_top && y + gap + row_height() > frame.bottom) {
            pages_.emplace_back();
            page_top = frame.top;
            y = frame.top;
        } else {
            y += gap;
        }
        // An exercise taller than what a page holds keeps the room that fits.
        for (std::size_t k = i; k < i + count; ++k) {
            measured[k].room =
                std::clamp(frame.bottom - y - measured[k].statement.height, 0.0, measured[k].room);
        }
        const double height = row_height();
        for (std::size_t k = i; k < i + count; ++k) {
            const double left =
                frame.left + static_cast<double>(k - i) * (column + kColumnGapMm * frame.mm);
            pages_.back().push_back({k, left, y, pair ? column : frame.width,
                                     measured[k].statement.height, measured[k].room});
        }
        y += height;
        i += count;
    }
    for (Measured& m : measured) {
        statements_.push_back(std::move(m.statement));
    }
    return pages_.size();
}

void Worksheet::draw_page(std::size_t index, Canvas& page) {
    if (pages_.empty()) {
        lay_out(page);
    }
    page.fill(Ink::Paper);
    if (index >= pages_.size()) {
        return;
    }
    if (index == 0) {
        draw_heading(heading_, page);
    }
    for (const Placed& placed : pages_[index]) {
        draw(statements_[placed.item], page, {placed.left, placed.top});
    }
    draw_foot(foot(index), page);
}

} // namespace vornix::draw
