#include "ui/lessons/DemoBoardView.h"

#include "ui/BoardMapping.h"
#include "ui/BoardOverlays.h"
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
    const std::vector<DemoMove>& laid = replay_.laid();
    for (const DemoMove& stone : laid)
        BoardPainter::drawStone(p, stone.at, stone.black);
    if (laid.empty()) return;
    const DemoMove& newest = laid.back();
    if (!numbers_) return BoardPainter::drawLastMoveMarker(p, newest.at, newest.black);
    for (std::size_t i = 0; i < laid.size(); ++i)
        BoardOverlays::drawMoveNumber(p, laid[i].at, static_cast<int>(i + 1), laid[i].black,
                                      i + 1 == laid.size());
    BoardOverlays::drawCornerMarker(p, newest.at, newest.black);
}

void DemoBoardView::setShowNumbers(bool on) {
    numbers_ = on;
    update();
}

} // namespace wuzi
