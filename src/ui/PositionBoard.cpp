#include "ui/PositionBoard.h"

#include "ui/BoardMapping.h"
#include "ui/BoardPainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace wuzi {

namespace G = BoardGeometry;

PositionBoard::PositionBoard(QWidget* parent) : QWidget(parent) {
    setObjectName("positionBoard");
    setMinimumSize(static_cast<int>(G::kWidth * 0.75), static_cast<int>(G::kHeight * 0.75));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize PositionBoard::sizeHint() const {
    return {static_cast<int>(G::kWidth * 1.6), static_cast<int>(G::kHeight * G::kRowStretch * 1.6)};
}

int PositionBoard::heightForWidth(int width) const {
    return static_cast<int>(width * G::kHeight * G::kRowStretch / G::kWidth);
}

void PositionBoard::setPosition(const HandPosition& position) {
    position_ = position;
    update();
}

QPoint PositionBoard::pointOf(Cell c) const {
    return G::Mapping(size()).toWidget(G::intersectionPoint(c)).toPoint();
}

void PositionBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0x6B, 0x4A, 0x2B));
    G::Mapping map(size());
    p.translate(map.target().topLeft());
    p.scale(map.scaleX(), map.scaleY());
    BoardPainter::drawBoard(p);
    for (Cell c : position_.black)
        BoardPainter::drawStone(p, c, true);
    for (Cell c : position_.white)
        BoardPainter::drawStone(p, c, false);
}

void PositionBoard::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return event->ignore();
    emit pressed(G::Mapping(size()).cellAt(event->position()));
}

} // namespace wuzi
