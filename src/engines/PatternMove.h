#pragma once

#include "core/Game.h"

namespace wuzi {

// The line development test: on the lines through (x, y) (a candidate cell or a
// computer stone), a loose group of two or more computer stones with room around it.
//   mode 1: offers the group's empty cells to PatternMoveAtB, which may play
//   mode 2: plays (x, y)
//   mode 3: plays the group's first empty cell and flags ResultFlags[0]
//   mode 4: plays (x, y) once a group cell would make a live three in another line
//   mode 5: only flags ResultFlags[0]
// Faults inside are skipped step by step, without a message.
void PatternMoveAt(Game& g, int x, int y, int skip, int mode);

// A second group through the offered cell (x, y) whose empty cell would give a four in a
// third line: then (x, y) is played. Only mode 1 acts.
void PatternMoveAtB(Game& g, int x, int y, int skip, int keep, int mode);

} // namespace wuzi
