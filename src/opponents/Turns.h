#pragma once

#include "playbooks/BookGame.h"

namespace wuzi {

// The player's stone on cell c: placed and tested (the centre rule first), then the
// turn handed on, unless the game ended.
void PlayerPlace(BookGame& g, Cell c);

// After the player's stone on c has been tested for five: the search opponent's test
// for a full board, then, while the game goes on, the hand-over.
void AfterPlayerStone(BookGame& g, Cell c);

// Passes the player's stone (x, y) on to the opponent's opening book while one is in
// force, else to the move selection.
void HandTurnOn(BookGame& g, int x, int y);

// The computer's turn, answering the player's last stone (x, y).
void CompChoose(BookGame& g, int x, int y);

// Runs the chain of move routines of the current GameMode: the chain of a rule-based
// opponent, or the hand-over to the look-ahead search.
void RunChain(BookGame& g, int x, int y);

} // namespace wuzi
