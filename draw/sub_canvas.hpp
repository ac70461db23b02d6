// A part of a canvas used as a canvas of its own: what is drawn on it is
// moved by its place; filling it fills only its part.
#pragma once

#include "canvas.hpp"

#include <vector>

namespace vornix::draw {

class SubCanvas final : public Canvas {
  public:
    SubCanvas(Canvas& whole, Point place, double width, double height)
        : whole_(whole), place_(place), width_(width), height_(height) {}

    double width() const override { return width_; }
    double height() const override { return height_; }
    double scale() const override { return whole_.scale(); }
    TextExtent measure(std::string_view text, double points) override {
        return whole_.measure(text, points);
    }
    void text(Point at, std::string_view text, double points, Ink ink) override {
        whole_.text(moved(at), text, points, ink);
    }
    void lines(std::span<const Point> points, double width, Ink ink, bool dashed) override {
        whole_.lines(moved(points), width, ink, dashed);
    }
    void disc(Point centre, double radius, Ink ink) override {
        whole_.disc(moved(centre), radius, ink);
    }
    void polygon(std::span<const Point> points, Ink ink) override {
        whole_.polygon(moved(points), ink);
    }
    void fill(Ink ink) override {
        const Point corners[] = {{0, 0}, {width_, 0}, {width_, height_}, {0, height_}};
        polygon(corners, ink);
    }

  private:
    Point moved(Point at) const { return {at.x + place_.x, at.y + place_.y}; }
    std::vector<Point> moved(std::span<const Point> points) const {
        std::vector<Point> result;
        result.reserve(points.size());
        for (const Point& point : points) {
            result.push_back(moved(point));
        }
        return result;
    }

    Canvas& whole_;
    Point place_;
    double width_;
    double height_;
};

} // namespace vornix::draw
