#pragma once

#include "core/Game.h"

namespace wuzi {

// The line-scan point tests: what would a stone on cell (x, y) make? Each scans the
// lines through the cell in directions 1..4, leaving out the direction `skip` (0 or 5
// skips nothing), and by its mode either places the computer's stone (CompPlace, then
// CompMoved := True) or raises a flag in ResultFlags; the tests never clear a flag.
// Every test does nothing when x or y is 0.

// Four by one gap for the computer. Mode 1 plays the cell; mode 2 flags ResultFlags[0]
// unless the four lies in direction keepDir; mode 3 flags ResultFlags[0].
void ComputerFourAt(Game& g, int x, int y, int skip, int keepDir, int mode);
// Open four for the player. Mode 1 flags ResultFlags[1].
void PlayerOpenFourAt(Game& g, int x, int y, int skip, int mode);
// Four of the player with at least one open end. Mode 1 flags ResultFlags[1]; mode 2
// blocks it (see the block rule in the implementation).
void PlayerFourAt(Game& g, int x, int y, int skip, int mode);
// Live three for the computer. Mode 1 flags ResultFlags[0]; mode 3 plays the cell.
void ComputerThreeAt(Game& g, int x, int y, int skip, int mode);
// Live three for the player. Mode 1 plays the cell; mode 2 flags ResultFlags[0] and sets
// CompMoved without placing; mode 3 flags ResultFlags[0].
void PlayerThreeAt(Game& g, int x, int y, int skip, int mode);
// Which of two board regions holds more player stones; always writes ResultFlags[0].
void ComparePlayerRegions(Game& g, int a, int b, int c, int d, int kind, int report);
// A computer line of three or more with exactly two empty cells whose first empty cell
// would also make a live three in another line. Only mode 1 acts: it plays (x, y).
void ThreatReplyAt(Game& g, int x, int y, int skip, int mode);

} // namespace wuzi
