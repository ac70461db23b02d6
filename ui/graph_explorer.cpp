#include "graph_explorer.hpp"

#include <cmath>

namespace vornix::ui {
namespace {

// The wheel's and the keys' step when the graph zooms.
constexpr double kZoomStep = 1.25;
// How near the curve the pointer shows its point, in pixels at 100 %.
constexpr double kNearCurve = 12;
// A press and release closer than this, in pixels, is a tap, not a drag.
constexpr double kTap = 4;

} // namespace

void GraphExplorer::reset() {
    window_.reset();
    trace_x_.reset();
    anchor_x_.reset();
}

void GraphExplorer::paint(const calc::Plot& plot, double zoom, draw::Canvas& canvas) {
    scene_ = draw::build_scene(plot, canvas, {zoom, window_, trace_x_});
    draw::draw(*scene_, canvas);
}

bool GraphExplorer::key_pressed(Key key, const calc::Plot& plot) {
    if (!scene_) {
        return false;
    }
    const draw::Point middle{(scene_->left + scene_->right) / 2,
                             (scene_->top + scene_->bottom) / 2};
    switch (key) {
    case Key::Home:
        fit();
        return true;
    case Key::Left:
    case Key::Right:
        move_trace(key == Key::Right ? 1 : -1, plot);
        return true;
    case Key::Plus:
    case Key::Minus:
        zoom_about(key == Key::Plus ? kZoomStep : 1 / kZoomStep, middle);
        return true;
    default:
        return false;
    }
}

bool GraphExplorer::pointer(const PointerEvent& event, const calc::Plot& plot, double zoom) {
    if (!scene_) {
        return false;
    }
    const draw::Point at{event.x, event.y};
    switch (event.kind) {
    case PointerEvent::Kind::Wheel:
        zoom_about(std::pow(kZoomStep, event.amount), at);
        return true;
    case PointerEvent::Kind::Pinch:
        zoom_about(event.amount, at);
        return true;
    case PointerEvent::Kind::Press:
        dragged_from_ = at;
        pressed_at_ = at;
        return true;
    case PointerEvent::Kind::Release:
        dragged_from_.reset();
        if (pressed_at_ && std::hypot(at.x - pressed_at_->x, at.y - pressed_at_->y) < kTap) {
            anchor_x_ = draw::nearest_on_curve(*scene_, plot, at);
            trace_x_.reset();
            trace_near(at, plot, zoom);
            describe(plot);
            view_.repaint(control_);
        }
        pressed_at_.reset();
        return true;
    case PointerEvent::Kind::DoubleClick:
        if (!draw::near_curve(*scene_, plot, at, kNearCurve * zoom)) {
            fit();
        }
        return true;
    case PointerEvent::Kind::Leave:
        dragged_from_.reset();
        return true;
    case PointerEvent::Kind::Move:
        break;
    }
    if (dragged_from_) {
        window_ = draw::panned(*scene_, at.x - dragged_from_->x, at.y - dragged_from_->y);
        dragged_from_ = at;
        view_.repaint(control_);
    } else if (draw::near_curve(*scene_, plot, at, kNearCurve * zoom)) {
        trace_near(at, plot, zoom);
        describe(plot);
        view_.repaint(control_);
    }
    return true;
}

// The pointer's x, to a tenth of a tick, so that the label stays short.
void GraphExplorer::trace_near(draw::Point at, const calc::Plot& plot, double zoom) {
    if (draw::near_curve(*scene_, plot, at, kNearCurve * zoom)) {
        const double tenth = scene_->x_step / 10;
        trace_x_ = std::round(draw::plane_x(*scene_, at.x) / tenth) * tenth;
    }
}

void GraphExplorer::zoom_about(double factor, draw::Point about) {
    if (!scene_ || !std::isfinite(factor) || factor <= 0) {
        return;
    }
    window_ = draw::zoomed(*scene_, factor, about);
    view_.repaint(control_);
}

void GraphExplorer::fit() {
    window_.reset();
    view_.repaint(control_);
}

void GraphExplorer::move_trace(int steps, const calc::Plot& plot) {
    if (!plot.curve) {
        return;
    }
    const draw::Point middle{(scene_->left + scene_->right) / 2,
                             (scene_->top + scene_->bottom) / 2};
    std::optional<double> from = trace_x_ ? trace_x_ : anchor_x_;
    if (!from) {
        from = draw::nearest_on_curve(*scene_, plot, middle);
    }
    const double x = from.value_or(draw::plane_x(*scene_, middle.x)) + steps * scene_->x_step;
    const std::optional<double> y = draw::curve_at(plot, x);
    if (!y) {
        return; // beyond what numbers can hold: the point stays where it is
    }
    trace_x_ = x;
    window_ = draw::following(*scene_, window_.value_or(draw::window_of(*scene_)), x, *y);
    describe(plot);
    view_.announce(control_);
    view_.repaint(control_);
}

void GraphExplorer::describe(const calc::Plot& plot) {
    std::string description = plot.equation;
    const std::optional<double> y = trace_x_ ? draw::curve_at(plot, *trace_x_) : std::nullopt;
    if (y && scene_) {
        description =
            "曲线上的点 " + draw::point_text(*trace_x_, *y, scene_->x_step, scene_->y_step);
    } else {
        for (const calc::PlotMark& mark : plot.marks) {
            description += (description.empty() ? "" : "，") + mark.label;
        }
    }
    view_.set_description(control_, description);
}

} // namespace vornix::ui
