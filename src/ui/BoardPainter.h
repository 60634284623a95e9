#pragma once

#include "rules/Types.h"

#include <QColor>
#include <QPainter>
#include <vector>

namespace wuzi {

// Draws a wooden board, shaded stones and markers in logical board pixels (the caller
// sets the painter's transform, rows stretched by BoardGeometry::kRowStretch). Shared by the game
// board and the lesson boards.
namespace BoardPainter {

// A circle on the screen: the painter's rows are stretched, so it is drawn flatter.
void drawRound(QPainter& p, QPointF centre, double radius);
// A square on the screen, likewise.
void drawSquare(QPainter& p, QPointF centre, double side);

void drawBoard(QPainter& p);
void drawStone(QPainter& p, Cell c, bool black);
void drawLastMoveMarker(QPainter& p, Cell c, bool onBlackStone);
// The move number written on a stone of a diagram.
void drawMoveNumber(QPainter& p, Cell c, bool onBlackStone, int number);

} // namespace BoardPainter
} // namespace wuzi
