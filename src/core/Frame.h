#pragma once

#include "core/Game.h"

namespace wuzi {

// The computer's turn, answering the player's last stone (x, y).
void CompMove(Game& g, int x, int y);
void CompChoose(Game& g, int x, int y);

// Runs the chain of move routines of the current GameMode: the rule-based chains of
// opponents 0, 1, 2 and 4, or the hand-over to the search engine of opponent 3.
void RunChain(Game& g, int x, int y);
void RunRoutineChain(Game& g, int x, int y);
void RunSearchChain(Game& g, int x, int y);

// The open-four probe: does the player's last stone make an open four?
bool OpenFourProbe(Game& g, int x, int y);

// Last-resort moves: the first free cell in a fixed order around (x, y).
void PlaceNear(Game& g, int x, int y);
void PlaceNearAlt(Game& g, int x, int y);

// Places a computer stone for a move routine: CompPlace, then CompMoved := True.
// A taken or off-board cell is not played (returns false, nothing changes).
bool PlayMove(Game& g, int x, int y);
inline bool PlayMove(Game& g, Cell c) { return PlayMove(g, c.x, c.y); }

} // namespace wuzi
