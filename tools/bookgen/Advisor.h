#pragma once

#include "Board.h"
#include "ThreatSolver.h"

#include <vector>

// Chooses moves in book positions: the threat search first (win by force, stop the
// opponent's forced win), then the static judgement with a two-ply look-ahead.
namespace bookgen {

class Advisor {
  public:
    explicit Advisor(ThreatSolver& solver) : solver_(solver) {}

    // Moves for `me`, moving now, best first.
    std::vector<int> replies(Board& b, Stone me);

    // The moves of `me`, moving now, that a book must know, most important first:
    // the defences against the opponent's forced win, `me`'s own attacking moves, then
    // the positional best. Moves that make a four are left out: the book's forced-move
    // step answers those before any tree node.
    std::vector<int> stones(Board& b, Stone me, int count);

    // After `me` plays `move`, the opponent has no forced win.
    bool leavesNoWin(Board& b, int move, Stone me);

  private:
    std::vector<int> defences(Board& b, Stone me, const std::vector<int>& order, bool foursOnly);
    std::vector<int> byLookahead(Board& b, Stone me, const std::vector<int>& order);

    ThreatSolver& solver_;
};

} // namespace bookgen
