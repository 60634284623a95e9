#pragma once

#include "rules/GameRecord.h"
#include "session/PositionAnalyst.h"
#include "session/Review.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace wuzi {

// What the analysis found in a game of n moves.
struct GameAnalysis {
    std::vector<PositionVerdict> positions; // before every move, and after the last: n + 1
    // The position after each move judged as deeply as the one before it, where that is
    // wanted (see NeedsJudging); else none, and the position's own verdict serves.
    std::vector<std::optional<PositionVerdict>> judged;
};

// Whether the move needs the position after it judged at the depth of the one before.
// Vesk's own choice does not: the search before it already gave its value. Nor does a
// move from a decided position, whose chances are certain.
bool NeedsJudging(const PositionVerdict& before, Cell played);

// Whether move `index` (0-based) of the record is the only move that keeps the mover's
// won position; asked only of moves that could be 妙手.
using SoleWinningMove = std::function<bool(std::size_t index)>;

// The review of a game from what the analysis found. What a proof settled is carried along
// the moves played: the first stone of a proven win leaves the other side lost, and a move
// into a position proven lost for the other side was played from a won one. A search's
// verdict is never carried: a move's marks rest on its own positions and on proofs.
Review AssembleReview(const GameRecord& record, GameAnalysis analysis,
                      const SoleWinningMove& soleWinningMove);

} // namespace wuzi
