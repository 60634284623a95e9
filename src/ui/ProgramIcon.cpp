#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace wuzi {

namespace {

// On the icon's 256-pixel grid, lines 40 apart from 48.
QPointF point(int column, int row) {
    return {48.0 + 40 * column, 48.0 + 40 * row};
}

void drawStone(QPainter& p, QPointF centre, bool black) {
    QRadialGradient shade(centre - QPointF(5, 7), 26);
    shade.setColorAt(0, black ? QColor("#6a6a6a") : QColor("#ffffff"));
    shade.setColorAt(black ? 0.4 : 0.6, black ? QColor("#222222") : QColor("#ecece6"));
    shade.setColorAt(1, black ? QColor("#050505") : QColor("#b8b8b0"));
    p.setBrush(shade);
    p.setPen(QPen(black ? QColor("#101010") : QColor("#8c8c84"), 1.5));
    p.drawEllipse(centre, 17, 17);
}

QPixmap paint(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#6b4a2b"));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 28, 28);
    QLinearGradient wood(0, 0, 256, 256);
    wood.setColorAt(0, QColor("#e8c37e"));
    wood.setColorAt(0.5, QColor("#dcb066"));
    wood.setColorAt(1, QColor("#c99a50"));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(16, 16, 224, 224), 22, 22);
    p.setPen(QPen(QColor("#3a2a14"), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        p.drawLine(point(0, i), point(4, i));
        p.drawLine(point(i, 0), point(i, 4));
    }
    p.setPen(QPen(QColor(0xf3, 0xb1, 0x3a, 217), 5));
    p.drawLine(point(0, 0), point(4, 4));
    for (QPoint c : {QPoint(1, 0), QPoint(3, 1), QPoint(0, 2), QPoint(3, 4)})
        drawStone(p, point(c.x(), c.y()), false);
    for (int k = 0; k < 5; ++k)
        drawStone(p, point(k, k), true);
    p.fillRect(QRectF(201, 201, 14, 14), QColor("#ff5a4a"));
    return pixmap;
}

} // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(paint(size));
    return icon;
}

} // namespace wuzi
