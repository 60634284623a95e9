#include "engines/AIHard.h"
#include "support/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace wuzi::test {
namespace {

class HardOwnLineTest : public ::testing::TestWithParam<StagedCase> {};

TEST_P(HardOwnLineTest, PlaysTheFreeCellThatDoesMore) {
    ExpectStaged(GetParam());
}

// clang-format off

// The computer's run (5,8) (6,8) (7,8), closed by the player at (8,8); a computer stone on
// (4,8) would also make (4,5)..(4,8) with (4,4) free.
const Drawing kCrossFour{{2, 3}, {
    "........",
    "........",
    "..X.....",
    "..X.....",
    "..X.....",
    "...XXxO.",
    "........",
}};

// The computer's (8,8) (9,8) . . (12,8), closed by the player at (13,8). A computer stone
// on (11,8) makes the live three (11,8)..(11,10); a player stone on (10,8), the guard cell,
// would make the four (10,8)..(10,11), closed by (10,12).
const Drawing kGuardedThree{{6, 6}, {
    "..........",
    "..........",
    "..XX..xO..",
    "....OX....",
    "....OX....",
    "....O.....",
    "....X.....",
    "..........",
}};

// The computer's (6,8) . (8,8) . (10,8) passes Test C only from the newest stone (8,8),
// one gap on each side. A computer stone on (7,8) makes the live three (7,8)..(7,10); a
// player stone on (9,8) would make the open four (9,8)..(9,11). The guarded try of (7,8)
// fails at difficulty 2, but the plain three on the first side's gap is tried after it.
const Drawing kGapsOnBothSides{{4, 6}, {
    ".........",
    ".........",
    "..X.x.X..",
    "...X.O...",
    "...X.O...",
    ".....O...",
    ".........",
    ".........",
}};

INSTANTIATE_TEST_SUITE_P(AcrossTheStone, HardOwnLineTest, ::testing::Values(
    StagedCase{"stage 2: the gap's three", HardOwnLine, 2, 0, 0, {7, 8}, kGapsOnBothSides},
    StagedCase{"stage 2: the plain three after the guarded ones", HardOwnLine, 2, 2, 0, {7, 8},
               kGapsOnBothSides}));

INSTANTIATE_TEST_SUITE_P(Stages, HardOwnLineTest, ::testing::Values(
    StagedCase{"stage 1: a four in the other line", HardOwnLine, 1, 0, 0, {4, 8}, kCrossFour},
    StagedCase{"stage 2: no guard at the lowest level", HardOwnLine, 2, 0, 0, {11, 8},
               kGuardedThree},
    StagedCase{"stage 2: the guard cell gives no open four", HardOwnLine, 2, 1, 0, {11, 8},
               kGuardedThree},
    StagedCase{"stage 2: the guard cell gives a four", HardOwnLine, 2, 2, 0, kNoMove,
               kGuardedThree},
    StagedCase{"stage 5 never plays", HardOwnLine, 5, 0, 0, kNoMove, kCrossFour}));

// clang-format on

struct FourCellCase {
    const char* what;
    std::string row; // row 8 from column 1; '*' is the cell tested
    int side;        // the side whose four is asked about
    bool answers;
};
std::ostream& operator<<(std::ostream& out, const FourCellCase& c) {
    return out << c.what;
}

class FourCellTest : public ::testing::TestWithParam<FourCellCase> {};

// X are the side's stones, O the other side's, whichever side is asked about.
TEST_P(FourCellTest, AnswersFourStonesWithOneFreeCell) {
    const FourCellCase& c = GetParam();
    std::string row = c.row;
    int x = static_cast<int>(row.find('*')) + 1;
    row[static_cast<std::size_t>(x - 1)] = '.';
    if (c.side == kPlayer)
        for (char& ch : row)
            ch = ch == 'X' ? 'O' : ch == 'O' ? 'X' : ch;
    TestGame t;
    SetPosition(t.g, {row}, {1, 8});
    bool answer =
        c.side == kComputer ? TestOwnCell(t.g, x, 8, 0) : TestPlayerCellHard(t.g, x, 8, 0);
    EXPECT_EQ(answer, c.answers);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, FourCellTest,
    ::testing::Values(FourCellCase{"X . X X * .", ".X.XX*.", kComputer, true},
                      FourCellCase{"X . X X * . as the player", ".X.XX*.", kPlayer, true},
                      FourCellCase{"O X X X * O: closed at both ends", "OXXX*O", kComputer, false},
                      FourCellCase{"X X * X . across the cell", "XX*X..", kComputer, true},
                      FourCellCase{"X X . * . X X: two gaps", "XX.*.XX", kComputer, false},
                      FourCellCase{"X X . . * : two free cells end the half", "XX..*", kComputer,
                                   false}));

TEST(FourCellTest, NoCellDoesNothing) {
    TestGame t;
    SetPosition(t.g, {"XXX."}, {1, 1});
    EXPECT_FALSE(TestOwnCell(t.g, 0, 1, 0));
    EXPECT_FALSE(TestPlayerCellHard(t.g, 4, 0, 0));
}

} // namespace
} // namespace wuzi::test
