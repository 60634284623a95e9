#pragma once

#include "BoundsTable.h"
#include "LineGrid.h"

#include <cstdint>
#include <vector>

// The exact shortest forced five of the side to move in the threat game (ThreatMoves),
// by deepening one attacker stone at a time: a win within n stones is proved against
// every defence, and the failure with n - 1 stones proves there is none shorter. What
// is proved, won or failed, is kept by position, so the deepening and the line that
// follows reuse it. A node budget bounds the work; past it, the answers are unknown.
class ShortestWin {
  public:
    enum class Space { kFours, kThreats };
    enum class Answer { kWin, kNoWin, kUnknown };

    ShortestWin(const LineGrid& position, long nodeBudget);

    // A forced five within `stones` attacker stones, the five included.
    Answer winsWithin(Space space, int stones);
    // The shortest win of at least `least` and at most `most` stones, in plies (1, 3,
    // 5, ...); 0 when there is none within `most` (and the caller knows there is none
    // below `least`); -1 when the budget ran out.
    int shortestPlies(Space space, int least, int most);
    // A win in exactly `stones` stones, the shortest: the attacker's stones with the
    // defender's longest-lasting answers, up to and including the five.
    std::vector<int> line(Space space, int stones);

    // A stone of the attacker that wins within `stones` from `position`, a position
    // after the root's (the attacker to move, no five for either side to take or block),
    // or -1 when none is found.
    int winningMoveFrom(const LineGrid& position, Space space, int stones);

    // The budget ran out: some answer since was unknown.
    bool exhausted() const { return exhausted_; }

  private:
    using Bounds = BoundsTable::Bounds;
    static constexpr int kTableBits = 20;

    bool attack(int stones);
    bool defend(int stones);
    bool attackMove(int stones);
    bool answerThree(int stones);
    bool spend();
    std::uint64_t key() const;
    Bounds known() const;
    bool remember(int stones, bool win);
    int exactAttack(int most);
    int winningMove(int stones);
    int longestAnswer(int& stones);

    LineGrid grid_;
    int attacker_;
    bool threes_ = false;
    long budget_;
    long nodes_ = 0;
    bool exhausted_ = false;
    BoundsTable table_;
};
