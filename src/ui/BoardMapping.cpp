#include "ui/BoardMapping.h"

#include <algorithm>

namespace wuzi::BoardGeometry {

Mapping::Mapping(QSizeF widgetSize, double margin) {
    double width = kWidth + 2 * margin, height = kHeight + 2 * margin;
    scale_ = std::max(0.01, std::min(widgetSize.width() / width, widgetSize.height() / height));
    QPointF corner((widgetSize.width() - width * scale_) / 2 + margin * scale_,
                   (widgetSize.height() - height * scale_) / 2 + margin * scale_);
    target_ = QRectF(corner, QSizeF(kWidth * scale_, kHeight * scale_));
}

QPointF Mapping::toLogical(QPointF widgetPoint) const {
    return (widgetPoint - target_.topLeft()) / scale_;
}

QPointF Mapping::toWidget(QPointF logicalPoint) const {
    return target_.topLeft() + logicalPoint * scale_;
}

Cell Mapping::cellAt(QPointF widgetPoint) const {
    QPointF logical = toLogical(widgetPoint);
    return BoardGeometry::cellAt(static_cast<float>(logical.x()), static_cast<float>(logical.y()));
}

} // namespace wuzi::BoardGeometry
