#include "ui/BoardMapping.h"

#include <algorithm>

namespace wuzi::BoardGeometry {

Mapping::Mapping(QSizeF widgetSize, double margin) {
    double width = kWidth + 2 * margin, height = (kHeight + 2 * margin) * kRowStretch;
    scaleX_ = std::max(0.01, std::min(widgetSize.width() / width, widgetSize.height() / height));
    QPointF corner((widgetSize.width() - width * scaleX_) / 2 + margin * scaleX(),
                   (widgetSize.height() - height * scaleX_) / 2 + margin * scaleY());
    target_ = QRectF(corner, QSizeF(kWidth * scaleX(), kHeight * scaleY()));
}

QPointF Mapping::toLogical(QPointF widgetPoint) const {
    QPointF offset = widgetPoint - target_.topLeft();
    return {offset.x() / scaleX(), offset.y() / scaleY()};
}

QPointF Mapping::toWidget(QPointF logicalPoint) const {
    return target_.topLeft() + QPointF(logicalPoint.x() * scaleX(), logicalPoint.y() * scaleY());
}

Cell Mapping::cellAt(QPointF widgetPoint) const {
    QPointF logical = toLogical(widgetPoint);
    return BoardGeometry::cellAt(static_cast<float>(logical.x()), static_cast<float>(logical.y()));
}

} // namespace wuzi::BoardGeometry
