#pragma once

#include "rules/Game.h"

namespace wuzi {

// True (-1) when (x, y) lies on the period-5 lattice of the current GameMode (8 or 9)
// and LatticeFlip, from the computer's third stone on; False (0) otherwise.
bool OnLattice(const Game& g, int x, int y);

// Answers the player's last stone (x, y) on a free neighbouring lattice cell; at the
// computer's second stone it also chooses the game's lattice (LatticeFlip).
void LatticeReply(Game& g, int x, int y);

} // namespace wuzi
