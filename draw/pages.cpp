#include "pages.hpp"

#include <cmath>

namespace vornix::draw {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kMarginMm = 18;
constexpr double kFootMm = 8; // the foot's band above the bottom margin
constexpr double kTitlePoints = 15;
constexpr double kHeadingPoints = 11;
constexpr double kHeadingLineMm = 2; // between two lines of the heading
constexpr double kBelowHeadingMm = 6;

double points_of_line(std::size_t line) {
    return line == 0 ? kTitlePoints : kHeadingPoints;
}

} // namespace

PageSize a4_pixels(double dpi) {
    return {static_cast<int>(std::lround(210 / kMillimetresPerInch * dpi)),
            static_cast<int>(std::lround(297 / kMillimetresPerInch * dpi))};
}

PageFrame page_frame(Canvas& page) {
    const double mm = 96 * page.scale() / kMillimetresPerInch;
    const double margin = kMarginMm * mm;
    return {margin, margin, page.width() - 2 * margin, page.height() - margin - kFootMm * mm, mm};
}

std::string page_foot(std::string_view signature, std::size_t index, std::size_t count) {
    return std::string(signature) + " · 第 " + std::to_string(index + 1) + " 页，共 " +
           std::to_string(count) + " 页";
}

void draw_foot(std::string_view foot, Canvas& page) {
    const PageFrame frame = page_frame(page);
    const TextExtent extent = page.measure(foot, Pages::kFootPoints);
    page.text({frame.left, frame.bottom + kFootMm * frame.mm - extent.descent}, foot,
              Pages::kFootPoints, Ink::Text);
}

double heading_height(std::span<const std::string> lines, Canvas& page) {
    if (lines.empty()) {
        return 0;
    }
    const double mm = page_frame(page).mm;
    double height = kBelowHeadingMm * mm;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TextExtent extent = page.measure(lines[i], points_of_line(i));
        height += extent.ascent + extent.descent + (i > 0 ? kHeadingLineMm * mm : 0);
    }
    return height;
}

void draw_heading(std::span<const std::string> lines, Canvas& page) {
    const PageFrame frame = page_frame(page);
    double top = frame.top;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TextExtent extent = page.measure(lines[i], points_of_line(i));
        top += i > 0 ? kHeadingLineMm * frame.mm : 0;
        page.text({frame.left + (frame.width - extent.width) / 2, top + extent.ascent}, lines[i],
                  points_of_line(i), Ink::Text);
        top += extent.ascent + extent.descent;
    }
}

} // namespace vornix::draw
