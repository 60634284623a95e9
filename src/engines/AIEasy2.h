#pragma once

#include "engines/EngineGame.h"

namespace wuzi {

// Blocks the player's lines of three or more with room, stages 1..2.
void CapPlayerLine(EngineGame& g, int stage);
// Guards the player's lines on their cross points, stages 1..5.
void GuardPlayerLine(Game& g, int stage);
// Cross-point test of a cell for the player: a young player line with room through (x, y).
enum class PlayerCellMode {
    Play = 1,   // the computer takes (x, y) when a free cell of that line would also give
                // the player a four in a third line
    Answer = 2, // answers
};
// Returns what it found: in the answering mode whether such a line lies through (x, y),
// in the playing mode whether it played.
bool TestPlayerCell(Game& g, int x, int y, int skip, PlayerCellMode mode);
// Grows the computer's own stones into open space, stages 1..2.
void ExtendOwnLine(Game& g, int stage);
// Answers the player's young lines, stages 1..4.
void GuardBrokenLine(EngineGame& g, int stage);

} // namespace wuzi
