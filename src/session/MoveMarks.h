#pragma once

#include <optional>
#include <string_view>

namespace wuzi {

// The marks a reviewed move can earn; most moves earn none.
enum class MoveMark {
    None,
    Brilliant, // 妙手: the only move that keeps a won position
    Dubious,   // 疑问手: the mover's chance drops by kDubiousLoss to kMistakeLoss points
    Mistake,   // 失误: it drops by more than kMistakeLoss
    Losing,    // 败着: a position that was not lost, nor seen lost, is proven lost
    MissedWin, // 错失胜机: a forced win by fours, or by fours and threes, was not played
};

// Thresholds on the mover's loss of winning chance, in points of 0–100. Vesk at 高级
// playing itself, each position reviewed for half a second, lost more than 20 points in
// a move rarely enough that 失误 stays almost unseen (tools/review-calibrate measures it).
inline constexpr double kDubiousLoss = 10.0;
inline constexpr double kMistakeLoss = 20.0;

// What the analysis proved of a position for one side.
enum class Proven { Open, Won, Lost };

// One move as the review saw it, all from the mover's side.
struct MoveFacts {
    double chanceBefore = 50; // the mover's chance to win before the move, 0–100
    double chanceAfter = 50;  // and after it
    Proven before = Proven::Open;
    Proven after = Proven::Open;
    bool wonLastTurn = false;     // the mover's previous position was already won
    bool threatWinBefore = false; // a forced win by fours or by fours and threes was there
    // No other move keeps the win (only asked of a move that starts a kept win).
    bool soleWinningMove = false;
    // The search saw the mover lose by force before the move, though nothing proved it:
    // a proof of the loss after the move then shows no new fault.
    bool lossForeseen = false;
};

// The mark a move earns. When several apply, the one that teaches most wins: a missed
// forced win, then a move into a lost position, then the size of the drop.
MoveMark MarkMove(const MoveFacts& move);

// Whether the move could be 妙手, so that the costly check of the other moves is worth it.
bool MayBeBrilliant(const MoveFacts& move);

// 妙手, 疑问手, …; empty for None.
std::string_view MarkName(MoveMark mark);
// A short ASCII word for files and JSON ("brilliant", "dubious", …; "none").
std::string_view MarkKey(MoveMark mark);
std::optional<MoveMark> MarkFromKey(std::string_view key);

} // namespace wuzi
