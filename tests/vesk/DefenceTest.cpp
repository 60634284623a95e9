// The answers to an open three, read from the pattern tables, against the definition:
// every stone after which the attacker has no cell left for five or an open four.
#include "vesk/Defence.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace vesk::test {
namespace {

std::set<Pos> trialDefences(Board& b) {
    Color attacker = opposite(b.sideToMove());
    std::set<Pos> defences;
    for (Pos p : Board::cells()) {
        if (!b.isEmpty(p)) continue;
        TrialStone stone(b, p);
        if (!b.hasFivePoint(attacker) && !b.hasFlex4Point(attacker)) defences.insert(p);
    }
    return defences;
}

// Random games near the centre, stopped where the side to move faces an open three (or a
// double-four point) and neither side has a five to make.
TEST(Defences, FromTheTablesAreTheStonesThatStopEveryThreat) {
    std::mt19937 random(11);
    int positions = 0;
    for (int game = 0; positions < 300 && game < 3000; ++game) {
        Board b;
        while (b.moveCount() < 60) {
            Pos p = toPos(3 + random() % 9, 3 + random() % 9);
            if (!b.isEmpty(p)) continue;
            b.play(p);
            Color me = b.sideToMove();
            if (b.hasFivePoint(me) || b.hasFivePoint(opposite(me))) break;
            if (!b.hasFlex4Point(opposite(me))) continue;
            MoveList fromTables;
            addDefences(b, fromTables);
            std::set<Pos> read(fromTables.begin(), fromTables.end());
            EXPECT_EQ(read.size(), static_cast<std::size_t>(fromTables.size())) << "no repeats";
            ASSERT_EQ(read, trialDefences(b)) << "after " << b.moveCount() << " stones";
            ++positions;
            break;
        }
    }
    EXPECT_EQ(positions, 300);
}

} // namespace
} // namespace vesk::test
