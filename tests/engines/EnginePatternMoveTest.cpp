#include "engines/AIEasy.h"
#include "support/RoutineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

// The newest stone (8, 8) has a group across with an inner gap on each side: slot 1 is
// (7, 8), slot 3 is (9, 8). Each of them would make a live three down the board.
const std::vector<std::string> kSplitGroup = {
    ". . . . . . . . . .", ". . . . . . . . . .", ". . . . . . . . . .",
    ". . . X . X . X . .", ". . . . X . X . . .", ". . . . X . X . . .",
};

// The same, and a player's diagonal three that a player stone on slot 1 would make a
// four: slot 1 is not safe.
const std::vector<std::string> kSplitGroupSlotOneUnsafe = {
    ". O . . . . . . . .", ". . O . . . . . . .", ". . . O . . . . . .",
    ". . . X . X . X . .", ". . . . X . X . . .", ". . . . X . X . . .",
};

// A solid pair (8, 8)-(9, 8): slot 1 is (7, 8), slot 3 is (10, 8), both cross threes.
const std::vector<std::string> kSolidPair = {
    ". . . . . . . . . .", ". . . . . . . . . .", ". . . . . . . . . .",
    ". . . . . X X . . .", ". . . . X . . X . .", ". . . . X . . X . .",
};

// The same pair, and a player's diagonal three that a player stone on slot 3 would make
// a four: slot 3 is not safe.
const std::vector<std::string> kSolidPairSlotThreeUnsafe = {
    ". . . . . . . . . . O", ". . . . . . . . . O .", ". . . . . . . . O . .",
    ". . . . . X X . . . .", ". . . . X . . X . . .", ". . . . X . . X . . .",
};

TEST(EnginePatternMove, StagesChooseTheirGroupCell) {
    const Cell at{3, 5};
    const std::vector<Cell> newest{{8, 8}};
    const auto& split = kSplitGroup;
    const auto& unsafe = kSplitGroupSlotOneUnsafe;
    ExpectStageCases(
        EnginePatternMove,
        {
            {"stage 1: the forward inner gap first", 1, 0, split, at, newest, {9, 8}},
            {"stage 1, difficulty 0: no look at the player", 1, 0, unsafe, at, newest, {9, 8}},
            {"stage 1, difficulty 1: the back side only", 1, 1, unsafe, at, newest, {7, 8}},
            {"stage 1, difficulty 2: the back side only", 1, 2, unsafe, at, newest, {7, 8}},
            {"stage 1: a solid group's back side first", 1, 0, kSolidPair, at, newest, {7, 8}},
            {"stage 1, difficulty 1: a solid group's back side needs slot 3 safe",
             1,
             1,
             kSolidPairSlotThreeUnsafe,
             at,
             newest,
             {10, 8}},
            {"stage 2: the back inner gap first", 2, 0, split, at, newest, {7, 8}},
            {"stage 3: toward a three across", 3, 0, split, at, newest, {7, 8}},
            {"stage 4 does nothing", 4, 0, split, at, newest, {}},
            {"stage 0 does nothing", 0, 0, split, at, newest, {}},
        });
}

TEST(EnginePatternMove, NeedsThreeComputerStones) {
    TestGame t;
    SetPosition(t.g, kSplitGroup, {3, 5}, {{8, 8}});
    t.g.CompMoveNo = 3; // only the two newest stones counted
    EnginePatternMove(t.g, 2);
    EXPECT_FALSE(t.g.CompMoved);
}

} // namespace
} // namespace wuzi::test
