#pragma once

#include "LineGrid.h"

#include <vector>

// The moves of the threat game on a LineGrid: the attacker plays only fours, or fours
// and threes; the defender answers a four on its cell of five and a three on any cell
// that matters.
//
// A three, in this game, is any stone after which some empty cell would give its side
// two cells of five at once (an open four or two fours): the defender cannot leave it.
namespace threat {

// An empty cell where a stone of the side would leave two (or more) cells of five.
struct DoubleFive {
    int cell;
    int fives[4];
    int count;
};

std::vector<DoubleFive> doubleFives(const LineGrid& grid, int side);
bool hasDoubleFive(const LineGrid& grid, int side);

// The fours of `side`, then (with `threes`) its threes, on a board where neither side
// has a cell of five.
std::vector<int> attacks(const LineGrid& grid, int side, bool threes);

// The defender's answers that matter against the attacker's double fives: the cells
// after which none is left, then the defender's own fours. Any other stone loses at
// once: the attacker plays a double five that is still there, and the defender, with no
// four of its own, blocks one cell of five and not the other.
std::vector<int> defences(const LineGrid& grid, int attacker);

} // namespace threat
