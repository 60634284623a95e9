#pragma once

#include "vesk/Board.h"
#include "vesk/MoveList.h"

// Where threats are, and the stones that answer them.
namespace vesk {

// The first cell, in board order, where colour c would make a pattern4 of at least
// `least` (kFlex3One and up); kNoPos when there is none.
Pos findPoint(const Board& b, Color c, Pattern4 least);

// How many cells would give colour c five.
int countFivePoints(const Board& b, Color c);

// The cell where colour c would make five on a line through p, kNoPos when none: after a
// four, the one reply.
Pos fivePointAround(const Board& b, Pos p, Color c);

// The stones of the side to move that leave the other side, which has no five to make,
// with no cell for five, an open four or two fours: the answers to an open three or a
// double-four point. Read from the pattern tables, in the order the threats' lines meet
// them; appended to `out`.
void addDefences(const Board& b, MoveList& out);

// Every cell where colour c makes a four (and not five nor an open four), appended.
void addFours(const Board& b, Color c, MoveList& out);

} // namespace vesk
