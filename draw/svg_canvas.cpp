#include "svg_canvas.hpp"

#include <cmath>
#include <cstdio>

namespace vornix::draw {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the valid UTF-8 character at the start of `text`, or 0.
std::size_t valid_character(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90)) {
        return 0;
    }
    return length;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::isfinite(value) ? value : 0.0);
    std::string written = text;
    written.erase(written.find_last_not_of('0') + 1);
    if (written.back() == '.') {
        written.pop_back();
    }
    return written == "-0" ? "0" : written;
}

std::string colour(Ink ink) {
    const Colour bgr = paper_colour(ink);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", bgr & 0xFFU, (bgr >> 8) & 0xFFU,
                  (bgr >> 16) & 0xFFU);
    return text;
}

std::string points_attribute(std::span<const Point> points) {
    std::string list;
    for (const Point& point : points) {
        if (!list.empty()) {
            list += ' ';
        }
        list += number(point.x) + "," + number(point.y);
    }
    return list;
}

} // namespace

std::string xml_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = valid_character(text);
        const char c = text[0];
        if (length == 0 || (length == 1 && static_cast<unsigned char>(c) < 0x20 && c != '\t')) {
            out += kReplacement;
            text.remove_prefix(1);
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += text.substr(0, length);
        }
        text.remove_prefix(length);
    }
    return out;
}

TextExtent SvgCanvas::measure(std::string_view text, double points) {
    const double em = points * 96 / 72;
    double width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // A lead byte of three or four bytes is a wide character; two bytes (Latin-1,
        // Greek as Latin text uses it) and one byte are half an em.
        width += byte < 0x80 ? 0.5 * em : byte >= 0xE0 ? em : byte >= 0xC0 ? 0.5 * em : 0;
    }
    return {width, 0.88 * em, 0.12 * em};
}

void SvgCanvas::text(Point at, std::string_view text, double points, Ink ink) {
    const double length = measure(text, points).width;
    body_ += "<text x=\"" + number(at.x) + "\" y=\"" + number(at.y) + "\" font-size=\"" +
             number(points * 96 / 72) + "\" fill=\"" + colour(ink) + "\" textLength=\"" +
             number(length) + "\" lengthAdjust=\"spacingAndGlyphs\">" + xml_text(text) +
             "</text>\n";
}

void SvgCanvas::lines(std::span<const Point> points, double width, Ink ink, bool dashed) {
    if (points.size() < 2) {
        return;
    }
    body_ += "<polyline points=\"" + points_attribute(points) + "\" fill=\"none\" stroke=\"" +
             colour(ink) + "\" stroke-width=\"" + number(width) +
             "\" stroke-linejoin=\"round\" stroke-linecap=\"round\"" +
             (dashed ? " stroke-dasharray=\"" + number(4 * width) + "," + number(3 * width) + "\""
                     : std::string()) +
             "/>\n";
}

void SvgCanvas::disc(Point centre, double radius, Ink ink) {
    body_ += "<circle cx=\"" + number(centre.x) + "\" cy=\"" + number(centre.y) + "\" r=\"" +
             number(radius) + "\" fill=\"" + colour(ink) + "\"/>\n";
}

void SvgCanvas::polygon(std::span<const Point> points, Ink ink) {
    if (points.size() < 3) {
        return;
    }
    body_ +=
        "<polygon points=\"" + points_attribute(points) + "\" fill=\"" + colour(ink) + "\"/>\n";
}

void SvgCanvas::fill(Ink ink) {
    body_ += "<rect width=\"" + number(width_) + "\" height=\"" + number(height_) + "\" fill=\"" +
             colour(ink) + "\"/>\n";
}

std::string SvgCanvas::document(std::string_view title, bool millimetres) const {
    const double to_mm = 25.4 / 96;
    const std::string width = millimetres ? number(width_ * to_mm) + "mm" : number(width_);
    const std::string height = millimetres ? number(height_ * to_mm) + "mm" : number(height_);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           width + "\" height=\"" + height + "\" viewBox=\"0 0 " + number(width_) + " " +
           number(height_) + "\" font-family=\"" + xml_text(kSvgFaces) + "\">\n<title>" +
           xml_text(title) + "</title>\n" + body_ + "</svg>\n";
}

} // namespace vornix::draw
