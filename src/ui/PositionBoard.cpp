#include "ui/PositionBoard.h"

#include "ui/BoardOverlays.h"
#include "ui/BoardPainter.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace wuzi {

namespace G = BoardGeometry;

namespace {

// The picture with the coordinates' margin, in logical pixels.
constexpr double kFramedWidth = G::kWidth + 2 * BoardOverlays::kCoordinateMargin;
constexpr double kFramedHeight =
    (G::kHeight + 2 * BoardOverlays::kCoordinateMargin) * G::kRowStretch;

G::Mapping mappingOf(QSize size) {
    return G::Mapping(size, BoardOverlays::kCoordinateMargin);
}

} // namespace

PositionBoard::PositionBoard(QWidget* parent) : QWidget(parent) {
    setObjectName("positionBoard");
    setMinimumSize(static_cast<int>(kFramedWidth * 0.75), static_cast<int>(kFramedHeight * 0.75));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize PositionBoard::sizeHint() const {
    return {static_cast<int>(kFramedWidth * 1.6), static_cast<int>(kFramedHeight * 1.6)};
}

int PositionBoard::heightForWidth(int width) const {
    return static_cast<int>(width * kFramedHeight / kFramedWidth);
}

void PositionBoard::setScene(const BoardScene& scene) {
    scene_ = scene;
    update();
}

void PositionBoard::setHint(std::optional<Cell> cell) {
    hint_ = cell;
    update();
}

void PositionBoard::setPosition(const HandPosition& position) {
    BoardScene scene;
    for (auto [stones, black] : {std::pair{&position.black, true}, {&position.white, false}})
        for (Cell c : *stones)
            scene.stones.push_back({c, black, 0});
    setScene(scene);
}

QPoint PositionBoard::pointOf(Cell c) const {
    return mappingOf(size()).toWidget(G::intersectionPoint(c)).toPoint();
}

void PositionBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    BoardOverlays::drawBoardIn(p, size(), true);
    for (const SceneStone& stone : scene_.stones)
        BoardPainter::drawStone(p, stone.cell, stone.black);
    if (scene_.marker) BoardPainter::drawLastMoveMarker(p, *scene_.marker, scene_.markerOnBlack);
    BoardOverlays::drawWinningLine(p, scene_.winningLine);
    if (hint_) BoardOverlays::drawHint(p, *hint_, false);
}

void PositionBoard::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return event->ignore();
    emit pressed(mappingOf(size()).cellAt(event->position()));
}

void LayOutBesideTheBoard(QWidget* window, PositionBoard* board,
                          std::initializer_list<QWidget*> controls, QWidget* closing,
                          QLabel* underBoard) {
    auto* side = new QVBoxLayout;
    for (QWidget* control : controls)
        side->addWidget(control);
    side->addStretch(1);
    side->addWidget(closing);
    auto* left = new QVBoxLayout;
    left->addWidget(board, 1);
    if (underBoard) {
        underBoard->setAlignment(Qt::AlignCenter);
        left->addWidget(underBoard);
    }
    auto* layout = new QHBoxLayout(window);
    layout->addLayout(left, 1);
    layout->addLayout(side);
}

QLabel* MessageLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

} // namespace wuzi
