#include "ui/BoardPainter.h"

#include "ui/BoardMapping.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace wuzi::BoardPainter {

namespace G = BoardGeometry;

void drawRound(QPainter& p, QPointF centre, double radius) {
    p.drawEllipse(centre, radius, radius / G::kRowStretch);
}

void drawSquare(QPainter& p, QPointF centre, double side) {
    QSizeF size(side, side / G::kRowStretch);
    p.drawRect(QRectF(centre - QPointF(size.width(), size.height()) / 2, size));
}

void drawBoard(QPainter& p) {
    QRectF area(0, 0, G::kWidth, G::kHeight);
    QLinearGradient wood(area.topLeft(), area.bottomRight());
    wood.setColorAt(0.0, QColor(0xE8, 0xC3, 0x7E));
    wood.setColorAt(0.5, QColor(0xDC, 0xB0, 0x66));
    wood.setColorAt(1.0, QColor(0xCF, 0xA0, 0x55));
    p.fillRect(area, wood);

    // A few faint grain lines so the board reads as wood.
    p.setPen(QPen(QColor(0xB8, 0x8A, 0x45, 40), 0.8));
    for (int i = 0; i < 9; ++i) {
        double y = 18 + i * 33.0;
        p.drawLine(QPointF(0, y), QPointF(G::kWidth, y + 6));
    }

    p.setPen(QPen(QColor(0x3A, 0x2A, 0x14), 0.7));
    for (int i = 1; i <= kBoardSize; ++i) {
        p.drawLine(G::intersectionPoint(i, 1), G::intersectionPoint(i, kBoardSize));
        p.drawLine(G::intersectionPoint(1, i), G::intersectionPoint(kBoardSize, i));
    }
    p.setPen(QPen(QColor(0x3A, 0x2A, 0x14), 1.4));
    p.drawRect(QRectF(G::intersectionPoint(1, 1), G::intersectionPoint(kBoardSize, kBoardSize)));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x1C, 0x0C));
    for (Cell star : {Cell{4, 4}, Cell{12, 4}, kCentre, Cell{4, 12}, Cell{12, 12}})
        drawRound(p, G::intersectionPoint(star), 2.2);
}

void drawStone(QPainter& p, Cell c, bool black) {
    QPointF centre = G::intersectionPoint(c);
    const double r = G::kStoneRadius;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60)); // shadow
    drawRound(p, centre + QPointF(1.0, 1.2), r);
    QRadialGradient shade(centre - QPointF(r * 0.35, r * 0.4), r * 1.3);
    if (black) {
        shade.setColorAt(0.0, QColor(0x6A, 0x6A, 0x6A));
        shade.setColorAt(0.35, QColor(0x22, 0x22, 0x22));
        shade.setColorAt(1.0, QColor(0x05, 0x05, 0x05));
    } else {
        shade.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
        shade.setColorAt(0.6, QColor(0xEC, 0xEC, 0xE6));
        shade.setColorAt(1.0, QColor(0xB8, 0xB8, 0xB0));
    }
    p.setBrush(shade);
    p.setPen(QPen(black ? QColor(0x10, 0x10, 0x10) : QColor(0x90, 0x90, 0x88), 0.5));
    drawRound(p, centre, r);
}

void drawLastMoveMarker(QPainter& p, Cell c, bool onBlackStone) {
    QPointF centre = G::intersectionPoint(c);
    p.setPen(Qt::NoPen);
    p.setBrush(onBlackStone ? QColor(0xFF, 0x5A, 0x4A) : QColor(0xD0, 0x20, 0x10));
    drawSquare(p, centre, 5.2);
}

void drawMoveNumber(QPainter& p, Cell c, bool onBlackStone, int number) {
    QPointF centre = G::intersectionPoint(c);
    const double r = G::kStoneRadius;
    QFont font = p.font();
    font.setPixelSize(number < 10 ? 11 : 9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(onBlackStone ? QColor(0xF4, 0xF4, 0xF0) : QColor(0x10, 0x10, 0x10));
    p.drawText(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), Qt::AlignCenter,
               QString::number(number));
}

} // namespace wuzi::BoardPainter
