#include "rules/WinningLine.h"
#include "rules/BoardScene.h"
#include "rules/ReviewCursor.h"
#include "session/GameFlow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace wuzi::test {
namespace {

std::vector<Cell> sorted(std::vector<Cell> cells) {
    std::sort(cells.begin(), cells.end(),
              [](Cell a, Cell b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return cells;
}

struct LineCase {
    const char* name;
    std::vector<std::string> picture; // drawn from (1, 1)
    Cell last;
    std::vector<Cell> line; // expected, in reading order
};
std::ostream& operator<<(std::ostream& out, const LineCase& c) {
    return out << c.name;
}

class WinningLineCase : public ::testing::TestWithParam<LineCase> {};

TEST_P(WinningLineCase, FindsTheWholeRunThroughTheLastStone) {
    TestGame t;
    SetPosition(t.g, GetParam().picture);
    EXPECT_EQ(sorted(WinningLine(t.g.BoardCells, GetParam().last)), GetParam().line)
        << Picture(t.g);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Shapes, WinningLineCase,
    ::testing::Values(
        LineCase{"horizontalFive",
                 {". . . . . . .",
                  ". O O O O O X",
                  ". X X X X . ."},
                 {4, 2},
                 {{2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}}},
        LineCase{"fourIsNoWin",
                 {". O O O O X"},
                 {2, 1},
                 {}},
        LineCase{"overlineCountsWhole",
                 {"X X X X X X ."},
                 {6, 1},
                 {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}}},
        LineCase{"risingDiagonalToTheEdge",
                 {". . . . O",
                  ". . . O .",
                  ". . O . .",
                  ". O . . .",
                  "O . . . ."},
                 {1, 5},
                 {{5, 1}, {4, 2}, {3, 3}, {2, 4}, {1, 5}}},
        LineCase{"twoFivesShareTheLastStone",
                 {". . X . .",
                  ". . X . .",
                  "X X X X X",
                  ". . X . .",
                  ". . X . ."},
                 {3, 3},
                 {{3, 1}, {3, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {3, 4}, {3, 5}}},
        LineCase{"anotherStonesFiveIsNotThrough",
                 {"O O O O O",
                  "X X . . ."},
                 {1, 2},
                 {}},
        LineCase{"emptyCell",
                 {"O O O O ."},
                 {5, 1},
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(WinningLine, OffTheBoardFindsNothing) {
    TestGame t;
    SetPosition(t.g, {"O O O O O"});
    EXPECT_TRUE(WinningLine(t.g.BoardCells, {0, 0}).empty());
    EXPECT_TRUE(WinningLine(t.g.BoardCells, {16, 1}).empty());
}

TEST(GameRecord, InterleavesTheSidesFromTheFirstMover) {
    for (bool playerFirst : {true, false}) {
        TestGame t;
        NewGame(t.g, {playerFirst, 0});
        OnBoardClick(t.g, Cell{playerFirst ? 8 : 7, 8});
        OnBoardClick(t.g, Cell{2, 14});
        GameRecord r = RecordOf(t.g);
        ASSERT_EQ(r.moves.size(), playerFirst ? 4u : 5u);
        const auto& black = playerFirst ? t.g.playerStones : t.g.compStones;
        const auto& white = playerFirst ? t.g.compStones : t.g.playerStones;
        for (std::size_t i = 0; i < r.moves.size(); ++i)
            EXPECT_EQ(r.moves[i], (isBlackMove(i) ? black : white)[i / 2]) << i;
    }
}

TEST(BoardScene, NumbersTheStonesAndMarksTheFiveOfAFinishedGame) {
    // Black (the player) has moves 1, 3, 5, 7, 9; the ninth makes five.
    GameRecord r{{{4, 8}, {4, 9}, {5, 8}, {5, 9}, {6, 8}, {6, 9}, {7, 8}, {7, 9}, {8, 8}}};
    BoardScene end = SceneOf(r, r.moves.size());
    ASSERT_EQ(end.stones.size(), 9u);
    EXPECT_EQ(end.stones[8].number, 9);
    EXPECT_TRUE(end.stones[8].black);
    EXPECT_FALSE(end.stones[7].black);
    EXPECT_EQ(end.marker, (Cell{8, 8}));
    EXPECT_TRUE(end.markerOnBlack);
    EXPECT_EQ(sorted(end.winningLine), (std::vector<Cell>{{4, 8}, {5, 8}, {6, 8}, {7, 8}, {8, 8}}));

    BoardScene before = SceneOf(r, 8);
    EXPECT_EQ(before.stones.size(), 8u);
    EXPECT_EQ(before.marker, (Cell{7, 9}));
    EXPECT_FALSE(before.markerOnBlack);
    EXPECT_TRUE(before.winningLine.empty());

    BoardScene empty = SceneOf(r, 0);
    EXPECT_TRUE(empty.stones.empty());
    EXPECT_FALSE(empty.marker.has_value());
}

TEST(BoardScene, TheLiveGameKeepsItsOwnMarkerAndColours) {
    TestGame t;
    NewGame(t.g, {false, 0});
    OnBoardClick(t.g, Cell{3, 3});
    BoardScene s = SceneOf(t.g);
    ASSERT_EQ(s.stones.size(), 3u);
    EXPECT_EQ(s.stones[0].cell, (Cell{8, 8})); // the computer opened, with black
    EXPECT_TRUE(s.stones[0].black);
    EXPECT_EQ(s.stones[1].cell, (Cell{3, 3}));
    EXPECT_FALSE(s.stones[1].black);
    EXPECT_EQ(s.marker, t.g.compStones.back());
    EXPECT_TRUE(s.markerOnBlack);
    EXPECT_TRUE(s.winningLine.empty());
}

TEST(BoardScene, APlayersWinInTheGameIsHighlighted) {
    TestGame t;
    NewGame(t.g, {});
    // clang-format off
    SetPosition(t.g, {"O O O O . X",
                      "X X X . . X"}, {5, 8});
    // clang-format on
    t.g.GameMode = 0;
    t.g.CentreRule = false;
    OnBoardClick(t.g, Cell{9, 8});
    ASSERT_FALSE(t.g.GameActive);
    EXPECT_EQ(sorted(SceneOf(t.g).winningLine),
              (std::vector<Cell>{{5, 8}, {6, 8}, {7, 8}, {8, 8}, {9, 8}}));
}

TEST(ReviewCursor, StepsWithinTheRecord) {
    ReviewCursor cursor(GameRecord{{{8, 8}, {9, 9}, {7, 7}}});
    EXPECT_EQ(cursor.position(), 3u); // a review opens on the final position
    EXPECT_TRUE(cursor.atEnd());
    struct Step {
        void (ReviewCursor::*move)();
        std::size_t position;
    };
    for (Step s : {Step{&ReviewCursor::Next, 3}, Step{&ReviewCursor::Previous, 2},
                   Step{&ReviewCursor::First, 0}, Step{&ReviewCursor::Previous, 0},
                   Step{&ReviewCursor::Next, 1}, Step{&ReviewCursor::Last, 3}}) {
        (cursor.*s.move)();
        EXPECT_EQ(cursor.position(), s.position);
    }
}

} // namespace
} // namespace wuzi::test
