#pragma once

#include "vesk/Board.h"

#include <vector>

// A line of play that a search says ends in five.
namespace vesk {

// Plays `line` from `b` and then, while the line is shorter than `mostPlies`, the moves
// the position forces: five when the side to move has one, the block of a single four,
// an open four, an answer to one (or, with none left, a stone on its cell), appending
// them. The ply of the five when the line's last stone, and no earlier one, makes it; 0
// otherwise. The board is left as it was.
int playOutToFive(Board& b, std::vector<Pos>& line, int mostPlies);

// The same, true when the five comes at ply `plies`.
bool playsOutToFive(Board& b, std::vector<Pos>& line, int plies);

} // namespace vesk
