#include "engines/LastResort.h"
#include "opponents/ChainSteps.h"
#include "opponents/Turns.h"
#include "rules/Placement.h"
#include "support/RoutineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

// The player's last stone is the newest 'O'; the computer answers through CompChoose.
struct ChainCase {
    const char* name;
    int mode;
    std::vector<std::string> picture;
    Cell lastPlayer;
    Cell expected;
};

const ChainCase kChainCases[] = {
    {"own five before the player's",
     0,
     {". X X X X .", ". . . . . .", ". O O O O X"},
     {5, 10},
     {4, 8}},
    {"the player's five is blocked",
     0,
     {". X X X . O", ". . . . . .", "X O O O O ."},
     {5, 10},
     {9, 10}},
    {"a four out of a three",
     4,
     {". . X X X . .", ". . . . . . .", ". O . O . O ."},
     {9, 10},
     {5, 8}},
    {"a double four", 8, {"X . X . X . X", ". . . . . . .", ". O O . O . ."}, {8, 10}, {7, 8}},
};

TEST(RoutineChain, ForcedMovesComeFirst) {
    for (const auto& c : kChainCases) {
        TestGame t;
        SetPosition(t.g, c.picture, {4, 8}, {c.lastPlayer});
        t.g.GameMode = c.mode;
        t.g.GameActive = true;
        std::size_t before = t.g.compStones.size();
        CompChoose(t.g, c.lastPlayer.x, c.lastPlayer.y);
        EXPECT_EQ(NewestComputerStone(t.g), c.expected) << c.name << "\n" << Picture(t.g);
        EXPECT_EQ(t.g.compStones.size(), before + 1) << c.name;
        EXPECT_TRUE(t.g.PlayerTurn) << c.name;
        EXPECT_TRUE(BoardMatchesHistories(t.g)) << c.name;
    }
}

TEST(OpenFourProbe, AnswersForTheLastStoneOnly) {
    struct Case {
        std::vector<std::string> picture;
        bool open;
    };
    const Case cases[] = {
        {{". O O O O ."}, true},
        {{"X O O O O ."}, false},
        {{". O O O . O ."}, false},
    };
    for (const auto& c : cases) {
        TestGame t;
        SetPosition(t.g, c.picture, {4, 8});
        Cell last = t.g.playerStones.back();
        EXPECT_EQ(OpenFourProbe(t.g, last.x, last.y), c.open) << Picture(t.g);
    }
}

} // namespace
} // namespace wuzi::test
