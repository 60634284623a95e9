#pragma once

#include "rules/Game.h"

namespace wuzi {

// The first free cell in a fixed order around the player's last stone (x, y).
void PlayNextToLastMove(Game& g, int x, int y);

// Split threes (stone, gap, stone, gap, stone, free, free): the computer's own, played
// in the middle gap when a cell beyond would make a live three elsewhere, and the
// player's, broken the same way.
void OwnSplitThree(Game& g);
void PlayerSplitThree(Game& g);

// Own-line attack, stages 1..4, and its four tests: do four stones of a side lie through
// (x, y) with a free cell, in a line other than `skip`?
void HardOwnLine(Game& g, int stage);
bool TestOwnCell(Game& g, int x, int y, int skip);
bool TestPlayerCellHard(Game& g, int x, int y, int skip);

// Hard player-line guard, stages 1..4.
void HardPlayerLine(Game& g, int stage);

} // namespace wuzi
