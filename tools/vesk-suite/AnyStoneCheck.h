#pragma once

#include "BoundsTable.h"
#include "LineGrid.h"

#include <cstdint>
#include <vector>

// The exact shortest forced five when the attacker may play any stone, not only fours and
// threes: after a quiet stone the defender may play anywhere, and the attacker must still
// win against every reply. The searches of the threat game (ExhaustiveCheck, ShortestWin)
// never try such a stone, so a win of theirs may not be the shortest; this check says
// whether a shorter one exists.
//
// Every stone and every reply is tried, except where a proof below says the outcome
// is already known (AnyStoneCheck.cpp):
//   - a win within 3 stones is always one of fours and threes;
//   - a stone of the defender never helps the attacker, so a quiet stone after which
//     the attacker, moving again, has no win in the stones left, loses;
//   - after a three, a reply that leaves a double five standing loses to it at once,
//     unless it makes a four of the defender's.
class AnyStoneCheck {
  public:
    // LineGrid cells, black first; the side to move attacks.
    explicit AnyStoneCheck(const std::vector<int>& stones);

    // Whether the attacker forces five within `stones` of its stones, the five included.
    bool winsWithin(int stones);
    // The fewest stones that force five, at most `most`; 0 when none does.
    int shortest(int most);

  private:
    using Bounds = BoundsTable::Bounds;
    static constexpr int kTableBits = 16;
    // An empty cell where the attacker's stone would leave two or more cells of five.
    struct DoubleFive {
        int cell;
        int fives[4];
        int count;
    };

    bool attack(int stones);
    bool attackMoves(int stones);
    bool defend(int stones);
    bool answerThree(int stones);
    bool answerQuiet(int stones);
    bool refutes(int reply, int stones);
    bool winsInThree();
    bool twoAfterBlock(int four);
    bool blockLeavesTwoFives();
    bool unstoppable(const std::vector<DoubleFive>& threats);

    int fiveCellOf(int side) const;
    bool hasDoubleFive(int side) const;
    bool leavesDoubleFive(int cell) const;
    int fivesWith(int g, int cell) const;
    int fiveCellThrough(int cell) const;
    std::vector<DoubleFive> doubleFives() const;
    std::vector<DoubleFive> doubleFivesThrough(int cell) const;
    static std::vector<int> stoppers(const std::vector<DoubleFive>& threats);
    std::vector<int> replies() const;

    std::uint64_t key(bool attackerToMove) const;
    Bounds known(bool attackerToMove) const;
    bool remember(bool attackerToMove, int stones, bool win);

    LineGrid grid_;
    int attacker_;
    int defender_;
    BoundsTable table_;
    // Replies that refuted a quiet stone lately, tried first against the next.
    std::vector<int> killers_;
};
