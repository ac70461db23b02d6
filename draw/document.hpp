// What goes on paper and into files: exercises, each its statement and the
// page of its working shown, beside its graph, on A4 pages in portrait with
// margins, several to a page where they fit. A working taller than what is
// left of a page goes on on the next, between two lines, never through one.
// Each page ends with the program's name and version in small type; a
// heading, where given, opens the first page. The layout is made on the
// canvas it is drawn on (a printer, a PDF, an image, an SVG), so each surface
// measures its own text; the inks are black on white.
#pragma once

#include "exercise.hpp"
#include "math_layout.hpp"
#include "pages.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::draw {

struct DocumentItem {
    std::vector<calc::Formula> lines; // the statement, then the page's lines
    calc::Plot plot;
    bool graph = true; // false: the lines alone, across the whole width
};

class Document final : public Pages {
  public:
    // `signature` opens each page's foot: the program and its version
    // ("Vornix 1.0.1"); `heading` (see draw_heading) opens the first page.
    Document(std::vector<DocumentItem> items, std::string signature,
             std::vector<std::string> heading = {})
        : Pages(std::move(signature)), items_(std::move(items)), heading_(std::move(heading)) {}
    Document(const Document&) = default;
    Document& operator=(const Document&) = default;

    std::size_t lay_out(Canvas& page) override;
    void draw_page(std::size_t index, Canvas& page) override;
    std::size_t pages() const override { return pages_.size(); }
    const std::vector<DocumentItem>& items() const { return items_; }

    // The working's size, in points, and the share of the frame's width it
    // takes beside its graph.
    static constexpr double kWorkingPoints = 11;
    static constexpr double kWorkingShare = 0.56;

    // One laid-out piece: item `item`'s graph, or the lines of its working
    // whose tops lie in [from, to), placed with `from` at `top`.
    struct Piece {
        std::size_t item;
        bool graph;
        double from;
        double to;
        double left;
        double top;
        double width;
        double height;
    };
    const std::vector<Piece>& page_pieces(std::size_t index) const { return pages_.at(index); }

  private:
    std::vector<DocumentItem> items_;
    std::vector<std::string> heading_;
    std::vector<Typeset> sets_;
    std::vector<std::vector<Piece>> pages_;
};

} // namespace vornix::draw
