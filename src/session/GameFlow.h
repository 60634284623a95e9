#pragma once

#include "rules/Game.h"

#include <vector>

namespace wuzi {

// Resets the game from the menu checks and opens it; when the computer moves first,
// its centre stone is placed at once.
void NewGame(Game& g);

// Last digit of the clock's seconds.
int SecondsDigit(Game& g);

// GameMode for the side and opponent checked in the menus.
int ModeFromChecks(const MenuChecks& m);

// One stone of a position to set up: a cell and the side (kComputer or kPlayer).
struct SetUpStone {
    Cell cell;
    int side;
};

// Starts a game on a given position instead of an empty board: the stones are placed in
// the order given, with the books switched off, and it is the computer's turn. The
// player moved first when the player has one stone more. Returns false (and changes
// nothing) for a position that no game can reach: counts that do not alternate, a stone
// off the board or on a taken cell. The search engine's board holds the same position,
// but for the last player stone, which it receives as the move to answer.
bool SetUpPosition(Game& g, const std::vector<SetUpStone>& stones);

// The computer's answer to the last player stone of a set-up position, exactly as in a
// game: the result is tested first, then the turn is handed on.
void AnswerSetUpPosition(Game& g, Cell last);

// Handlers of the menu commands. The option items do nothing while the options menu
// is disabled (during a game).
void OnEndGame(Game& g);
void OnPlayerFirst(Game& g);   // 先手
void OnComputerFirst(Game& g); // 后手
void OnDifficulty(Game& g, int level);
void OnOpponent(Game& g, int index);

// A board click on cell c: a move only while the game is active and it is the player's
// turn, otherwise nothing.
void OnBoardClick(Game& g, Cell c);

} // namespace wuzi
