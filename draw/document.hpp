// What goes on paper and into files: exercises, each its statement and the
// page of its working shown, beside its graph, on A4 pages in portrait with
// margins, several to a page where they fit. A working taller than what is
// left of a page goes on on the next, between two lines, never through one.
// Each page ends with the program's name and version in small type. The
// layout is made on the canvas it is drawn on (a printer, a PDF, an image,
// an SVG), so each surface measures its own text; the inks are black on white.
#pragma once

#include "canvas.hpp"
#include "exercise.hpp"
#include "math_layout.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::draw {

struct DocumentItem {
    std::vector<calc::Formula> lines; // the statement, then the page's lines
    calc::Plot plot;
};

// An A4 page in portrait at `dpi`, in whole pixels.
struct PageSize {
    int width;
    int height;
};
PageSize a4_pixels(double dpi);

class Document {
  public:
    // `signature` opens each page's foot: the program and its version ("Vornix 1.0.1").
    Document(std::vector<DocumentItem> items, std::string signature)
        : items_(std::move(items)), signature_(std::move(signature)) {}

    // Lays the items out on pages of `page`'s size and scale; returns how
    // many pages they take (at least one).
    std::size_t lay_out(Canvas& page);
    // Draws page `index`, from 0, as last laid out; lays out first if never.
    void draw_page(std::size_t index, Canvas& page);
    std::size_t pages() const { return pages_.size(); }
    const std::vector<DocumentItem>& items() const { return items_; }
    const std::string& signature() const { return signature_; }
    // The foot of page `index` as last laid out.
    std::string foot(std::size_t index) const;

    // The working's and the foot's size, in points.
    static constexpr double kWorkingPoints = 11;
    static constexpr double kFootPoints = 8;

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
    std::string signature_;
    std::vector<Typeset> sets_;
    std::vector<std::vector<Piece>> pages_;
};

// The foot of page `index` of `count`: "Vornix 1.0.1 · 第 1 页，共 2 页".
std::string page_foot(std::string_view signature, std::size_t index, std::size_t count);

} // namespace vornix::draw
