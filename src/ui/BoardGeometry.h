#pragma once

#include "rules/Types.h"

namespace wuzi {

// The board picture's logical pixel grid: columns 21 pixels apart, rows 20 apart.
// Every drawing and every click goes through these numbers, whatever the window size.
namespace BoardGeometry {

inline constexpr double kWidth = 321;
inline constexpr double kHeight = 304;
inline constexpr double kStoneRadius = 9.2;
inline constexpr int kColumnPitch = 21;
inline constexpr int kRowPitch = 20;
// On the screen the rows are stretched to the columns' pitch, so that the cells are
// square; clicks are mapped back through the same stretch onto this grid.
inline constexpr double kRowStretch = static_cast<double>(kColumnPitch) / kRowPitch;

struct Point {
    double x;
    double y;
};

// Centre of the intersection of cell c on the logical picture.
constexpr Point intersection(Cell c) {
    return {kColumnPitch * (c.x - 1) + 13.5, kRowPitch * (c.y - 1) + 12.0};
}

// The cell that a click at logical pixel (x, y) plays: the click is clamped to the
// picture and snapped to its nearest grid line, which is rounded to a cell (halves to
// even). Every pixel, on the picture or off it, snaps to a cell of the board.
Cell cellAt(float x, float y);

} // namespace BoardGeometry
} // namespace wuzi
