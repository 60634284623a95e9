#include "ui/BoxPlacement.h"

#include <algorithm>

namespace wuzi {

namespace {

constexpr int kGap = 8;

int within(int v, int low, int high) {
    return std::clamp(v, low, std::max(low, high));
}

std::optional<QPoint> beside(QSize box, QRect area, QRect screen) {
    int middleY = within(area.center().y() - box.height() / 2, screen.top(),
                         screen.bottom() + 1 - box.height());
    int middleX = within(area.center().x() - box.width() / 2, screen.left(),
                         screen.right() + 1 - box.width());
    const QPoint places[] = {
        {area.right() + 1 + kGap, middleY},
        {area.left() - kGap - box.width(), middleY},
        {middleX, area.bottom() + 1 + kGap},
        {middleX, area.top() - kGap - box.height()},
    };
    for (QPoint corner : places) {
        QRect placed(corner, box);
        if (screen.contains(placed) && !placed.intersects(area)) return corner;
    }
    return std::nullopt;
}

} // namespace

std::optional<QPoint> BesideArea(QSize box, std::span<const QRect> clear, QRect screen) {
    for (QRect area : clear) {
        if (std::optional<QPoint> corner = beside(box, area, screen)) return corner;
    }
    return std::nullopt;
}

} // namespace wuzi
