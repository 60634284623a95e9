#include "engines/LastResort.h"
#include "opponents/ChainSteps.h"
#include "opponents/Opponent.h"
#include "opponents/Turns.h"
#include "rules/Placement.h"
#include "support/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace wuzi::test {
namespace {

// The computer's turn in `mode` on `board`, answering the player's newest stone ('o').
struct TurnCase {
    int mode;
    int difficulty;
    Cell expected;
    const Drawing* board;
};
std::ostream& operator<<(std::ostream& out, const TurnCase& c) {
    return out << "GameMode " << c.mode << ", difficulty " << c.difficulty;
}

Cell Answer(TestGame& t, const TurnCase& c) {
    Draw(t.g, *c.board);
    t.g.GameMode = c.mode;
    t.g.Difficulty = c.difficulty;
    t.g.LatticeFlip = true;
    Cell last = t.g.playerStones.back();
    Cell played = PlayedBy(t.g, [&] { CompChoose(t.g, last.x, last.y); });
    EXPECT_EQ(t.messages.count("critical"), 0);
    return played;
}

// clang-format off

// The computer's four (4,6)..(7,6) and the player's (4,8)..(7,8), each with one free end.
const Drawing kTwoFours{{3, 6}, {
    "OXXXX.",
    "......",
    "XOOOo.",
}};

// The player's open four (6,10)..(9,10); the computer's three (4,5)..(6,5), closed by
// (3,5), with the two free cells (7,5) and (8,5).
const Drawing kOpenFourAgainstAThree{{3, 5}, {
    "OXXX....",
    "........",
    "........",
    "........",
    "........",
    "...OOOo.",
}};

// The computer's closed three (4,5)..(6,5) and the player's open three (6,12)..(8,12).
const Drawing kThreeAgainstThree{{3, 5}, {
    "OXXX.....",
    ".........",
    ".........",
    ".........",
    ".........",
    ".........",
    ".........",
    "...OOo...",
}};

// The opening reply of a player-first game, to a first stone in the corner (1,15).
const Drawing kCornerStone{{1, 13}, {
    "...",
    "...",
    "o..",
}};

// The second computer stone of a computer-first game.
const Drawing kSecondStone{{7, 7}, {
    "....",
    ".X..",
    "..o.",
    "....",
}};

class ChainTurn : public ::testing::TestWithParam<TurnCase> {};

TEST_P(ChainTurn, PlaysTheFirstStepThatAnswers) {
    TestGame t;
    EXPECT_EQ(Answer(t, GetParam()), GetParam().expected);
}

// The computer's own five comes before blocking the player's, in every chain.
const Cell kOwnFive{8, 6};
const Drawing* const kFours = &kTwoFours;

INSTANTIATE_TEST_SUITE_P(OwnFiveFirst, ChainTurn, ::testing::Values(
    TurnCase{0, 0, kOwnFive, kFours}, TurnCase{1, 0, kOwnFive, kFours},
    TurnCase{2, 0, kOwnFive, kFours}, TurnCase{3, 0, kOwnFive, kFours},
    TurnCase{4, 2, kOwnFive, kFours}, TurnCase{5, 2, kOwnFive, kFours},
    TurnCase{8, 2, kOwnFive, kFours}, TurnCase{9, 2, kOwnFive, kFours}));

// Where the chain has the open-four probe (modes 1 and 2 always, 4, 5, 8 and 9 at
// difficulty 2), it reacts before the player's five is blocked: mode 2 goes to the
// lower right corner, the others play the first free cell of the computer's three.
const Cell kBlock{5, 10};
const Cell kThreesCell{7, 5};
const Cell kCorner{15, 15};
const Drawing* const kOpenFour = &kOpenFourAgainstAThree;

INSTANTIATE_TEST_SUITE_P(OpenFourProbe, ChainTurn, ::testing::Values(
    TurnCase{0, 2, kBlock, kOpenFour}, TurnCase{1, 0, kThreesCell, kOpenFour},
    TurnCase{2, 0, kCorner, kOpenFour}, TurnCase{3, 2, kBlock, kOpenFour},
    TurnCase{4, 0, kBlock, kOpenFour}, TurnCase{4, 2, kThreesCell, kOpenFour},
    TurnCase{5, 0, kBlock, kOpenFour}, TurnCase{5, 2, kThreesCell, kOpenFour},
    TurnCase{8, 1, kBlock, kOpenFour}, TurnCase{8, 2, kThreesCell, kOpenFour},
    TurnCase{9, 0, kBlock, kOpenFour}, TurnCase{9, 2, kThreesCell, kOpenFour}));

// Opponent 0 plays its line move early at difficulty 1, before blocking the player's
// live three; at difficulty 0 the block comes first.
INSTANTIATE_TEST_SUITE_P(LineMoveByDifficulty, ChainTurn, ::testing::Values(
    TurnCase{0, 1, kThreesCell, &kThreeAgainstThree},
    TurnCase{0, 0, {5, 12}, &kThreeAgainstThree}));

// With nothing else to answer, each chain ends in its own last step.
INSTANTIATE_TEST_SUITE_P(LastStep, ChainTurn, ::testing::Values(
    TurnCase{0, 0, {2, 14}, &kCornerStone},   // PlaceNear
    TurnCase{2, 0, {2, 15}, &kCornerStone},   // PlaceNearAlt
    TurnCase{4, 0, {2, 14}, &kCornerStone},   // PlaceNear
    TurnCase{8, 0, {2, 14}, &kCornerStone},   // no lattice neighbour, then PlaceNear
    TurnCase{1, 0, {9, 10}, &kSecondStone},   // PlaceNear
    TurnCase{3, 0, {10, 9}, &kSecondStone},   // PlayNextToLastMove
    TurnCase{5, 0, {9, 10}, &kSecondStone},   // PlaceNear
    TurnCase{9, 0, {10, 9}, &kSecondStone})); // LatticeReply

// clang-format on

TEST(Chains, NoChainForOtherModesDeclaresTheDraw) {
    TestGame t;
    Draw(t.g, kSecondStone);
    t.g.GameMode = 2 * kOpponentCount; // beyond the last opponent
    t.g.GameActive = true;
    CompChoose(t.g, 9, 9);
    EXPECT_EQ(t.g.CompMoveNo, 2);
    EXPECT_TRUE(t.messages.shown("此局为和局!"));
}

struct WhenCase {
    const char* what;
    When when;
    int difficulty;
    int compMoveNo;
    bool holds;
};
std::ostream& operator<<(std::ostream& out, const WhenCase& c) {
    return out << c.what;
}

class StepCondition : public ::testing::TestWithParam<WhenCase> {};

TEST_P(StepCondition, ReadsDifficultyAndMoveNumber) {
    const WhenCase& c = GetParam();
    TestGame t;
    t.g.Difficulty = c.difficulty;
    t.g.CompMoveNo = c.compMoveNo;
    EXPECT_EQ(c.when.holds(t.g), c.holds);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, StepCondition,
    ::testing::Values(
        WhenCase{"always", kAlways, 1, 1, true},
        WhenCase{"difficulty = 1", DifficultyIs(1), 1, 30, true},
        WhenCase{"difficulty = 1, at 2", DifficultyIs(1), 2, 30, false},
        WhenCase{"difficulty != 1, at 0", DifficultyIsNot(1), 0, 1, true},
        WhenCase{"difficulty != 1, at 1", DifficultyIsNot(1), 1, 1, false},
        WhenCase{"CompMoveNo > 15 at 15", CompMoveNoAbove(15), 0, 15, false},
        WhenCase{"CompMoveNo > 15 at 16", CompMoveNoAbove(15), 0, 16, true},
        WhenCase{"CompMoveNo <= 15 at 15", CompMoveNoAtMost(15), 0, 15, true},
        WhenCase{"CompMoveNo <= 15 at 16", CompMoveNoAtMost(15), 0, 16, false},
        WhenCase{"CompMoveNo < 20 at 19", CompMoveNoBelow(20), 0, 19, true},
        WhenCase{"CompMoveNo < 20 at 20", CompMoveNoBelow(20), 0, 20, false},
        WhenCase{"CompMoveNo >= 11 at 10", CompMoveNoAtLeast(11), 0, 10, false},
        WhenCase{"CompMoveNo >= 11 at 11", CompMoveNoAtLeast(11), 0, 11, true},
        WhenCase{"both, move number short", DifficultyIs(2) && CompMoveNoAbove(15), 2, 15, false},
        WhenCase{"both, difficulty off", DifficultyIs(2) && CompMoveNoAbove(15), 1, 16, false},
        WhenCase{"both hold", DifficultyIs(2) && CompMoveNoAbove(15), 2, 16, true}));

TEST(Chains, StepsRunOnlyUntilAStoneIsPlaced) {
    TestGame t;
    Draw(t.g, kSecondStone);
    t.g.GameActive = true;
    int runs = 0;
    auto count = [&](Game&, int, int) { ++runs; };
    Chain chain = {Step{count}, wuzi::Run(PlaceNear, kAtLastStone), Step{count},
                   wuzi::Run(PlaceNearAlt, kAtLastStone)};
    t.g.CompMoved = false;
    RunSteps(t.g, chain, 9, 9);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(t.g.CompMoveNo, 3);
}

} // namespace
} // namespace wuzi::test
