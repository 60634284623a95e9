#pragma once

#include "core/Game.h"

namespace wuzi {

inline constexpr const char* kHintTitle = "提示";
inline constexpr const char* kComputerWins = "计算机胜!";
inline constexpr const char* kPlayerWins = "玩家胜!";
inline constexpr const char* kDrawText = "此局为和局!";
inline constexpr const char* kCentreFirst = "第一步请走在天元!";

// The player's click at pixel (X, Y) of the board picture: snap, centre rule, place,
// test the result, then hand the turn on.
void PlayerPlace(Game& g, float X, float Y);

// Snaps a click to its cell and keeps the snapped pixel position as the stone's.
struct SnappedClick {
    float X;
    float Y;
    Cell cell;
};
SnappedClick SnapClick(float X, float Y);

// The only way a computer stone reaches the board. A taken or off-board cell is a fault:
// refused, reported, nothing changes. Returns whether the stone was placed.
bool CompPlace(Game& g, int x, int y);

void CheckWin(Game& g, int side, int x, int y);
void CheckDraw(Game& g);

// Ends the game: GameActive False, the options menu enabled again.
void EndGame(Game& g);

// Step 13 of PlayerPlace: passes the player's stone on to the playbook or the move selection.
void HandTurnOn(Game& g, int x, int y);

} // namespace wuzi
