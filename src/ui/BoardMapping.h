#pragma once

#include "ui/BoardGeometry.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace wuzi::BoardGeometry {

inline QPointF toQPointF(Point p) {
    return {p.x, p.y};
}
inline QPointF intersectionPoint(Cell c) {
    return toQPointF(intersection(c));
}
inline QPointF intersectionPoint(int x, int y) {
    return intersectionPoint(Cell{x, y});
}

// Maps between the widget and the logical picture, keeping the picture's aspect ratio.
// A margin widens the picture on every side by that many logical pixels (room for the
// coordinates); the board keeps its logical pixels either way.
class Mapping {
  public:
    explicit Mapping(QSizeF widgetSize, double margin = 0);
    QPointF toWidget(QPointF logicalPoint) const;
    QPointF toLogical(QPointF widgetPoint) const;
    // The cell a click at this widget point plays.
    Cell cellAt(QPointF widgetPoint) const;
    // Where the logical point (0, 0) .. (kWidth, kHeight) is drawn.
    QRectF target() const { return target_; }
    double scale() const { return scale_; }

  private:
    double scale_;
    QRectF target_;
};

} // namespace wuzi::BoardGeometry
