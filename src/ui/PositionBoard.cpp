#include "ui/PositionBoard.h"

#include "ui/BoardMapping.h"
#include "ui/BoardOverlays.h"
#include "ui/BoardPainter.h"

#include <QBoxLayout>
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
    for (const SceneStone& stone : scene_.stones)
        BoardPainter::drawStone(p, stone.cell, stone.black);
    if (scene_.marker) BoardPainter::drawLastMoveMarker(p, *scene_.marker, scene_.markerOnBlack);
    BoardOverlays::drawWinningLine(p, scene_.winningLine);
    if (hint_) BoardOverlays::drawHint(p, *hint_, false);
}

void LayOutBesideTheBoard(QWidget* window, PositionBoard* board,
                          std::initializer_list<QWidget*> controls, QWidget* closing) {
    auto* side = new QVBoxLayout;
    for (QWidget* control : controls)
        side->addWidget(control);
    side->addStretch(1);
    side->addWidget(closing);
    auto* layout = new QHBoxLayout(window);
    layout->addWidget(board, 1);
    layout->addLayout(side);
}

void PositionBoard::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return event->ignore();
    emit pressed(G::Mapping(size()).cellAt(event->position()));
}

} // namespace wuzi
