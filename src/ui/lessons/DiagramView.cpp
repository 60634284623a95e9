#include "ui/lessons/DiagramView.h"

#include "ui/BoardMapping.h"
#include "ui/BoardPainter.h"

#include <QPainter>
#include <algorithm>

namespace wuzi {

namespace G = BoardGeometry;

namespace {

constexpr int kMinimumSpan = 7;   // cells shown across, at the least
constexpr double kScale = 1.2;    // widget pixels per logical pixel at the preferred size
constexpr double kSmallest = 0.6; // ... and at the smallest

// Grows [low, high] to at least kMinimumSpan cells, one cell of margin, inside the board.
std::pair<int, int> span(int low, int high) {
    low = std::max(low - 1, 1);
    high = std::min(high + 1, kBoardSize);
    while (high - low + 1 < kMinimumSpan) {
        if (low > 1) --low;
        if (high - low + 1 < kMinimumSpan && high < kBoardSize) ++high;
    }
    return {low, high};
}

QRectF shownArea(const std::vector<DemoMove>& moves) {
    int minX = 8, maxX = 8, minY = 8, maxY = 8;
    if (!moves.empty()) {
        minX = maxX = moves.front().at.x;
        minY = maxY = moves.front().at.y;
    }
    for (const DemoMove& m : moves) {
        minX = std::min(minX, m.at.x);
        maxX = std::max(maxX, m.at.x);
        minY = std::min(minY, m.at.y);
        maxY = std::max(maxY, m.at.y);
    }
    auto [left, right] = span(minX, maxX);
    auto [top, bottom] = span(minY, maxY);
    const QPointF half(10.5, 10.0); // half a cell
    return QRectF(G::intersectionPoint(left, top) - half,
                  G::intersectionPoint(right, bottom) + half);
}

} // namespace

DiagramView::DiagramView(std::vector<DemoMove> moves, QWidget* parent)
    : QWidget(parent), moves_(std::move(moves)), area_(shownArea(moves_)) {
    setMinimumSize((QSizeF(area_.width(), shownHeight()) * kSmallest).toSize());
}

// The rows are stretched on the screen so that the cells are square.
double DiagramView::shownHeight() const {
    return area_.height() * G::kRowStretch;
}

QSize DiagramView::sizeHint() const {
    return (QSizeF(area_.width(), shownHeight()) * kScale).toSize();
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    double scale = std::min(width() / area_.width(), height() / shownHeight());
    QSizeF drawn(area_.width() * scale, shownHeight() * scale);
    p.translate((width() - drawn.width()) / 2, (height() - drawn.height()) / 2);
    p.scale(scale, scale * G::kRowStretch);
    p.translate(-area_.topLeft());
    p.setClipRect(area_);
    BoardPainter::drawBoard(p);
    int number = 0;
    for (const DemoMove& m : moves_) {
        BoardPainter::drawStone(p, m.at, m.black);
        BoardPainter::drawMoveNumber(p, m.at, m.black, ++number);
    }
}

} // namespace wuzi
