#pragma once

#include "core/Game.h"

namespace wuzi {

// Blocks the player's lines of three or more with room, stages 1..2.
void CapPlayerLine(Game& g, int stage);
// Guards the player's lines on their cross points, stages 1..5.
void GuardPlayerLine(Game& g, int stage);
// Cross-point test of a cell for the player: mode 1 places at (x, y), mode 2 flags
// ResultFlags[0].
void TestPlayerCell(Game& g, int x, int y, int skip, int mode);
// Grows the computer's own stones into open space, stages 1..2.
void ExtendOwnLine(Game& g, int stage);
// Answers the player's young lines, stages 1..4.
void GuardBrokenLine(Game& g, int stage);

} // namespace wuzi
