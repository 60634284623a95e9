#pragma once

#include "engines/EngineGame.h"

namespace wuzi {

// Own-line engine stages 1..8: lines through the computer's stones with three or more
// stones and exactly two empty cells, whose cells are offered to the point tests.
void EngineLineMove(Game& g, int stage);
// A developing move next to or inside a group of the computer's own stones.
void EngineProbePatterns(Game& g);
// Group extension, stages 1..3.
void EnginePatternMove(Game& g, int stage);
// Blocks the player's live threes, stages 1..2.
void EngineSpanMove(EngineGame& g, int stage);

} // namespace wuzi
