#include "worksheet.hpp"

#include "document.hpp"

#include <algorithm>
#include <span>

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

double row_height(std::span<const Measured> row) {
    double height = 0;
    for (const Measured& m : row) {
        height = std::max(height, m.statement.height + m.room);
    }
    return height;
}

// Lays rows of one or two exercises one below the other, going on to a new
// page where a row does not fit.
class RowPager {
  public:
    // The first page's rows start at `first_top`, under its heading.
    RowPager(const PageFrame& frame, std::vector<std::vector<Worksheet::Placed>>& pages,
             double first_top)
        : frame_(frame), pages_(pages), page_top_(first_top), y_(first_top) {
        pages_.assign(1, {});
    }

    // The row of exercises `first`, `first` + 1, …: side by side in columns
    // when there are two, else across the whole width.
    void add_row(std::size_t first, std::span<Measured> row) {
        const double gap = y_ > page_top_ ? Worksheet::kBetweenMm * frame_.mm : 0;
        if (y_ > page_top_ && y_ + gap + row_height(row) > frame_.bottom) {
            pages_.emplace_back();
            page_top_ = frame_.top;
            y_ = frame_.top;
        } else {
            y_ += gap;
        }
        // An exercise taller than what the page holds keeps the room that fits.
        for (Measured& m : row) {
            m.room = std::clamp(frame_.bottom - y_ - m.statement.height, 0.0, m.room);
        }
        const double gutter = Worksheet::kColumnGapMm * frame_.mm;
        const double width = row.size() == 2 ? (frame_.width - gutter) / 2 : frame_.width;
        for (std::size_t k = 0; k < row.size(); ++k) {
            pages_.back().push_back({first + k,
                                     frame_.left + static_cast<double>(k) * (width + gutter), y_,
                                     width, row[k].statement.height, row[k].room});
        }
        y_ += row_height(row);
    }

  private:
    const PageFrame& frame_;
    std::vector<std::vector<Worksheet::Placed>>& pages_;
    double page_top_;
    double y_;
};

} // namespace

std::size_t Worksheet::lay_out(Canvas& page) {
    const PageFrame frame = page_frame(page);
    std::vector<Measured> measured;
    for (const SheetItem& item : items_) {
        measured.push_back(measure(item, frame, page));
    }
    RowPager pager(frame, pages_, frame.top + heading_height(heading_, page));
    for (std::size_t i = 0; i < measured.size();) {
        const bool pair = measured[i].halves && i + 1 < measured.size() && measured[i + 1].halves;
        const std::size_t count = pair ? 2 : 1;
        pager.add_row(i, std::span(measured).subspan(i, count));
        i += count;
    }
    statements_.clear();
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
