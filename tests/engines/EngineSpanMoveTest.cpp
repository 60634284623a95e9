#include "engines/AIEasy.h"
#include "support/RoutineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

TEST(EngineSpanMove, BlocksAnEndOfThePlayersLiveThree) {
    ExpectStageCases(
        EngineSpanMove,
        {
            {"more room at the back", 1, 0, {". . O O O . X"}, {2, 8}, {}, {3, 8}},
            {"more room ahead", 1, 0, {"X . O O O . ."}, {2, 8}, {}, {7, 8}},
            {"a split three in its gap", 1, 0, {". . O . O O . ."}, {2, 8}, {}, {5, 8}},
            {"the gap ahead of the stone", 1, 0, {". . O O . O . ."}, {2, 8}, {{4, 8}}, {6, 8}},
            {"a three closed by the computer", 1, 0, {"X O O O . . ."}, {2, 8}, {}, {}},
            {"a three with too little room", 1, 0, {"X . O O O . X"}, {2, 8}, {}, {}},
            {"an unknown stage", 3, 0, {". . O O O . ."}, {2, 8}, {}, {}},
        });
}

// The player's three across with E0 = (3, 8) preferred; a computer stone on E1 = (7, 8)
// would make a four down the board.
const std::vector<std::string> kFourOnTheOtherEnd = {
    ". . . . . . .", ". . . . . X .", ". . . . . X .", ". . . . . X .", ". . O O O . X",
};

// The same three, where a computer stone on E0 = (3, 8) would make a four too; the
// regions hold no other player stones, so E1 is the favoured end.
const std::vector<std::string> kFourOnBothEnds = {
    ". . . . . . .", ". X . . . X .", ". X . . . X .", ". X . . . X .", ". . O O O . X",
};

// The player's three across, E0 = (3, 8) preferred; a player stone on E1 = (7, 8) would
// make a second live three, down the board.
const std::vector<std::string> kSecondThreeOnE1 = {
    ". . O O O . .",
    ". . . . . O .",
    ". . . . . O .",
};

// The player's three across with E1 = (7, 8) preferred, and two more player stones in
// the columns up to E0 = (3, 8).
const std::vector<std::string> kCrowdBehindE0 = {
    "O . . . . . .", ". . . . . . .", ". . . . . . .", ". . . . . . .",
    "X . O O O . .", ". . . . . . .", ". O . . . . .",
};

// A diagonal three (6, 6)-(8, 8): E0 = (5, 5), E1 = (9, 9) preferred; two more player
// stones lower right, in the first region of a diagonal three.
const std::vector<std::string> kDiagonalCrowdLowerRight = {
    "X . . . . . . . . . .", ". . . . . . . . . . .", ". . O . . . . . . . .",
    ". . . O . . . . . . .", ". . . . O . . . . . .", ". . . . . . . . . . .",
    ". . . . . . . . . . .", ". . . . . . . . . . .", ". . . . . . . . . . .",
    ". . . . . . . . . O O",
};

TEST(EngineSpanMove, HigherDifficultiesWeighCounterThreatsAndRegions) {
    ExpectStageCases(
        EngineSpanMove,
        {
            {"difficulty 0: the preferred end", 1, 0, kFourOnTheOtherEnd, {2, 4}, {}, {3, 8}},
            {"difficulty 1: a computer four", 1, 1, kFourOnTheOtherEnd, {2, 4}, {}, {7, 8}},
            {"difficulty 1: the preferred end", 1, 1, kCrowdBehindE0, {2, 4}, {}, {7, 8}},
            {"difficulty 1: the first end with a four", 1, 1, kFourOnBothEnds, {2, 4}, {}, {3, 8}},
            {"difficulty 2: the favoured end's four first",
             1,
             2,
             kFourOnBothEnds,
             {2, 4},
             {},
             {7, 8}},
            {"difficulty 0: a second three is not looked at",
             1,
             0,
             kSecondThreeOnE1,
             {2, 8},
             {},
             {3, 8}},
            {"difficulty 1: the end of a second three", 1, 1, kSecondThreeOnE1, {2, 8}, {}, {7, 8}},
            {"difficulty 2: the end of a second three", 1, 2, kSecondThreeOnE1, {2, 8}, {}, {7, 8}},
            {"difficulty 2: the end toward more player stones",
             1,
             2,
             kCrowdBehindE0,
             {2, 4},
             {},
             {3, 8}},
            {"diagonal: the preferred end", 1, 0, kDiagonalCrowdLowerRight, {4, 4}, {}, {9, 9}},
            {"diagonal: more stones lower right",
             1,
             2,
             kDiagonalCrowdLowerRight,
             {4, 4},
             {},
             {5, 5}},
        });
}

TEST(EngineSpanMove, NeedsThreePlayerStones) {
    TestGame t;
    SetPosition(t.g, {". . O O O . ."}, {2, 8});
    t.g.PlayerMoveNo = 3; // as if the third stone were not counted yet
    EngineSpanMove(t.g, 1);
    EXPECT_FALSE(t.g.CompMoved);
}

TEST(EngineSpanMove, StageTwoPrefersALatticeEnd) {
    // Lattice 2y - x of mode 8: on row 8 the columns 1, 6 and 11.
    const std::vector<std::string> openThree = {". . O O O . .", ". . . . . . .", "X . . . . . X"};
    ExpectStageCases(
        EngineSpanMove,
        {
            {"E1 = (11, 8) lies on the lattice", 2, 0, openThree, {6, 8}, {}, {11, 8}},
            {"neither end does: the preferred end", 2, 0, openThree, {2, 8}, {}, {3, 8}},
        },
        8);
}

} // namespace
} // namespace wuzi::test
