#pragma once

#include "Board.h"

#include <vector>

// Static judgement of quiet positions, for the moves the threat search leaves open.
namespace bookgen {

// What a stone of `s` on the empty cell i is worth: the shapes it makes on its four
// lines, with a bonus for two threats at once.
int cellWorth(const Board& b, int i, Stone s);

// How good a move on i is for `s`: its own worth plus most of what it takes from the
// opponent there.
int moveWorth(const Board& b, int i, Stone s);

// The position for `me`, `toMove` moving next: every open cell's worth for me less its
// worth for the opponent, plus the initiative of the side to move.
int evaluate(const Board& b, Stone me, Stone toMove);

// The empty cells near any stone (or the centre on an empty board), best moves for `s`
// first by moveWorth; ties by board order.
std::vector<int> candidates(const Board& b, Stone s);

} // namespace bookgen
