#pragma once

#include "rules/Types.h"
#include "ui/BoardMapping.h"

#include <QPainter>
#include <vector>

namespace wuzi {

// What the game board draws over the stones for the player's aids, in logical board
// pixels like BoardPainter: move numbers, coordinates, the winning line, the hint and
// the keyboard cursor.
namespace BoardOverlays {

// Logical pixels that the coordinates need around the board picture.
inline constexpr double kCoordinateMargin = 12;

// The wooden board on its dark surround, as large as a widget of `size` holds it, with
// the coordinates in a margin around it when `coordinates`. The painter is left in logical
// board pixels for what goes over the board; the mapping is that of the widget's clicks.
BoardGeometry::Mapping drawBoardIn(QPainter& p, QSizeF size, bool coordinates);

// Column letters A..O along the top and bottom; row numbers along the sides, 15 at the
// top and 1 at the bottom as gomoku diagrams are read.
void drawCoordinates(QPainter& p);
QString columnLabel(int x);
QString rowLabel(int y);

void drawMoveNumber(QPainter& p, Cell c, int number, bool onBlackStone, bool last);
// The last-move marker, drawn aside in the stone's corner so the number stays legible.
void drawCornerMarker(QPainter& p, Cell c, bool onBlackStone);
void drawWinningLine(QPainter& p, const std::vector<Cell>& line);
// A hint: green for the opponent's own choice, gold for the master's.
void drawHint(QPainter& p, Cell c, bool master);
// Vesk's best move in the position shown: a dashed violet ring.
void drawMasterMove(QPainter& p, Cell c);
// The player's stone, translucent, where the mouse would place it.
void drawPreviewStone(QPainter& p, Cell c, bool black);
void drawKeyboardCursor(QPainter& p, Cell c);

} // namespace BoardOverlays
} // namespace wuzi
