#include "engines/AIEasy2.h"
#include "engines/AIHard.h"
#include "support/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace wuzi::test {
namespace {

class PlayerLineGuardTest : public ::testing::TestWithParam<StagedCase> {};

TEST_P(PlayerLineGuardTest, GuardsTheCrossPoint) {
    ExpectStaged(GetParam());
}

// clang-format off

// The player's run (10,8) (11,8) (12,8), closed by the computer at (13,8); its free cells
// are (9,8) (near) and (8,8) (far). A player stone on (8,8) would make the open four
// (8,8)..(8,11); one on (9,8) would start a line with (8,9) in direction 4.
const Drawing kFarGivesFour{{5, 7}, {
    "..........",
    ".....OOoX.",
    "...O......",
    "...O......",
    "...O......",
    "..........",
}};

// The same run. (9,8): a four for the computer (closed by (9,12)) and a live three for
// the player in direction 3. (8,8): a live three for the computer (column 8) and for the
// player in direction 4.
const Drawing kThreePoints{{5, 7}, {
    "..........",
    ".....OOoX.",
    "..OXXO....",
    ".O.XX.O...",
    "....X.....",
    "....O.....",
}};

// The same run. (9,8) would give the player only a live three (column 9); (8,8) the
// broken four (8,8) (8,9) . (8,11) (8,12).
const Drawing kFarGivesBrokenFour{{5, 7}, {
    "..........",
    ".....OOoX.",
    "...OO.....",
    "....O.....",
    "...O......",
    "...O......",
}};

// Four player stones only: (9,8) would start a line with (8,9).
const Drawing kFourStones{{5, 7}, {
    "..........",
    ".....OOoX.",
    "...O......",
    "..........",
}};

// An open three of the player with nothing else near: no cross point, left to the block.
const Drawing kLoneOpenThree{{1, 1}, {
    "O.O............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    ".....OOo.......",
}};

INSTANTIATE_TEST_SUITE_P(LoneOpenThree, PlayerLineGuardTest, ::testing::Values(
    StagedCase{"no four point", GuardPlayerLine, 1, 0, 0, kNoMove, kLoneOpenThree},
    StagedCase{"no live-three point", GuardPlayerLine, 2, 2, 0, kNoMove, kLoneOpenThree},
    StagedCase{"no line to start", GuardPlayerLine, 5, 0, 0, kNoMove, kLoneOpenThree}));

// The run (7,8) (8,8) (9,8) passes Test C only. (6,8) is a live-three point of the
// player (column 6); (10,8) one too (direction 3) and a live three for the computer
// (column 10), which only Tests A and B would try first.
const Drawing kThreePointsAcross{{4, 5}, {
    ".........",
    "....O....",
    ".....O...",
    "...OoO...",
    "..O...X..",
    "..O...X..",
    ".........",
}};

INSTANTIATE_TEST_SUITE_P(TestC, PlayerLineGuardTest, ::testing::Values(
    StagedCase{"stage 2: the first live-three point", GuardPlayerLine, 2, 0, 0, {6, 8},
               kThreePointsAcross},
    StagedCase{"stage 2: no computer-three pass across", GuardPlayerLine, 2, 2, 0, {6, 8},
               kThreePointsAcross}));

INSTANTIATE_TEST_SUITE_P(GuardPlayerLine, PlayerLineGuardTest, ::testing::Values(
    StagedCase{"stage 1: the cell that gives the player a four", GuardPlayerLine, 1, 0, 0, {8, 8},
               kFarGivesFour},
    StagedCase{"stage 1 sees no broken four", GuardPlayerLine, 1, 0, 0, kNoMove,
               kFarGivesBrokenFour},
    StagedCase{"stage 2: the first live-three point", GuardPlayerLine, 2, 0, 0, {9, 8},
               kThreePoints},
    StagedCase{"stage 2: computer fours first", GuardPlayerLine, 2, 1, 0, {9, 8}, kThreePoints},
    StagedCase{"stage 2: computer threes before fours", GuardPlayerLine, 2, 2, 0, {8, 8},
               kThreePoints},
    StagedCase{"stage 5: a cell that starts a player line", GuardPlayerLine, 5, 0, 0, {9, 8},
               kFarGivesFour},
    StagedCase{"four player stones: no stage plays", GuardPlayerLine, 5, 0, 0, kNoMove,
               kFourStones},
    StagedCase{"stage 6 never plays", GuardPlayerLine, 6, 0, 0, kNoMove, kFarGivesFour}));

// The run (10,8) (11,8) (12,8), closed at (13,8). A player stone on its near free cell
// (9,8) would make the open four (9,8)..(9,11); one on that four's upper end (9,7) would
// make the live three (9,7) (10,7) (11,7).
const Drawing kFourWithAThreeEnd{{5, 5}, {
    "..........",
    "..........",
    ".....OO...",
    ".....OOoX.",
    "....O.....",
    "....O.....",
    "....O.....",
    "..........",
}};

// The same run. Through (9,8) the column holds the young line (9,8) . (9,10), and a player
// stone on its gap (9,9) would make the open four (9,9)..(12,12).
const Drawing kYoungLineToAFour{{5, 7}, {
    "..........",
    ".....OOoX.",
    "..........",
    "....OO....",
    "......O...",
    ".......O..",
    "..........",
}};

INSTANTIATE_TEST_SUITE_P(BlockStages, PlayerLineGuardTest, ::testing::Values(
    StagedCase{"stage 3: the four's end at the lowest level", GuardPlayerLine, 3, 0, 0, {9, 7},
               kFourWithAThreeEnd},
    StagedCase{"stage 3: the four's cell above it", GuardPlayerLine, 3, 1, 0, {9, 8},
               kFourWithAThreeEnd},
    StagedCase{"stage 3 as the guard's", HardPlayerLine, 3, 2, 0, {9, 8}, kFourWithAThreeEnd},
    StagedCase{"stage 4: the cell whose young line leads to a four", GuardPlayerLine, 4, 0, 0,
               {9, 8}, kYoungLineToAFour},
    StagedCase{"stage 4 as the guard's", HardPlayerLine, 4, 0, 0, {9, 8}, kYoungLineToAFour}));

INSTANTIATE_TEST_SUITE_P(HardPlayerLine, PlayerLineGuardTest, ::testing::Values(
    StagedCase{"stage 1: the broken four's point", HardPlayerLine, 1, 0, 0, {8, 8},
               kFarGivesBrokenFour},
    StagedCase{"stage 1: an open four's point", HardPlayerLine, 1, 0, 0, {8, 8}, kFarGivesFour},
    StagedCase{"stage 2 as the guard's", HardPlayerLine, 2, 2, 0, {8, 8}, kThreePoints},
    StagedCase{"no stage 5", HardPlayerLine, 5, 0, 0, kNoMove, kFarGivesFour}));

// clang-format on

struct CellTestCase {
    const char* what;
    int skip;
    PlayerCellMode mode;
    Cell expected; // the stone placed
    bool answer;   // what it returns
};
std::ostream& operator<<(std::ostream& out, const CellTestCase& c) {
    return out << c.what;
}

class TestPlayerCellTest : public ::testing::TestWithParam<CellTestCase> {};

// (8,8) is the cell tested. With (9,8) the row is a young player line; a player stone on
// its free cell (11,8) would make the open four (11,7)..(11,10).
TEST_P(TestPlayerCellTest, AnswersOrTakesTheCell) {
    const CellTestCase& c = GetParam();
    TestGame t;
    // clang-format off
    Draw(t.g, {{1, 7}, {
        "..........O",
        "........O..",
        "..........O",
        "..........O",
    }});
    // clang-format on
    bool answer = false;
    EXPECT_EQ(PlayedBy(t.g, [&] { answer = TestPlayerCell(t.g, 8, 8, c.skip, c.mode); }),
              c.expected);
    EXPECT_EQ(answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TestPlayerCellTest,
    ::testing::Values(
        CellTestCase{"answer mode finds the young row", 0, PlayerCellMode::Answer, kNoMove, true},
        CellTestCase{"answer mode leaving out the row", 1, PlayerCellMode::Answer, kNoMove, false},
        CellTestCase{"play mode takes the cell", 0, PlayerCellMode::Play, {8, 8}, true},
        CellTestCase{"play mode leaving out the row", 1, PlayerCellMode::Play, kNoMove, false}));

TEST(TestPlayerCell, NoCellDoesNothing) {
    TestGame t;
    SetPosition(t.g, {".O"}, {1, 1});
    EXPECT_FALSE(TestPlayerCell(t.g, 0, 1, 0, PlayerCellMode::Answer));
    EXPECT_FALSE(TestPlayerCell(t.g, 1, 0, 0, PlayerCellMode::Answer));
    EXPECT_TRUE(t.messages.boxes.empty());
}

} // namespace
} // namespace wuzi::test
