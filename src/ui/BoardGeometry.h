#pragma once

#include "core/Types.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace wuzi {

// The board picture's logical pixel grid: columns 21 pixels apart, rows 20 apart.
// Every drawing and every click goes through these numbers, whatever the window size.
namespace BoardGeometry {

inline constexpr double kWidth = 321;
inline constexpr double kHeight = 304;
inline constexpr double kStoneRadius = 9.2;

// Centre of the intersection of cell (x, y) on the logical picture.
inline QPointF intersection(int x, int y) { return {21.0 * (x - 1) + 13.5, 20.0 * (y - 1) + 12.0}; }
inline QPointF intersection(Cell c) { return intersection(c.x, c.y); }

// Maps between the widget and the logical picture, keeping the picture's aspect ratio.
// A margin widens the picture on every side by that many logical pixels (room for the
// coordinates); the board keeps its logical pixels either way.
class Mapping {
public:
    explicit Mapping(QSizeF widgetSize, double margin = 0);
    QPointF toWidget(QPointF logicalPoint) const;
    QPointF toLogical(QPointF widgetPoint) const;
    // Where the logical point (0, 0) .. (kWidth, kHeight) is drawn.
    QRectF target() const { return target_; }
    double scale() const { return scale_; }

private:
    double scale_;
    QRectF target_;
};

} // namespace BoardGeometry
} // namespace wuzi
