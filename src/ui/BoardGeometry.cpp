#include "ui/BoardGeometry.h"

#include <algorithm>

namespace wuzi::BoardGeometry {

Mapping::Mapping(QSizeF widgetSize) {
    scale_ = std::max(0.01, std::min(widgetSize.width() / kWidth, widgetSize.height() / kHeight));
    QSizeF drawn(kWidth * scale_, kHeight * scale_);
    target_ = QRectF(QPointF((widgetSize.width() - drawn.width()) / 2,
                             (widgetSize.height() - drawn.height()) / 2),
                     drawn);
}

QPointF Mapping::toLogical(QPointF widgetPoint) const {
    return (widgetPoint - target_.topLeft()) / scale_;
}

} // namespace wuzi::BoardGeometry
