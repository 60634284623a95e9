#pragma once

#include "rules/Types.h"

#include <array>
#include <cstdint>
#include <vector>

namespace wuzi::fuzz {

// Plain board arithmetic for the harness, written apart from the game's own so the two
// can check each other.
using Board = std::array<std::int16_t, kCellCount>;

// The code on (x, y), or -1 off the board.
int At(const Board& b, int x, int y);
void Put(Board& b, Cell c, int side);
bool Full(const Board& b);

// Does a stone of `side` on c (placed or imagined) stand in five or more in a row?
bool MakesFive(const Board& b, int side, Cell c);

// Does `side` have five or more in a row anywhere?
bool HasFive(const Board& b, int side);

// Empty cells within four steps of c along its four lines where a stone of `side`
// would make five.
std::vector<Cell> FiveCellsAround(const Board& b, int side, Cell c);

} // namespace wuzi::fuzz
