// A worksheet (练习卷) for students: a heading (the title, then
// "班级______ 姓名______ 得分______"), the exercises numbered as given, each
// with room to write under it about as tall as its working in the key, two
// to a row where both fit half the width, and none cut across a page. Laid
// out on the canvas it is drawn on, as a Document is, with the same frame
// and foot; black on white.
#pragma once

#include "exercise.hpp"
#include "math_layout.hpp"
#include "pages.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace vornix::draw {

struct SheetItem {
    calc::Formula statement;            // as printed, its number first: "1．解方程 …"
    std::vector<calc::Formula> working; // its working in the key, which sizes the room
    bool beside_graph = true;           // the key sets it beside a graph (DocumentItem::graph)
};

class Worksheet final : public Pages {
  public:
    Worksheet(std::vector<SheetItem> items, std::string signature, std::vector<std::string> heading)
        : Pages(std::move(signature)), items_(std::move(items)), heading_(std::move(heading)) {}
    Worksheet(const Worksheet&) = default;
    Worksheet& operator=(const Worksheet&) = default;

    std::size_t lay_out(Canvas& page) override;
    void draw_page(std::size_t index, Canvas& page) override;
    std::size_t pages() const override { return pages_.size(); }
    const std::vector<SheetItem>& items() const { return items_; }

    // One exercise as laid out: its statement set from (left, top) across
    // `width`, `statement` tall, and the room below it, `room` tall.
    struct Placed {
        std::size_t item;
        double left;
        double top;
        double width;
        double statement;
        double room;
    };
    const std::vector<Placed>& page_items(std::size_t index) const { return pages_.at(index); }

    // Between the two columns of a row, and between two rows, in millimetres.
    static constexpr double kColumnGapMm = 8;
    static constexpr double kBetweenMm = 5;

  private:
    std::vector<SheetItem> items_;
    std::vector<std::string> heading_;
    std::vector<Typeset> statements_;
    std::vector<std::vector<Placed>> pages_;
};

} // namespace vornix::draw
