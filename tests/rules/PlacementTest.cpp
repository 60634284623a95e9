#include "rules/Placement.h"
#include "opponents/Turns.h"
#include "session/GameFlow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

TEST(PlayerPlace, CentreRuleRefusesAnyOtherFirstStone) {
    TestGame t;
    NewGame(t.g, {true, 0});
    PlayerPlace(t.g, Cell{8, 9});
    EXPECT_TRUE(t.messages.shown("第一步请走在天元!"));
    EXPECT_EQ(t.messages.boxes.back().title, "提示");
    EXPECT_EQ(t.g.PlayerMoveNo, 1);
    EXPECT_TRUE(t.g.PlayerTurn);
    EXPECT_TRUE(t.g.CentreRule);
    PlayerPlace(t.g, Cell{8, 8});
    EXPECT_EQ(t.g.cell(8, 8), kPlayer);
    EXPECT_FALSE(t.g.CentreRule);
}

TEST(PlayerPlace, ComputerFirstLetsThePlayerPlayAnywhere) {
    TestGame t;
    NewGame(t.g, {false, 0});
    PlayerPlace(t.g, Cell{1, 15});
    EXPECT_EQ(t.g.cell(1, 15), kPlayer);
    EXPECT_EQ(t.messages.count("information"), 0);
}

TEST(PlayerPlace, OccupiedCellIsIgnoredSilently) {
    TestGame t;
    NewGame(t.g, {false, 0});
    PlayerPlace(t.g, Cell{8, 8}); // the computer's centre stone
    EXPECT_EQ(t.g.PlayerMoveNo, 1);
    EXPECT_TRUE(t.g.PlayerTurn);
    EXPECT_TRUE(t.messages.boxes.empty());
}

TEST(PlayerPlace, MarkerSitsOnTheNewestStone) {
    TestGame t;
    NewGame(t.g, {}); // 先手: the player is black
    PlayerPlace(t.g, Cell{8, 8});
    ASSERT_EQ(t.g.playerStones, (std::vector<Cell>{{8, 8}}));
    // The computer answered: its white stone now carries imgB, imgW is hidden.
    EXPECT_FALSE(t.g.imgW.visible);
    ASSERT_TRUE(t.g.imgB.visible);
    EXPECT_EQ(t.g.imgB.cell, t.g.compStones.back());
}

TEST(PlayerPlace, MarkerOnPlayersCentreStoneBeforeAnyAnswer) {
    TestGame t;
    NewGame(t.g, {});
    t.g.GameMode = 99; // no chain: the computer's turn only declares the draw
    PlayerPlace(t.g, Cell{8, 8});
    ASSERT_TRUE(t.g.imgW.visible);
    EXPECT_EQ(t.g.imgW.cell, (Cell{8, 8}));
}

struct FiveCase {
    const char* name;
    std::vector<std::string> picture;
    Cell last;
    bool wins;
};

std::ostream& operator<<(std::ostream& out, const FiveCase& c) {
    return out << c.name;
}

class CheckWinTest : public ::testing::TestWithParam<FiveCase> {};

TEST_P(CheckWinTest, FiveOrMoreThroughTheLastStone) {
    const FiveCase& c = GetParam();
    TestGame t;
    t.g.GameActive = true;
    SetPosition(t.g, c.picture);
    CheckWin(t.g, kPlayer, c.last.x, c.last.y);
    EXPECT_EQ(!t.g.GameActive, c.wins) << c.name;
    EXPECT_EQ(t.messages.shown("玩家胜!"), c.wins) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CheckWinTest,
    ::testing::Values(
        FiveCase{
            "horizontal five at the right edge", {". . . . . . . . . . O O O O O"}, {15, 1}, true},
        FiveCase{"vertical five touching the bottom edge",
                 {".", ".", ".", ".", ".", ".", ".", ".", ".", ".", "O", "O", "O", "O", "O"},
                 {1, 13},
                 true},
        FiveCase{"overline of six made by filling a gap", {". O O O O O O ."}, {5, 1}, true},
        FiveCase{"four is not five", {". O O O O X"}, {3, 1}, false},
        FiveCase{"rising diagonal",
                 {". . . . O", ". . . O .", ". . O . .", ". O . . .", "O . . . ."},
                 {3, 3},
                 true},
        FiveCase{"falling diagonal into the corner",
                 {"O . . . .", ". O . . .", ". . O . .", ". . . O .", ". . . . O"},
                 {1, 1},
                 true},
        FiveCase{"broken line", {"O O . O O O"}, {6, 1}, false}));

TEST(CheckWin, ComputerFiveShowsItsMessage) {
    TestGame t;
    t.g.GameActive = true;
    SetPosition(t.g, {"X X X X X"});
    CheckWin(t.g, kComputer, 3, 1);
    EXPECT_TRUE(t.messages.shown("计算机胜!"));
    EXPECT_FALSE(t.g.GameActive);
}

TEST(CompPlace, TakenCellIsRefusedAsAFault) {
    TestGame t;
    NewGame(t.g, {});
    SetPosition(t.g, {"O X"}, {7, 7});
    auto before = t.g.BoardCells;
    EXPECT_FALSE(CompPlace(t.g, 7, 7));
    EXPECT_FALSE(CompPlace(t.g, 8, 7));
    EXPECT_FALSE(CompPlace(t.g, 0, 3));
    EXPECT_FALSE(CompPlace(t.g, 16, 3));
    EXPECT_EQ(t.g.BoardCells, before);
    EXPECT_EQ(t.g.CompMoveNo, 2);
    EXPECT_EQ(t.messages.count("critical"), 4);
    EXPECT_EQ(t.messages.boxes.back().title, "错误");
}

// Fills the board in a pattern with no five anywhere: rows alternate in pairs.
std::vector<Cell> drawlessOrder() {
    std::vector<Cell> cells;
    for (int y = 1; y <= 15; ++y)
        for (int x = 1; x <= 15; ++x)
            cells.push_back({x, y});
    return cells;
}
int drawlessSide(Cell c) {
    return ((c.x + 2 * c.y) / 2) % 2 == 0 ? kPlayer : kComputer;
}

TEST(CheckDraw, FullBoardWithoutFiveIsADraw) {
    TestGame t;
    t.g.GameActive = true;
    for (Cell c : drawlessOrder())
        t.g.setCell(c.x, c.y, drawlessSide(c));
    CheckDraw(t.g);
    EXPECT_TRUE(t.messages.shown("此局为和局!"));
    EXPECT_FALSE(t.g.GameActive);
}

TEST(CheckDraw, OneEmptyCellIsNoDraw) {
    TestGame t;
    t.g.GameActive = true;
    for (Cell c : drawlessOrder())
        t.g.setCell(c.x, c.y, drawlessSide(c));
    t.g.setCell(15, 15, kEmpty);
    CheckDraw(t.g);
    EXPECT_TRUE(t.messages.boxes.empty());
    EXPECT_TRUE(t.g.GameActive);
}

} // namespace
} // namespace wuzi::test
