#include "engines/ForcedMoves.h"
#include "support/RoutineTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace wuzi::test {
namespace {

struct ForcedCase {
    const char* name;
    std::vector<std::string> picture;
    Cell topLeft;
    std::vector<Cell> newestLast; // the last one is the newest stone
    Cell expected;                // (0, 0): no stone
};

void expectForcedMoves(const std::function<void(Game&)>& routine,
                       const std::vector<ForcedCase>& cases) {
    for (const auto& c : cases) {
        TestGame t;
        SetPosition(t.g, c.picture, c.topLeft, c.newestLast);
        std::size_t before = t.g.compStones.size();
        routine(t.g);
        EXPECT_TRUE(PlayedOnly(t, before, c.expected)) << c.name;
        EXPECT_TRUE(BoardMatchesHistories(t.g)) << c.name;
    }
}

// Two open fours of the computer, across on row 3 and on row 10.
const std::vector<std::string> kTwoFours = {
    ". X X X X .", ". . . . . .", ". . . . . .", ". . . . . .",
    ". . . . . .", ". . . . . .", ". . . . . .", ". X X X X .",
};

TEST(CompFive, CompletesTheFiveOnTheExpectedSide) {
    expectForcedMoves(
        CompFive,
        {
            {"open four: the first half-line's end", {". X X X X ."}, {4, 8}, {{6, 8}}, {4, 8}},
            {"open four from its first-half end stone", {". X X X X ."}, {4, 8}, {{5, 8}}, {9, 8}},
            {"open four down the board: the upper end",
             {".", "X", "X", "X", "X", "."},
             {8, 4},
             {{8, 6}},
             {8, 4}},
            {"four closed on the left", {"O X X X X ."}, {4, 8}, {{6, 8}}, {9, 8}},
            {"the gap of X X . X X, from the outer stone", {"X X . X X"}, {4, 8}, {{4, 8}}, {6, 8}},
            {"the gap of X X . X X, from the inner stone", {"X X . X X"}, {4, 8}, {{7, 8}}, {6, 8}},
            {"rising diagonal: the lower left end",
             {". . . . . . .", ". . . . . X .", ". . . . X . .", ". . . X . . .", ". . X . . . .",
              ". . . . . . ."},
             {3, 7},
             {{7, 9}},
             {4, 12}},
            {"falling diagonal: the lower right end",
             {". . . . . .", ". X . . . .", ". . X . . .", ". . . X . .", ". . . . X .",
              ". . . . . ."},
             {3, 3},
             {{5, 5}},
             {8, 8}},
            {"the newest stone's five first", kTwoFours, {3, 3}, {{5, 3}, {5, 10}}, {3, 10}},
            {"the newest stone's five first, the other way",
             kTwoFours,
             {3, 3},
             {{5, 10}, {5, 3}},
             {3, 3}},
            {"no five to make", {"O X X X X O", ". X X X . ."}, {4, 8}, {}, {}},
        });
}

TEST(BlockFive, BlocksThePlayersFive) {
    expectForcedMoves(BlockFive,
                      {
                          {"four closed by the computer", {"X O O O O ."}, {4, 8}, {}, {9, 8}},
                          {"broken four", {"O O . O O"}, {4, 8}, {{4, 8}}, {6, 8}},
                          {"a three and a far stone make no five", {"O O O . . O"}, {4, 8}, {}, {}},
                      });
}

TEST(CompFour, ExtendsAThreeWithRoom) {
    expectForcedMoves(
        CompFour,
        {
            {"two free cells at the left end", {". . X X X . ."}, {3, 8}, {}, {4, 8}},
            {"only one free cell at the left end", {"O . X X X . ."}, {2, 8}, {}, {7, 8}},
            {"split three: the gap", {". . X . X X . ."}, {3, 8}, {}, {6, 8}},
            {"split three seen from its left stone: the gap ahead",
             {". . X X . X . ."},
             {3, 8},
             {{5, 8}},
             {7, 8}},
            {"split three closed right beyond its gap", {"O X . X X . ."}, {2, 8}, {}, {}},
            {"three closed on one side", {"O X X X . . ."}, {3, 8}, {}, {}},
            {"too little room", {"O . X X X . O"}, {2, 8}, {}, {}},
        });
}

TEST(CompDoubleFour, PlaysTheMiddleGap) {
    const std::vector<std::string> across = {"X . X . X . X"};
    expectForcedMoves(
        CompDoubleFour,
        {
            {"from the left end stone", across, {4, 8}, {{4, 8}}, {7, 8}},
            {"from the right end stone", across, {4, 8}, {{10, 8}}, {7, 8}},
            {"from the second stone", across, {4, 8}, {{6, 8}}, {7, 8}},
            {"from the third stone", across, {4, 8}, {{8, 8}}, {7, 8}},
            {"at the left edge", across, {1, 8}, {{1, 8}}, {4, 8}},
            {"down the board", {"X", ".", "X", ".", "X", ".", "X"}, {8, 2}, {{8, 4}}, {8, 5}},
            {"on the rising diagonal",
             {". . . . . . X", ". . . . . . .", ". . . . X . .", ". . . . . . .", ". . X . . . .",
              ". . . . . . .", "X . . . . . ."},
             {2, 2},
             {},
             {5, 5}},
            {"a gap taken", {"X . X O X . X"}, {4, 8}, {}, {}},
            {"shapes on both diagonals: the falling one first",
             {"X . . . . . . . . . . . X", ". . . . . . . . . . . . .", ". . X . . . . . . . X . .",
              ". . . . . . . . . . . . .", ". . . . X . . . X . . . .", ". . . . . . . . . . . . .",
              ". . . . . . X . . . . . ."},
             {2, 2},
             {{8, 8}},
             {5, 5}},
            {"shapes on both sides: the negative sense first",
             {"X . X . X . X . X . X . X"},
             {1, 8},
             {{7, 8}},
             {4, 8}},
        });
}

TEST(BlockDoubleFour, BlocksAGapWhereTheComputerGetsAFour) {
    // The player's double-four shape with its last stone at the right end (10, 8):
    // g1 = (7, 8) the middle gap, g2 = (9, 8) next to the stone, g3 = (5, 8).
    struct Case {
        const char* name;
        std::vector<std::string> picture;
        Cell expected;
    };
    const Case cases[] = {
        {"no computer four: the middle gap",
         {". . . . . . .", ". . . . . . .", ". . . . . . .", "O . O . O . O"},
         {7, 8}},
        {"a computer four on the gap next to the stone",
         {". . . . . X .", ". . . . . X .", ". . . . . X .", "O . O . O . O"},
         {9, 8}},
        {"a computer four on the far gap",
         {". X . . . . .", ". X . . . . .", ". X . . . . .", "O . O . O . O"},
         {5, 8}},
        {"computer fours on two gaps: the middle gap first",
         {". . . X . X .", ". . . X . X .", ". . . X . X .", "O . O . O . O"},
         {7, 8}},
    };
    for (const auto& c : cases) {
        TestGame t;
        SetPosition(t.g, c.picture, {4, 5}, {{10, 8}});
        BlockDoubleFour(t.g, 10, 8);
        EXPECT_EQ(NewestComputerStone(t.g), c.expected) << c.name;
        EXPECT_TRUE(t.g.CompMoved) << c.name;
    }
}

TEST(BlockDoubleFour, NoCellMeansNoBlock) {
    // Seen from (0, 8), the player's stones would form the end shape.
    TestGame t;
    SetPosition(t.g, {". O . O . O"}, {1, 8});
    BlockDoubleFour(t.g, 0, 8);
    BlockDoubleFour(t.g, 2, 0);
    EXPECT_EQ(t.g.CompMoveNo, 1);
    EXPECT_FALSE(t.g.CompMoved);
}

TEST(ForcedMoves, NeedEnoughStonesCounted) {
    // Each shape would be played, but its side's counter is one short of the minimum.
    struct Case {
        const char* name;
        std::function<void(Game&)> routine;
        std::vector<std::string> picture;
        bool player; // whose counter is lowered
    };
    const Case cases[] = {
        {"CompFive below four stones", CompFive, {". X X X X ."}, false},
        {"BlockFive below four stones", BlockFive, {". O O O O ."}, true},
        {"CompFour below three stones", CompFour, {". . X X X . ."}, false},
        {"CompDoubleFour at three stones", CompDoubleFour, {"X . X . X . X"}, false},
    };
    for (const auto& c : cases) {
        TestGame t;
        SetPosition(t.g, c.picture, {4, 8});
        --(c.player ? t.g.PlayerMoveNo : t.g.CompMoveNo);
        c.routine(t.g);
        EXPECT_FALSE(t.g.CompMoved) << c.name;
        EXPECT_EQ(t.messages.count("critical"), 0) << c.name;
    }
}

TEST(ForcedMoves, AStoneHistoryShorterThanTheCounterIsAFault) {
    TestGame t;
    SetPosition(t.g, {"X X X X ."}, {4, 8});
    t.g.CompMoveNo = 9; // four stones drawn, eight counted
    CompFive(t.g);
    EXPECT_EQ(t.messages.count("critical"), 1);
    EXPECT_EQ(t.messages.boxes.back().title, "错误");
    EXPECT_EQ(t.g.cell(8, 8), kEmpty);
    EXPECT_FALSE(t.g.CompMoved);
}

} // namespace
} // namespace wuzi::test
