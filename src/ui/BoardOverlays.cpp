#include "ui/BoardOverlays.h"

#include "ui/BoardMapping.h"
#include "ui/BoardPainter.h"

#include <QFont>

namespace wuzi::BoardOverlays {

namespace G = BoardGeometry;

namespace {

// Sizes in logical pixels: the painter's scale enlarges them with the board.
void setFontSize(QPainter& p, int pixels, bool bold) {
    QFont f = p.font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    p.setFont(f);
}

} // namespace

G::Mapping drawBoardIn(QPainter& p, QSizeF size, bool coordinates) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(QPointF(), size), QColor(0x6B, 0x4A, 0x2B));
    G::Mapping map(size, coordinates ? kCoordinateMargin : 0);
    p.translate(map.target().topLeft());
    p.scale(map.scaleX(), map.scaleY());
    BoardPainter::drawBoard(p);
    if (coordinates) drawCoordinates(p);
    return map;
}

QString columnLabel(int x) {
    return QString(QChar('A' + x - 1));
}
QString rowLabel(int y) {
    return QString::number(kBoardSize + 1 - y);
}

void drawCoordinates(QPainter& p) {
    p.save();
    p.setPen(QColor(0xF4, 0xE2, 0xC0));
    setFontSize(p, 8, false);
    const double m = kCoordinateMargin;
    for (int i = 1; i <= kBoardSize; ++i) {
        QPointF top = G::intersectionPoint(i, 1), left = G::intersectionPoint(1, i);
        for (double y : {-m, G::kHeight})
            p.drawText(QRectF(top.x() - 10, y, 20, m), Qt::AlignCenter, columnLabel(i));
        for (double x : {-m, G::kWidth})
            p.drawText(QRectF(x, left.y() - 6, m, 12), Qt::AlignCenter, rowLabel(i));
    }
    p.restore();
}

void drawMoveNumber(QPainter& p, Cell c, int number, bool onBlackStone, bool last) {
    p.save();
    QColor ink = onBlackStone ? QColor(0xF0, 0xF0, 0xF0) : QColor(0x18, 0x18, 0x18);
    p.setPen(last ? QColor(0xE0, 0x30, 0x20) : ink);
    setFontSize(p, number >= 100 ? 7 : 9, last);
    QPointF centre = G::intersectionPoint(c);
    p.drawText(QRectF(centre - QPointF(10, 8), QSizeF(20, 16)), Qt::AlignCenter,
               QString::number(number));
    p.restore();
}

void drawCornerMarker(QPainter& p, Cell c, bool onBlackStone) {
    QPointF centre = G::intersectionPoint(c);
    p.setPen(Qt::NoPen);
    p.setBrush(onBlackStone ? QColor(0xFF, 0x5A, 0x4A) : QColor(0xD0, 0x20, 0x10));
    BoardPainter::drawSquare(p, centre - QPointF(5.5, 5.5 / G::kRowStretch), 3.4);
}

void drawWinningLine(QPainter& p, const std::vector<Cell>& line) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xFF, 0xC8, 0x30, 110), 4.2));
    for (Cell c : line)
        BoardPainter::drawRound(p, G::intersectionPoint(c), G::kStoneRadius + 1.4);
    p.setPen(QPen(QColor(0xE0, 0x30, 0x20), 1.4));
    for (Cell c : line)
        BoardPainter::drawRound(p, G::intersectionPoint(c), G::kStoneRadius + 1.0);
    p.restore();
}

void drawHint(QPainter& p, Cell c, bool master) {
    p.save();
    QPointF centre = G::intersectionPoint(c);
    p.setPen(QPen(master ? QColor(0xC0, 0x80, 0x00) : QColor(0x10, 0x90, 0x40), 1.8));
    p.setBrush(master ? QColor(0xF0, 0xB0, 0x20, 110) : QColor(0x30, 0xD0, 0x70, 90));
    BoardPainter::drawRound(p, centre, G::kStoneRadius);
    const double arm = 4, armDown = arm / G::kRowStretch;
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    p.drawLine(centre - QPointF(0, armDown), centre + QPointF(0, armDown));
    p.restore();
}

void drawMasterMove(QPainter& p, Cell c) {
    p.save();
    p.setPen(QPen(QColor(0x70, 0x30, 0xC0), 1.8, Qt::DashLine));
    p.setBrush(QColor(0x90, 0x60, 0xE0, 60));
    BoardPainter::drawRound(p, G::intersectionPoint(c), G::kStoneRadius);
    p.restore();
}

void drawPreviewStone(QPainter& p, Cell c, bool black) {
    p.save();
    p.setOpacity(0.45);
    BoardPainter::drawStone(p, c, black);
    p.restore();
}

void drawKeyboardCursor(QPainter& p, Cell c) {
    p.save();
    QPointF centre = G::intersectionPoint(c);
    p.setPen(QPen(QColor(0x20, 0x50, 0xD0), 1.5, Qt::SolidLine, Qt::SquareCap));
    const double r = 9.5, arm = 3.5, down = 1 / G::kRowStretch;
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) {
            QPointF corner = centre + QPointF(sx * r, sy * r * down);
            p.drawLine(corner, corner - QPointF(sx * arm, 0));
            p.drawLine(corner, corner - QPointF(0, sy * arm * down));
        }
    }
    p.restore();
}

} // namespace wuzi::BoardOverlays
