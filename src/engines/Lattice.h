#pragma once

#include "engines/EngineGame.h"

namespace wuzi {

// True (-1) when (x, y) lies on the period-5 lattice of the current GameMode (8 or 9)
// and LatticeFlip, from the computer's third stone on; False (0) otherwise.
bool OnLattice(const EngineGame& g, int x, int y);

// Answers the player's last stone (x, y) on a free neighbouring lattice cell; at the
// computer's second stone it also chooses the game's lattice (LatticeFlip).
void LatticeReply(EngineGame& g, int x, int y);

} // namespace wuzi
