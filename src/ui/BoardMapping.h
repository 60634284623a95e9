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

// Maps between the widget and the logical picture, its rows stretched by kRowStretch so
// that the cells are square, as large as the widget holds. A margin widens the picture
// on every side by that many logical pixels (room for the coordinates); the board keeps
// its logical pixels either way.
class Mapping {
  public:
    explicit Mapping(QSizeF widgetSize, double margin = 0);
    QPointF toWidget(QPointF logicalPoint) const;
    QPointF toLogical(QPointF widgetPoint) const;
    // The cell a click at this widget point plays.
    Cell cellAt(QPointF widgetPoint) const;
    // Where the logical point (0, 0) .. (kWidth, kHeight) is drawn.
    QRectF target() const { return target_; }
    // Widget pixels per logical pixel, across and down.
    double scaleX() const { return scaleX_; }
    double scaleY() const { return scaleX_ * kRowStretch; }

  private:
    double scaleX_;
    QRectF target_;
};

} // namespace wuzi::BoardGeometry
