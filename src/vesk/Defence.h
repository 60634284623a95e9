#pragma once

#include "vesk/Board.h"

#include <vector>

// Where threats are, and the stones that answer them.
namespace vesk {

// The first cell, in board order, where colour c would make a pattern4 of at least
// `least`; kNoPos when there is none.
Pos findPoint(const Board& b, Color c, Pattern4 least);

// How many cells would give colour c five.
int countFivePoints(const Board& b, Color c);

// The cell where colour c would make five on a line through p, kNoPos when none: after a
// four, the one reply.
Pos fivePointAround(const Board& b, Pos p, Color c);

// The stones of the side to move that leave the other side with no cell for five, an
// open four or two fours (the answers to an open three or a double-four point), each
// tried on the board. Appended to `out`.
void addDefences(Board& b, std::vector<Pos>& out);

// Every cell where colour c makes a four (and not five nor an open four), appended.
void addFours(const Board& b, Color c, std::vector<Pos>& out);

} // namespace vesk
