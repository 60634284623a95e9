#pragma once

#include "engines/PlayerLineScan.h"

namespace wuzi {

// The stage actions shared by the player-line guards (GuardPlayerLine, HardPlayerLine) on
// the candidate cells of one line that passed `test`:
//   1  a cell where a player stone would also make a four in another line
//   2  a cell where a player stone would make a live three in another line, first among
//      the cells that also help the computer (by Difficulty)
//   3  the four-block of PlayerFourAt
//   4  TestPlayerCell in its placing mode
//   5  a cell where a player stone would start a line with room in another direction
void GuardStage(Game& g, int stage, const LineScan& s, LineTest test, const CellOrder& cells);

} // namespace wuzi
