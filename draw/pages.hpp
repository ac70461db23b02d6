// A document on A4 pages in portrait, as any surface shows it (a printer, a
// PDF, an image, an SVG): the frame inside the margins that every page
// shares, the heading at the top of the first page, and the foot in small
// type at the bottom of each, naming the program and the page.
#pragma once

#include "canvas.hpp"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace vornix::draw {

// An A4 page in portrait at `dpi`, in whole pixels.
struct PageSize {
    int width;
    int height;
};
PageSize a4_pixels(double dpi);

// Where a page's content may go, in the canvas's pixels: inside the margins
// and above the foot's band; `mm` is a millimetre.
struct PageFrame {
    double left;
    double top;
    double width;
    double bottom;
    double mm;
};
PageFrame page_frame(Canvas& page);

// The foot of page `index` of `count`: "Vornix 1.0.1 · 第 1 页，共 2 页".
std::string page_foot(std::string_view signature, std::size_t index, std::size_t count);
// The foot under the frame, in small type.
void draw_foot(std::string_view foot, Canvas& page);

// A heading over the first page's content, each line centred: the title
// first and larger, then lines such as "班级______ 姓名______ 得分______".
// Its height, the space below it included; 0 for no lines.
double heading_height(std::span<const std::string> lines, Canvas& page);
void draw_heading(std::span<const std::string> lines, Canvas& page);

// What a renderer asks of a document: to lay itself out on a surface's
// pages and to draw any one of them.
class Pages {
  public:
    // `signature` opens each page's foot: "Vornix 1.0.1", "Vornix 1.0.1 · 种子 8041".
    explicit Pages(std::string signature) : signature_(std::move(signature)) {}
    virtual ~Pages() = default;

    // Lays the content out on pages of `page`'s size and scale; returns how
    // many pages it takes (at least one).
    virtual std::size_t lay_out(Canvas& page) = 0;
    // Draws page `index`, from 0, as last laid out; lays out first if never.
    virtual void draw_page(std::size_t index, Canvas& page) = 0;
    // The pages as last laid out.
    virtual std::size_t pages() const = 0;

    const std::string& signature() const { return signature_; }
    // The foot of page `index` as last laid out.
    std::string foot(std::size_t index) const { return page_foot(signature_, index, pages()); }

    // The foot's size, in points.
    static constexpr double kFootPoints = 8;

  protected:
    Pages(const Pages&) = default;
    Pages& operator=(const Pages&) = default;

  private:
    std::string signature_;
};

} // namespace vornix::draw
