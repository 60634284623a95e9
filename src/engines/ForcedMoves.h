#pragma once

#include "rules/Game.h"

namespace wuzi {

// Moves that must be played before any evaluation. Each places at most one computer
// stone (CompPlace, then CompMoved := True) and otherwise changes nothing.

// Completes the computer's own five, through its newest stone first.
void CompFive(Game& g);
// Blocks the player's five, through the player's newest stone first.
void BlockFive(Game& g);
// Makes a four out of a computer three with room on both sides.
void CompFour(Game& g);
// Plays the middle gap of stone, gap, stone, gap, stone, gap, stone: two fours at once.
void CompDoubleFour(Game& g);
// Blocks the player's double-four shape through the player's last stone (x, y).
void BlockDoubleFour(Game& g, int x, int y);

} // namespace wuzi
