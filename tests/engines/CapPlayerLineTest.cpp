#include "engines/AIEasy2.h"
#include "support/EngineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

class CapPlayerLineTest : public ::testing::TestWithParam<StagedCase> {};

TEST_P(CapPlayerLineTest, BlocksThePlayersRun) {
    ExpectStaged(GetParam());
}

// clang-format off

// The player's run (5,8) (6,8) (7,8), closed by the computer at (8,8), with (4,8) and
// (3,8) free; the player's stones on row 1 stand apart.
const Drawing kRunOfThree{{1, 1}, {
    "O.O...........X",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....OOoX.......",
}};

// The same run; a computer stone on (3,8) would make the four (3,8)..(3,11).
const Drawing kFarMakesFour{{1, 1}, {
    "O.O............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....OOoX.......",
    "..X............",
    "..X............",
    "..X............",
}};

// The same run; (4,8) makes a four closed by (4,12), (3,8) a live three.
const Drawing kNearFourFarThree{{1, 1}, {
    "O.O............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "....OOoX.......",
    "..XX...........",
    "..XX...........",
    "...X...........",
    "...O...........",
}};

INSTANTIATE_TEST_SUITE_P(Stage1, CapPlayerLineTest, ::testing::Values(
    StagedCase{"plain run: the near cell", CapPlayerLine, 1, 0, 0, {4, 8}, kRunOfThree},
    StagedCase{"plain run, no four anywhere: the near cell", CapPlayerLine, 1, 1, 0, {4, 8},
               kRunOfThree},
    StagedCase{"a four on the far cell, unseen at the lowest level", CapPlayerLine, 1, 0, 0, {4,
               8}, kFarMakesFour},
    StagedCase{"a four on the far cell", CapPlayerLine, 1, 1, 0, {3, 8}, kFarMakesFour},
    StagedCase{"near four, far three: the four", CapPlayerLine, 1, 1, 0, {4, 8}, kNearFourFarThree},
    StagedCase{"near four, far three: the three first", CapPlayerLine, 1, 2, 0, {3, 8},
               kNearFourFarThree},
    StagedCase{"other stages never play", CapPlayerLine, 3, 0, 0, kNoMove, kRunOfThree}));

INSTANTIATE_TEST_SUITE_P(Shapes, CapPlayerLineTest, ::testing::Values(
    StagedCase{"four player stones: no scan", CapPlayerLine, 1, 0, 0, kNoMove, {{1, 1}, {
        "O..............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "....OOoX.......",
    }}},
    StagedCase{"O . O o with room: Test A fills the gap", CapPlayerLine, 1, 0, 0, {6, 8}, {{1, 1}, {
        "O.O............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "....O.OoX......",
    }}},
    StagedCase{"O . O o closed behind: Test C fills the gap", CapPlayerLine, 1, 0, 0, {6, 8}, {{1,
               1}, {
        "O.O............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...XO.Oo.......",
    }}},
    StagedCase{"a run closed at both ends", CapPlayerLine, 1, 2, 0, kNoMove, {{1, 1}, {
        "O.O............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...XOOoX.......",
    }}},
    StagedCase{"a stone beyond three free cells is not counted", CapPlayerLine, 1, 0, 0, kNoMove,
               {{1, 1}, {
        "O.O............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".O...OoX.......",
    }}}));

// Mode 8 with LatticeFlip True: the lattice is (2y - x) mod 5 = 0, on row 8 the columns
// 1, 6 and 11. The run (8,8) (9,8) (10,8) has its far free cell (6,8) on it.
const Drawing kFarOnLattice{{1, 1}, {
    "O.O.........X.X",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    ".......OOoX....",
}};

INSTANTIATE_TEST_SUITE_P(Stage2, CapPlayerLineTest, ::testing::Values(
    StagedCase{"the far cell on the lattice", CapPlayerLine, 2, 0, 8, {6, 8}, kFarOnLattice},
    StagedCase{"outside modes 8 and 9 the lattice never answers", CapPlayerLine, 2, 0, 0, kNoMove,
               kFarOnLattice},
    StagedCase{"neither free cell on the lattice", CapPlayerLine, 2, 0, 8, kNoMove, kRunOfThree}));

// clang-format on

} // namespace
} // namespace wuzi::test
