#include "engines/AIEasy2.h"
#include "support/EngineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

class GuardBrokenLineTest : public ::testing::TestWithParam<StagedCase> {};

TEST_P(GuardBrokenLineTest, AnswersTheYoungLine) {
    ExpectStaged(GetParam());
}

// clang-format off

// The player's pair (7,8) (8,8); row 8 free from column 3 to 12.
const Drawing kPair{{1, 1}, {
    "X.............X",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "......Oo.......",
}};

// The same pair with three more player stones in columns 1..4, beyond (6,8) and (5,8).
const Drawing kPairMoreOnTheLeft{{1, 1}, {
    "O.............X",
    "...............",
    "O..............",
    "...............",
    "...............",
    "...............",
    "...............",
    "......Oo.......",
    "...............",
    "...............",
    ".O.............",
}};

INSTANTIATE_TEST_SUITE_P(Stage3, GuardBrokenLineTest, ::testing::Values(
    StagedCase{"one player stone: no move", GuardBrokenLine, 3, 0, 0, kNoMove, {{6, 7}, {
        "...",
        ".o.",
        "...",
    }}},
    StagedCase{"the near cell of the first side", GuardBrokenLine, 3, 0, 0, {6, 8}, kPair},
    // ComparePlayerRegions(6, 8, 5, 8, direction 1): columns 1..6 against columns 5..15.
    StagedCase{"more stones from column 5 on: the far cell", GuardBrokenLine, 3, 1, 0, {5, 8},
               kPair},
    StagedCase{"more stones up to column 6: the near cell", GuardBrokenLine, 3, 2, 0, {6, 8},
               kPairMoreOnTheLeft},
    StagedCase{"a gap on the second side is blocked there", GuardBrokenLine, 3, 0, 0, {9, 8}, {{3,
               8}, {
        ".....o.O....",
    }}},
    StagedCase{"a line against the edge has no room", GuardBrokenLine, 3, 0, 0, kNoMove, {{1, 7}, {
        "......",
        "oO....",
        "......",
    }}},
    StagedCase{"stage 5 never plays", GuardBrokenLine, 5, 0, 0, kNoMove, kPair}));

INSTANTIATE_TEST_SUITE_P(OtherStages, GuardBrokenLineTest, ::testing::Values(
    // A player stone on (9,8) would make the live three (9,8) (9,9) (9,10).
    StagedCase{"stage 1: a live-three point of the player", GuardBrokenLine, 1, 0, 0, {9, 8}, {{3,
               6}, {
        "..........",
        "..........",
        "....Oo....",
        "......O...",
        "......O...",
        "..........",
    }}},
    StagedCase{"stage 1: no live-three point", GuardBrokenLine, 1, 0, 0, kNoMove, kPair},
    StagedCase{"stage 2: the stone also starts a column", GuardBrokenLine, 2, 0, 0, {6, 8}, {{3,
               6}, {
        "..........",
        "..........",
        "....Oo....",
        ".....O....",
        "..........",
    }}},
    StagedCase{"stage 2: a lone pair is left alone", GuardBrokenLine, 2, 0, 0, kNoMove, kPair},
    // Mode 8, LatticeFlip True: (2y - x) mod 5 = 0 holds for (6,8).
    StagedCase{"stage 4 on the lattice", GuardBrokenLine, 4, 0, 8, {6, 8}, kPair},
    StagedCase{"stage 4 outside modes 8 and 9", GuardBrokenLine, 4, 0, 0, kNoMove, kPair}));

// clang-format on

} // namespace
} // namespace wuzi::test
