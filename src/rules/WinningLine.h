#pragma once

#include "rules/Types.h"

#include <array>
#include <cstdint>
#include <vector>

namespace wuzi {

// The stones that make five or more in a row through the stone on `last`, on any board
// whose non-zero codes name the owner of a stone (sides or colours). Every winning line
// through the stone is included, each run whole (an overline too); empty when the stone
// makes no five, or when `last` is empty or off the board.
std::vector<Cell> WinningLine(const std::array<std::int16_t, kCellCount>& board, Cell last);

} // namespace wuzi
