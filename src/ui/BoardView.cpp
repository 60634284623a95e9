#include "ui/BoardView.h"

#include "ui/BoardMapping.h"
#include "ui/BoardOverlays.h"
#include "ui/BoardPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace wuzi {

namespace G = BoardGeometry;

namespace {

// The hint blinks: four quarter-second phases, shown on the even ones.
constexpr int kHintPhaseMs = 250;
constexpr int kHintPhases = 4;

} // namespace

BoardView::BoardView(const Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    // Small enough for a small screen at a large scale; the picture scales to the widget.
    setMinimumSize(static_cast<int>(G::kWidth * 0.75), static_cast<int>(G::kHeight * 0.75));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
    hintTimer_.setInterval(kHintPhaseMs);
    connect(&hintTimer_, &QTimer::timeout, this, &BoardView::flashTick);
}

QSize BoardView::sizeHint() const {
    return {static_cast<int>(G::kWidth * 2), static_cast<int>(G::kHeight * G::kRowStretch * 2)};
}

int BoardView::heightForWidth(int width) const {
    return static_cast<int>(width * G::kHeight * G::kRowStretch / G::kWidth);
}

void BoardView::setShowNumbers(bool on) {
    numbers_ = on;
    update();
}

void BoardView::setShowCoordinates(bool on) {
    coordinates_ = on;
    update();
}

double BoardView::margin() const {
    return coordinates_ ? BoardOverlays::kCoordinateMargin : 0;
}

QPoint BoardView::pointOf(Cell c) const {
    return G::Mapping(size(), margin()).toWidget(G::intersectionPoint(c)).toPoint();
}

BoardScene BoardView::scene() const {
    const ReviewCursor* review = session_.reviewCursor();
    return review ? SceneOf(review->record(), review->position()) : SceneOf(session_.game());
}

void BoardView::flashHint(Cell c) {
    hint_ = c;
    hintShown_ = true;
    hintTicks_ = 0;
    hintTimer_.start();
    update();
}

void BoardView::flashTick() {
    if (++hintTicks_ >= kHintPhases) {
        hintTimer_.stop();
        hint_.reset();
    }
    hintShown_ = hintTicks_ % 2 == 0;
    update();
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0x6B, 0x4A, 0x2B));
    G::Mapping map(size(), margin());
    p.translate(map.target().topLeft());
    p.scale(map.scaleX(), map.scaleY());
    BoardPainter::drawBoard(p);
    if (coordinates_) BoardOverlays::drawCoordinates(p);
    BoardScene s = scene();
    paintStones(p, s);
    BoardOverlays::drawWinningLine(p, s.winningLine);
    if (hint_ && hintShown_) BoardOverlays::drawHint(p, *hint_);
    if (cursor_ && !session_.reviewCursor()) BoardOverlays::drawKeyboardCursor(p, *cursor_);
}

void BoardView::paintStones(QPainter& p, const BoardScene& s) const {
    for (const SceneStone& stone : s.stones)
        BoardPainter::drawStone(p, stone.cell, stone.black);
    if (numbers_) {
        for (const SceneStone& stone : s.stones)
            BoardOverlays::drawMoveNumber(p, stone.cell, stone.number, stone.black,
                                          s.marker == stone.cell);
        if (s.marker) BoardOverlays::drawCornerMarker(p, *s.marker, s.markerOnBlack);
    } else if (s.marker) {
        BoardPainter::drawLastMoveMarker(p, *s.marker, s.markerOnBlack);
    }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    cursor_.reset(); // the keyboard cursor is for keyboard play only
    emit pressed(G::Mapping(size(), margin()).cellAt(event->position()));
}

void BoardView::moveCursor(int dx, int dy) {
    if (!cursor_) {
        // The cursor appears on the last stone, or on the centre of an empty board.
        cursor_ = scene().marker.value_or(Cell{8, 8});
    } else {
        cursor_->x = std::clamp(cursor_->x + dx, 1, kBoardSize);
        cursor_->y = std::clamp(cursor_->y + dy, 1, kBoardSize);
    }
    update();
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    if (session_.reviewCursor()) return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Left:
        return moveCursor(-1, 0);
    case Qt::Key_Right:
        return moveCursor(1, 0);
    case Qt::Key_Up:
        return moveCursor(0, -1);
    case Qt::Key_Down:
        return moveCursor(0, 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // The same path as a click on the cell; the rules apply.
        if (cursor_) emit pressed(*cursor_);
        return;
    default:
        return QWidget::keyPressEvent(event);
    }
}

} // namespace wuzi
