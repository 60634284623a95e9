#include "engines/AIEasy2.h"
#include "support/EngineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

class ExtendOwnLineTest : public ::testing::TestWithParam<StagedCase> {};

TEST_P(ExtendOwnLineTest, GrowsAStoneIntoOpenSpace) {
    ExpectStaged(GetParam());
}

// clang-format off

// The newest stone (8,8) in open space, an older one far away in the corner.
const Drawing kOpenCentre{{1, 1}, {
    "X..............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    ".......x.......",
}};

INSTANTIATE_TEST_SUITE_P(Stage2, ExtendOwnLineTest, ::testing::Values(
    StagedCase{"one computer stone: no move", ExtendOwnLine, 2, 0, 0, kNoMove, {{7, 7}, {
        "...",
        ".x.",
        "...",
    }}},
    StagedCase{"a tie of room goes to the second half", ExtendOwnLine, 2, 0, 0, {9, 8},
               kOpenCentre},
    StagedCase{"the roomier side", ExtendOwnLine, 2, 0, 0, {4, 8}, {{1, 1}, {
        "X..............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "..x............",
    }}},
    StagedCase{"no room before the edge: the vertical line", ExtendOwnLine, 2, 0, 0, {1, 9}, {{1,
               1}, {
        "..............X",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "x..............",
    }}},
    // Every line of (8,8) holds two free cells on each side: four in all, not enough.
    StagedCase{"without room the next older stone is tried", ExtendOwnLine, 2, 0, 0, {4, 3}, {{1,
               1}, {
        "...............",
        "...............",
        "..X............",
        "...............",
        "....O..O..O....",
        "...............",
        "...............",
        "....O..x..O....",
        "...............",
        "...............",
        "....O..O..O....",
    }}},
    StagedCase{"five free cells in all, split 1 and 4", ExtendOwnLine, 2, 0, 0, {9, 8}, {{1, 1}, {
        "X..............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".....O.x.......",
    }}},
    StagedCase{"other stages never play", ExtendOwnLine, 3, 0, 0, kNoMove, kOpenCentre}));

INSTANTIATE_TEST_SUITE_P(Stage1, ExtendOwnLineTest, ::testing::Values(
    // (7,9) would make (7,8) a development cell, but with one free cell on the first side
    // only the second side's cells are tried: (10,8) sees (10,11) in its column.
    StagedCase{"only a side with two free cells is tried", ExtendOwnLine, 1, 0, 0, {10, 8}, {{5,
               7}, {
        "........",
        ".O.x....",
        "..X.....",
        "........",
        ".....X..",
        "........",
    }}},
    StagedCase{"no group through any free cell: no move", ExtendOwnLine, 1, 0, 0, kNoMove,
               kOpenCentre}));

// clang-format on

} // namespace
} // namespace wuzi::test
