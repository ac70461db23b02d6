#include "document.hpp"

#include "graph.hpp"
#include "sub_canvas.hpp"

#include <algorithm>

namespace vornix::draw {
namespace {

constexpr double kBetweenMm = 7; // between two exercises
constexpr double kWorkingShare = Document::kWorkingShare;
constexpr double kGapShare = 0.04;
constexpr double kGraphHeightShare = 0.9; // of the graph's width

// Lays the pieces one below the other, going on to a new page where one does not fit.
class Pager {
  public:
    // The first page's pieces start at `first_top`, under its heading.
    Pager(const PageFrame& frame, std::vector<std::vector<Document::Piece>>& pages,
          double first_top)
        : frame_(frame), pages_(pages), page_top_(first_top), y_(first_top) {
        pages_.emplace_back();
    }

    void add_item(std::size_t item, const Typeset& set, bool graph) {
        const double working_width = graph ? frame_.width * kWorkingShare : frame_.width;
        const double graph_width = frame_.width * (1 - kWorkingShare - kGapShare);
        const double graph_height = graph ? graph_width * kGraphHeightShare : 0;
        const double needed = std::max(set.height, graph_height);
        if (y_ > page_top_) {
            y_ += kBetweenMm * frame_.mm;
        }
        // A whole exercise goes on the next page rather than be split, where it fits on one.
        const double page_height = frame_.bottom - frame_.top;
        if (y_ > page_top_ && y_ + std::min(needed, page_height) > frame_.bottom) {
            new_page();
        }
        const std::size_t graph_page = pages_.size();
        const double start = y_;
        if (graph) {
            pages_.back().push_back({item, true, 0, 0,
                                     frame_.left + working_width + frame_.width * kGapShare, start,
                                     graph_width, graph_height});
        }
        add_lines(item, set, working_width);
        if (pages_.size() == graph_page) {
            y_ = std::max(y_, start + graph_height);
        }
    }

  private:
    void new_page() {
        pages_.emplace_back();
        page_top_ = frame_.top;
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
            if (end == first && y_ > page_top_) {
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

    const PageFrame& frame_;
    std::vector<std::vector<Document::Piece>>& pages_;
    double page_top_;
    double y_;
};

} // namespace

std::size_t Document::lay_out(Canvas& page) {
    const PageFrame frame = page_frame(page);
    sets_.clear();
    pages_.clear();
    Pager pager(frame, pages_, frame.top + heading_height(heading_, page));
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const bool graph = items_[i].graph;
        sets_.push_back(typeset(items_[i].lines, kWorkingPoints,
                                graph ? frame.width * kWorkingShare : frame.width, page));
        pager.add_item(i, sets_.back(), graph);
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
    if (index == 0) {
        draw_heading(heading_, page);
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
    draw_foot(foot(index), page);
}

} // namespace vornix::draw
