#include "engines/Lattice.h"
#include "support/RoutineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

TEST(OnLattice, FollowsTheModeAndTheFlip) {
    struct Case {
        int mode;
        Flag flip;
        int compMoveNo;
        Cell cell;
        Flag expected;
    };
    const Case cases[] = {
        {8, kTrue, 5, {3, 4}, kTrue},   // 2*4 - 3 = 5
        {8, kFalse, 5, {3, 4}, kTrue},  // 2*3 - 4 - 2 = 0
        {8, kTrue, 5, {5, 4}, kFalse},  // 8 - 5 = 3
        {8, kFalse, 5, {5, 4}, kFalse}, // 10 - 4 - 2 = 4
        {9, kTrue, 5, {1, 2}, kTrue},   // 4 - 1 - 3 = 0
        {9, kTrue, 5, {3, 4}, kFalse},  // 8 - 3 - 3 = 2
        {9, kFalse, 5, {4, 5}, kTrue},  // 8 - 5 - 3 = 0
        {9, 1, 5, {4, 5}, kTrue},       // a flip other than True counts as False
        {8, kTrue, 2, {3, 4}, kFalse},  // the computer has at most one stone
        {8, kTrue, 3, {3, 4}, kTrue},
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
                EXPECT_EQ(OnLattice(t.g, x, y), kFalse);
    }
}

TEST(OnLattice, EveryRunOfFiveHoldsExactlyOneLatticeCell) {
    for (int mode : {8, 9}) {
        for (Flag flip : {kTrue, kFalse}) {
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
                            if (OnLattice(t.g, x + i * d.dx, y + i * d.dy) == kTrue) ++count;
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
    Flag flipBefore;
    std::vector<std::string> picture; // the player's stone is '*', drawn at (7, 6)
    Cell expected;                    // (0, 0): no stone
    Flag flipAfter;
};

const ReplyCase kReplyCases[] = {
    {"second stone, the True lattice", 8, 2, kFalse, {". . .", ". * .", ". . ."}, {8, 9}, kTrue},
    {"second stone, the False lattice",
     8,
     2,
     kTrue,
     {". . . .", ". . * .", ". . . ."},
     {10, 8},
     kFalse},
    {"later stones keep the lattice",
     8,
     5,
     kTrue,
     {". . . .", ". . * .", ". . . ."},
     {9, 7},
     kTrue},
    {"before the computer's second stone", 8, 1, kTrue, {". . .", ". * .", ". . ."}, {8, 9}, kTrue},
    {"taken neighbours are passed", 8, 5, kTrue, {". . .", ". * .", ". X ."}, {9, 7}, kTrue},
    {"no free lattice neighbour", 8, 5, kTrue, {". . X", "X * .", ". X ."}, {}, kTrue},
    {"another mode", 0, 5, kTrue, {". . .", ". * .", ". . ."}, {}, kTrue},
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
    t.g.LatticeFlip = kTrue;
    t.g.CompMoveNo = 5;
    LatticeReply(t.g, 15, 7);
    EXPECT_EQ(NewestComputerStone(t.g), (Cell{14, 7}));
    EXPECT_EQ(t.messages.count("critical"), 0);
}

} // namespace
} // namespace wuzi::test
