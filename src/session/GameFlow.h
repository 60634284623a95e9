#pragma once

#include "playbooks/BookGame.h"

#include <vector>

namespace wuzi {

// The side and opponent checked in the options menu, which NewGame reads; the checked
// difficulty is Difficulty itself.
struct MenuChecks {
    bool playerFirst = true; // 先手 checked (else 后手)
    int opponent = 2;        // Corbie, Quillon, Marrowick, Peddrin, Corvane, Vesk
    friend bool operator==(const MenuChecks&, const MenuChecks&) = default;
};

// Resets the game from the menu checks and opens it; when the computer moves first,
// its centre stone is placed at once.
void NewGame(BookGame& g, const MenuChecks& checks);

// Last digit of the clock's seconds.
int SecondsDigit(Game& g);

// GameMode for the side and opponent checked in the menus.
int ModeFromChecks(const MenuChecks& m);

// Starts a game on a given position instead of an empty board: the stones are placed in
// the order given, with the books switched off, and it is the computer's turn. The
// player moved first when the player has one stone more. Returns false (and changes
// nothing) for a position that no game can reach: counts that do not alternate, a stone
// off the board or on a taken cell. The side checked follows the position. The search
// engine's board holds the same position, but for the last player stone, which it
// receives as the move to answer.
bool SetUpPosition(BookGame& g, MenuChecks& checks, const std::vector<SetUpStone>& stones);

// A game on a position where it is the player's turn, with the side and opponent checked:
// the stones are placed in the order given, the last of them the computer's, with the
// books switched off; the search engine's board holds them all. Returns false (and
// changes nothing) for a position no game of that side can reach with the player to move.
bool SetUpPlayersTurn(BookGame& g, const MenuChecks& checks, const std::vector<SetUpStone>& stones);

// The computer's answer to the last player stone of a set-up position, exactly as in a
// game: the result is tested first, then the turn is handed on.
void AnswerSetUpPosition(BookGame& g, Cell last);

// Handlers of the options menu. They do nothing while the menu is disabled, which it is
// while a game runs.
void OnPlayerFirst(Game& g, MenuChecks& checks);   // 先手
void OnComputerFirst(Game& g, MenuChecks& checks); // 后手
void OnDifficulty(Game& g, int level);
void OnOpponent(Game& g, MenuChecks& checks, int index);

// A board click on cell c: a move only while the game is active and it is the player's
// turn, otherwise nothing.
void OnBoardClick(BookGame& g, Cell c);

} // namespace wuzi
