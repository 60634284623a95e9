#include "engines/Lattice.h"
#include "support/RoutineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

TEST(OnLattice, FollowsTheModeAndTheFlip) {
    struct Case {
        int mode;
        bool flip;
        int compMoveNo;
        Cell cell;
        bool expected;
    };
    const Case cases[] = {
        {8, true, 5, {3, 4}, true},   // 2*4 - 3 = 5
        {8, false, 5, {3, 4}, true},  // 2*3 - 4 - 2 = 0
        {8, true, 5, {5, 4}, false},  // 8 - 5 = 3
        {8, false, 5, {5, 4}, false}, // 10 - 4 - 2 = 4
        {9, true, 5, {1, 2}, true},   // 4 - 1 - 3 = 0
        {9, true, 5, {3, 4}, false},  // 8 - 3 - 3 = 2
        {9, false, 5, {4, 5}, true},  // 8 - 5 - 3 = 0
        {8, true, 2, {3, 4}, false},  // the computer has at most one stone
        {8, true, 3, {3, 4}, true},
    };
    for (const auto& c : cases) {
        TestGame t;
        t.g.GameMode = c.mode;
        t.g.LatticeFlip = c.flip;
        t.g.CompMoveNo = c.compMoveNo;
        EXPECT_EQ(OnLattice(t.g, c.cell.x, c.cell.y), c.expected)
            << "mode " << c.mode << " flip " << c.flip << " cell " << c.cell;
    }
    for (int mode = 0; mode <= 7; ++mode) {
        TestGame t;
        t.g.GameMode = mode;
        t.g.CompMoveNo = 9;
        for (int y = 1; y <= 15; ++y)
            for (int x = 1; x <= 15; ++x)
                EXPECT_FALSE(OnLattice(t.g, x, y));
    }
}

TEST(OnLattice, EveryRunOfFiveHoldsExactlyOneLatticeCell) {
    for (int mode : {8, 9}) {
        for (bool flip : {true, false}) {
            TestGame t;
            t.g.GameMode = mode;
            t.g.LatticeFlip = flip;
            t.g.CompMoveNo = 3;
            for (const Direction& d : kDirections) {
                for (int y = 1; y <= 15; ++y) {
                    for (int x = 1; x <= 15; ++x) {
                        if (!onBoard(x + 4 * d.dx, y + 4 * d.dy)) continue;
                        int count = 0;
                        for (int i = 0; i < 5; ++i)
                            if (OnLattice(t.g, x + i * d.dx, y + i * d.dy)) ++count;
                        EXPECT_EQ(count, 1) << "mode " << mode << " flip " << flip << " direction "
                                            << d.number << " from " << Cell{x, y};
                    }
                }
            }
        }
    }
}

struct ReplyCase {
    const char* name;
    int mode;
    int compMoveNo; // as the game stands before the reply
    bool flipBefore;
    std::vector<std::string> picture; // the player's stone is '*', drawn at (7, 6)
    Cell expected;                    // (0, 0): no stone
    bool flipAfter;
};

const ReplyCase kReplyCases[] = {
    {"second stone, the True lattice", 8, 2, false, {". . .", ". * .", ". . ."}, {8, 9}, true},
    {"second stone, the False lattice",
     8,
     2,
     true,
     {". . . .", ". . * .", ". . . ."},
     {10, 8},
     false},
    {"later stones keep the lattice", 8, 5, true, {". . . .", ". . * .", ". . . ."}, {9, 7}, true},
    {"before the computer's second stone", 8, 1, true, {". . .", ". * .", ". . ."}, {8, 9}, true},
    {"taken neighbours are passed", 8, 5, true, {". . .", ". * .", ". X ."}, {9, 7}, true},
    {"no free lattice neighbour", 8, 5, true, {". . X", "X * .", ". X ."}, {}, true},
    {"another mode", 0, 5, true, {". . .", ". * .", ". . ."}, {}, true},
};

TEST(LatticeReply, PlaysTheFirstFreeLatticeNeighbour) {
    for (const auto& c : kReplyCases) {
        TestGame t;
        Cell stone = SetMarkedPosition(t.g, c.picture, {7, 7});
        t.g.setCell(stone.x, stone.y, kPlayer);
        t.g.GameMode = c.mode;
        t.g.LatticeFlip = c.flipBefore;
        t.g.CompMoveNo = c.compMoveNo;
        std::size_t before = t.g.compStones.size();
        LatticeReply(t.g, stone.x, stone.y);
        EXPECT_TRUE(PlayedOnly(t, before, c.expected)) << c.name;
        EXPECT_EQ(t.g.LatticeFlip, c.flipAfter) << c.name;
    }
}

TEST(LatticeReply, NeighboursOffTheBoardAreSkipped) {
    // (14, 7) lies on the lattice 2y - x; (16, 7) would be tried first.
    TestGame t;
    SetPosition(t.g, {"O"}, {15, 7});
    t.g.GameMode = 8;
    t.g.LatticeFlip = true;
    t.g.CompMoveNo = 5;
    LatticeReply(t.g, 15, 7);
    EXPECT_EQ(NewestComputerStone(t.g), (Cell{14, 7}));
    EXPECT_EQ(t.messages.count("critical"), 0);
}

} // namespace
} // namespace wuzi::test
