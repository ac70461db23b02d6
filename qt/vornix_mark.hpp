// The Vornix mark: a parabola and a straight line crossing on a blue tile,
// the two exercises of the program. Drawn as vectors at any size.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace vornix::qt {

// The mark on a transparent square image of `pixels` device pixels.
QImage vornix_mark_image(int pixels);

// The mark at `logical_size` pixels, rendered for `device_pixel_ratio`.
QPixmap vornix_mark(int logical_size, qreal device_pixel_ratio);

// The window icon, rendered at the usual icon sizes.
QIcon vornix_icon();

} // namespace vornix::qt
