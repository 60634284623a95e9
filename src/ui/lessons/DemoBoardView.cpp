#include "ui/lessons/DemoBoardView.h"

#include "ui/BoardMapping.h"
#include "ui/BoardPainter.h"

#include <QPainter>

namespace wuzi {

namespace G = BoardGeometry;

DemoBoardView::DemoBoardView(const DemoReplay& replay, QWidget* parent)
    : QWidget(parent), replay_(replay) {
    setObjectName("Board");
    // Small enough for a small screen at a large scale; the picture scales to the widget.
    setMinimumSize(static_cast<int>(G::kWidth * 0.75), static_cast<int>(G::kHeight * 0.75));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize DemoBoardView::sizeHint() const {
    return {static_cast<int>(G::kWidth * 1.3), static_cast<int>(G::kHeight * G::kRowStretch * 1.3)};
}

int DemoBoardView::heightForWidth(int width) const {
    return static_cast<int>(width * G::kHeight * G::kRowStretch / G::kWidth);
}

void DemoBoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    G::Mapping map(size());
    p.translate(map.target().topLeft());
    p.scale(map.scaleX(), map.scaleY());
    BoardPainter::drawBoard(p);
    for (Cell stone : replay_.blackStones())
        BoardPainter::drawStone(p, stone, true);
    for (Cell stone : replay_.whiteStones())
        BoardPainter::drawStone(p, stone, false);
}

} // namespace wuzi
