#pragma once

#include "rules/Game.h"

namespace wuzi {

inline constexpr const char* kHintTitle = "提示";
inline constexpr const char* kComputerWins = "计算机胜!";
inline constexpr const char* kPlayerWins = "玩家胜!";
inline constexpr const char* kDrawText = "此局为和局!";
inline constexpr const char* kCentreFirst = "第一步请走在天元!";

// The player's stone on cell c: the centre rule, an occupied cell ignored, the stone and
// its marker placed, the result tested. Returns whether the stone was placed; handing
// the turn on is the opponent's business.
bool PlacePlayerStone(Game& g, Cell c);

// The only way a computer stone reaches the board. A taken or off-board cell is a fault:
// refused, reported, nothing changes. Returns whether the stone was placed.
bool CompPlace(Game& g, int x, int y);

// Places a computer stone for a move routine: CompPlace, then CompMoved := True.
// A taken or off-board cell is not played (returns false, nothing changes).
bool PlayMove(Game& g, int x, int y);
inline bool PlayMove(Game& g, Cell c) {
    return PlayMove(g, c.x, c.y);
}

void CheckWin(Game& g, int side, int x, int y);
void CheckDraw(Game& g);

// Ends the game: GameActive False, and with it the options menu is open again.
void EndGame(Game& g);

} // namespace wuzi
