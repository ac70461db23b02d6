#include "document.hpp"

#include "graph.hpp"
#include "sub_canvas.hpp"

#include <algorithm>
#include <cmath>

namespace vornix::draw {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kMarginMm = 18;
constexpr double kFootMm = 8;    // the foot's band above the bottom margin
constexpr double kBetweenMm = 7; // between two exercises
constexpr double kWorkingShare = 0.56;
constexpr double kGapShare = 0.04;
constexpr double kGraphHeightShare = 0.9; // of the graph's width

// Where a page's pieces may go, in its pixels.
struct Frame {
    double left;
    double top;
    double width;
    double bottom;
    double mm;
};

Frame frame_of(Canvas& page) {
    const double mm = 96 * page.scale() / kMillimetresPerInch;
    const double margin = kMarginMm * mm;
    return {margin, margin, page.width() - 2 * margin, page.height() - margin - kFootMm * mm, mm};
}

// Lays the pieces one below the other, going on to a new page where one does not fit.
class Pager {
  public:
    Pager(const Frame& frame, std::vector<std::vector<Document::Piece>>& pages)
        : frame_(frame), pages_(pages), y_(frame.top) {
        pages_.emplace_back();
    }

    void add_item(std::size_t item, const Typeset& set) {
        const double working_width = frame_.width * kWorkingShare;
        const double graph_width = frame_.width * (1 - kWorkingShare - kGapShare);
        const double graph_height = graph_width * kGraphHeightShare;
        const double needed = std::max(set.height, graph_height);
        if (y_ > frame_.top) {
            y_ += kBetweenMm * frame_.mm;
        }
        // A whole exercise goes on the next page rather than be split, where it fits on one.
        const double page_height = frame_.bottom - frame_.top;
        if (y_ > frame_.top && y_ + std::min(needed, page_height) > frame_.bottom) {
            new_page();
        }
        const std::size_t graph_page = pages_.size();
        const double start = y_;
        pages_.back().push_back({item, true, 0, 0,
                                 frame_.left + working_width + frame_.width * kGapShare, start,
                                 graph_width, graph_height});
        add_lines(item, set, working_width);
        if (pages_.size() == graph_page) {
            y_ = std::max(y_, start + graph_height);
        }
    }

  private:
    void new_page() {
        pages_.emplace_back();
        y_ = frame_.top;
    }

    // The lines from the top down, each on the page where it fits whole; a
    // line taller than a whole page stands alone on one.
    void add_lines(std::size_t item, const Typeset& set, double width) {
        const std::size_t count = set.lines.size();
        std::size_t first = 0;
        while (first < count) {
            const double from = set.lines[first].top;
            std::size_t end = first;
            while (end < count && y_ + set.lines[end].bottom - from <= frame_.bottom) {
                ++end;
            }
            if (end == first && y_ > frame_.top) {
                new_page();
                continue;
            }
            end = std::max(end, first + 1);
            const double to = end < count ? set.lines[end].top : set.height + 1;
            const double height = set.lines[end - 1].bottom - from;
            pages_.back().push_back({item, false, from, to, frame_.left, y_, width, height});
            y_ += height;
            first = end;
            if (first < count) {
                new_page();
            }
        }
    }

    const Frame& frame_;
    std::vector<std::vector<Document::Piece>>& pages_;
    double y_;
};

} // namespace

PageSize a4_pixels(double dpi) {
    return {static_cast<int>(std::lround(210 / kMillimetresPerInch * dpi)),
            static_cast<int>(std::lround(297 / kMillimetresPerInch * dpi))};
}

std::size_t Document::lay_out(Canvas& page) {
    const Frame frame = frame_of(page);
    sets_.clear();
    pages_.clear();
    Pager pager(frame, pages_);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        sets_.push_back(
            typeset(items_[i].lines, kWorkingPoints, frame.width * kWorkingShare, page));
        pager.add_item(i, sets_.back());
    }
    return pages_.size();
}

void Document::draw_page(std::size_t index, Canvas& page) {
    if (pages_.empty()) {
        lay_out(page);
    }
    page.fill(Ink::Paper);
    if (index >= pages_.size()) {
        return;
    }
    for (const Piece& piece : pages_[index]) {
        if (piece.graph) {
            SubCanvas area(page, {piece.left, piece.top}, piece.width, piece.height);
            draw(build_scene(items_[piece.item].plot, area), area);
            const Point frame[] = {{piece.left, piece.top},
                                   {piece.left + piece.width, piece.top},
                                   {piece.left + piece.width, piece.top + piece.height},
                                   {piece.left, piece.top + piece.height},
                                   {piece.left, piece.top}};
            page.lines(frame, 0.5 * page.scale(), Ink::Axis, false);
        } else {
            draw_lines(sets_[piece.item], page, {piece.left, piece.top - piece.from}, piece.from,
                       piece.to);
        }
    }
    const Frame frame = frame_of(page);
    const std::string foot = this->foot(index);
    const TextExtent extent = page.measure(foot, kFootPoints);
    page.text({frame.left, frame.bottom + kFootMm * frame.mm - extent.descent}, foot, kFootPoints,
              Ink::Text);
}

std::string Document::foot(std::size_t index) const {
    return page_foot(signature_, index, pages_.size());
}

std::string page_foot(std::string_view signature, std::size_t index, std::size_t count) {
    return std::string(signature) + " · 第 " + std::to_string(index + 1) + " 页，共 " +
           std::to_string(count) + " 页";
}

} // namespace vornix::draw
