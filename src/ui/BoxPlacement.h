#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <span>

namespace wuzi {

// Where a message box of size `box` stands so that it covers none of `clear`: beside the
// first area that leaves room for it on the screen, to its right, left, below or above,
// centred along that side and kept on the screen. None when no area leaves room.
std::optional<QPoint> BesideArea(QSize box, std::span<const QRect> clear, QRect screen);

} // namespace wuzi
