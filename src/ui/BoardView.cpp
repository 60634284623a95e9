#include "ui/BoardView.h"

#include "ui/BoardGeometry.h"
#include "ui/BoardPainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace wuzi {

namespace G = BoardGeometry;

BoardView::BoardView(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setMinimumSize(static_cast<int>(G::kWidth), static_cast<int>(G::kHeight));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize BoardView::sizeHint() const {
    return {static_cast<int>(G::kWidth * 2), static_cast<int>(G::kHeight * 2)};
}

int BoardView::heightForWidth(int width) const {
    return static_cast<int>(width * G::kHeight / G::kWidth);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0x6B, 0x4A, 0x2B));
    G::Mapping map(size());
    p.translate(map.target().topLeft());
    p.scale(map.scale(), map.scale());
    BoardPainter::drawBoard(p);

    bool playerBlack = game_.PlayerFirst == kTrue;
    for (const auto& stone : game_.imgPlayer) BoardPainter::drawStone(p, stone.cell(), playerBlack);
    for (const auto& stone : game_.imgComputer)
        BoardPainter::drawStone(p, stone.cell(), !playerBlack);
    for (const Marker* m : {&game_.imgW, &game_.imgB}) {
        if (!m->visible) continue;
        Cell c = StonePicture{m->left - 4, m->top - 4}.cell();
        BoardPainter::drawLastMoveMarker(p, c, m == &game_.imgW);
    }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    emit pressed(G::Mapping(size()).toLogical(event->position()));
}

} // namespace wuzi
