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

BoardView::BoardView(const Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    // Small enough for a small screen at a large scale; the picture scales to the widget.
    setMinimumSize(static_cast<int>(G::kWidth * 0.75), static_cast<int>(G::kHeight * 0.75));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintMs);
    connect(&hintTimer_, &QTimer::timeout, this, &BoardView::hideHint);
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

std::vector<QRect> BoardView::winningAreas() const {
    std::vector<Cell> five = scene().winningLine;
    if (five.empty()) return {};
    G::Mapping map(size(), margin());
    QRectF stones;
    for (Cell c : five) {
        QPointF centre = map.toWidget(G::intersectionPoint(c));
        QPointF reach(G::kStoneRadius * 1.5 * map.scaleX(), G::kStoneRadius * 1.5 * map.scaleX());
        stones |= QRectF(centre - reach, centre + reach);
    }
    auto onScreen = [this](QRectF r) {
        return QRect(mapToGlobal(r.topLeft().toPoint()), r.size().toSize());
    };
    return {onScreen(map.target()), onScreen(stones)};
}

BoardScene BoardView::scene() const {
    return session_.view().shownScene();
}

std::size_t BoardView::stonesPlaced() const {
    return session_.view().moveCount();
}

void BoardView::showHint(Cell c, bool master) {
    hint_ = c;
    masterHint_ = master;
    hintStones_ = stonesPlaced();
    hintTimer_.start();
    update();
}

void BoardView::setMasterMove(std::optional<Cell> c) {
    if (masterMove_ == c) return;
    masterMove_ = c;
    update();
}

void BoardView::hideHint() {
    hintTimer_.stop();
    hint_.reset();
    update();
    emit hintHidden();
}

std::optional<Cell> BoardView::hintCell() const {
    // A stone placed since, a five on the hinted cell too, ends the hint at once.
    return stonesPlaced() == hintStones_ ? hint_ : std::nullopt;
}

void BoardView::positionChanged() {
    if (hint_ && stonesPlaced() != hintStones_) hideHint();
}

std::optional<Cell> BoardView::previewCell() const {
    if (!hover_ || session_.reviewCursor()) return std::nullopt;
    // The stone shows where a click would place it: the first one on the centre alone.
    if (session_.view().canPlay(*hover_) != PlayResult::Placed) return std::nullopt;
    return hover_;
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    BoardOverlays::drawBoardIn(p, size(), coordinates_);
    BoardScene s = scene();
    paintStones(p, s);
    BoardOverlays::drawWinningLine(p, s.winningLine);
    if (std::optional<Cell> preview = previewCell())
        BoardOverlays::drawPreviewStone(p, *preview, session_.view().match().playerFirst);
    if (masterMove_) BoardOverlays::drawMasterMove(p, *masterMove_);
    if (std::optional<Cell> hint = hintCell()) BoardOverlays::drawHint(p, *hint, masterHint_);
    if (cursor_ && !session_.reviewCursor()) BoardOverlays::drawKeyboardCursor(p, *cursor_);
}

void BoardView::paintStones(QPainter& p, const BoardScene& s) const {
    for (const SceneStone& stone : s.stones)
        BoardPainter::drawStone(p, stone.cell, stone.black);
    if (numbers_) {
        for (const SceneStone& stone : s.stones)
            if (stone.number > 0)
                BoardOverlays::drawMoveNumber(p, stone.cell, stone.number, stone.black,
                                              s.marker == stone.cell);
        if (s.marker) BoardOverlays::drawCornerMarker(p, *s.marker, s.markerOnBlack);
    } else if (s.marker) {
        BoardPainter::drawLastMoveMarker(p, *s.marker, s.markerOnBlack);
    }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    // Only the left button plays; the others do nothing.
    if (event->button() != Qt::LeftButton) return event->ignore();
    cursor_.reset(); // the keyboard cursor is for keyboard play only
    emit pressed(G::Mapping(size(), margin()).cellAt(event->position()));
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    G::Mapping map(size(), margin());
    // Over the picture only: off it every point would snap to an edge cell.
    QRectF picture = map.target().adjusted(-map.scaleX() * 6, -map.scaleY() * 6, map.scaleX() * 6,
                                           map.scaleY() * 6);
    std::optional<Cell> cell;
    if (picture.contains(event->position())) cell = map.cellAt(event->position());
    if (cell != hover_) {
        hover_ = cell;
        update();
    }
}

void BoardView::leaveEvent(QEvent*) {
    hover_.reset();
    update();
}

void BoardView::moveCursor(int dx, int dy) {
    if (!cursor_) {
        // The cursor appears on the last stone, or on the centre of an empty board.
        cursor_ = scene().marker.value_or(kCentre);
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
