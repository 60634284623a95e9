#pragma once

#include "BoardScan.h"
#include "ByteStream.h"
#include "playbooks/BookGame.h"

namespace wuzi::fuzz {

// How the fuzzing player picks the cells it clicks. Random clicks alone end nearly every
// game within a few moves, so most clicks come from a player that blocks the computer's
// fours and open threes: its games run long, and some fill the whole board. It takes a
// five of its own with the given chance in percent, and otherwise never makes one. With
// nothing to block it plays near the stones, or where the hint (提示) points.
Cell DefendingCell(const BookGame& g, ByteStream& in, int takesItsWin, bool followsHint = false);

// Any empty cell, or (0, 0) on a full board.
Cell AnyEmptyCell(const Game& g, ByteStream& in);

// Any taken cell, or (0, 0) on an empty board.
Cell AnyTakenCell(const Game& g, ByteStream& in);

} // namespace wuzi::fuzz
