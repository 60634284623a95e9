#include "core/GameFlow.h"
#include "core/Placement.h"
#include "core/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

struct SnapCase {
    float X, Y;
    Cell cell;
    float snappedX, snappedY;
};

std::ostream& operator<<(std::ostream& out, const SnapCase& c) {
    return out << "click (" << c.X << ", " << c.Y << ")";
}

class SnapTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapTest, ClickSnapsToCellAndStonePixel) {
    const SnapCase& c = GetParam();
    SnappedClick s = SnapClick(c.X, c.Y);
    EXPECT_EQ(s.cell, c.cell) << "click " << c.X << ", " << c.Y;
    EXPECT_FLOAT_EQ(s.X, c.snappedX);
    EXPECT_FLOAT_EQ(s.Y, c.snappedY);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, SnapTest,
    ::testing::Values(
        // Clamping beyond the picture.
        SnapCase{0, 0, {1, 1}, 5, 4}, SnapCase{400, 400, {15, 15}, 300, 285},
        SnapCase{-50, 150, {1, 8}, 5, 145},
        // Column 1 ends at X = 23, column 2 starts at 24; row 1 ends at Y = 21.
        SnapCase{23, 21, {1, 1}, 6, 5}, SnapCase{24, 22, {2, 2}, 27, 25},
        // A whole-pixel click inside the range lands on 6 + 21(x - 1), 5 + 20(y - 1).
        SnapCase{150, 150, {8, 8}, 153, 145}, SnapCase{300, 285, {15, 15}, 300, 285},
        SnapCase{5, 4, {1, 1}, 6, 5},
        // Column x takes 21x - 18 .. 21x + 2; row y takes 20y - 18 .. 20y + 1.
        SnapCase{149, 142, {7, 8}, 132, 145}, SnapCase{151, 161, {8, 8}, 153, 145},
        SnapCase{170, 162, {8, 9}, 153, 165},
        // Halves round to even: round(12.5 - 12) = 0, round(13.5 - 12) = 2.
        SnapCase{12.5f, 11.5f, {1, 1}, 6.5f, 5.5f}, SnapCase{13.5f, 12.5f, {1, 1}, 5.5f, 4.5f},
        // Negative remainders keep their sign: round(6 - 12) mod 21 = -6.
        SnapCase{6, 5, {1, 1}, 6, 5}));

TEST(PlayerPlace, CentreRuleRefusesAnyOtherFirstStone) {
    TestGame t;
    t.g.menu = {true, 0};
    NewGame(t.g);
    PlayerPlace(t.g, ClickX(8), ClickY(9));
    EXPECT_TRUE(t.messages.shown("第一步请走在天元!"));
    EXPECT_EQ(t.messages.boxes.back().title, "提示");
    EXPECT_EQ(t.g.PlayerMoveNo, 1);
    EXPECT_EQ(t.g.PlayerTurn, kTrue);
    EXPECT_EQ(t.g.CentreRule, kTrue);
    PlayerPlace(t.g, ClickX(8), ClickY(8));
    EXPECT_EQ(t.g.cell(8, 8), kPlayer);
    EXPECT_EQ(t.g.CentreRule, kFalse);
}

TEST(PlayerPlace, ComputerFirstLetsThePlayerPlayAnywhere) {
    TestGame t;
    t.g.menu = {false, 0};
    NewGame(t.g);
    PlayerPlace(t.g, ClickX(1), ClickY(15));
    EXPECT_EQ(t.g.cell(1, 15), kPlayer);
    EXPECT_EQ(t.messages.count("information"), 0);
}

TEST(PlayerPlace, OccupiedCellIsIgnoredSilently) {
    TestGame t;
    t.g.menu = {false, 0};
    NewGame(t.g);
    PlayerPlace(t.g, ClickX(8), ClickY(8)); // the computer's centre stone
    EXPECT_EQ(t.g.PlayerMoveNo, 1);
    EXPECT_EQ(t.g.PlayerTurn, kTrue);
    EXPECT_TRUE(t.messages.boxes.empty());
}

TEST(PlayerPlace, MarkerSitsOnTheNewestStone) {
    TestGame t;
    NewGame(t.g); // 先手: the player is black
    PlayerPlace(t.g, 150, 150);
    ASSERT_EQ(t.g.imgPlayer.size(), 1u);
    EXPECT_FLOAT_EQ(t.g.imgPlayer[0].left, 153);
    EXPECT_FLOAT_EQ(t.g.imgPlayer[0].top, 145);
    // The computer answered: its white stone now carries imgB, imgW is hidden.
    EXPECT_FALSE(t.g.imgW.visible);
    ASSERT_TRUE(t.g.imgB.visible);
    EXPECT_FLOAT_EQ(t.g.imgB.left, t.g.imgComputer.back().left + 4);
    EXPECT_FLOAT_EQ(t.g.imgB.top, t.g.imgComputer.back().top + 4);
}

TEST(PlayerPlace, MarkerOnPlayersCentreStoneBeforeAnyAnswer) {
    TestGame t;
    NewGame(t.g);
    t.g.GameMode = 99; // no chain: the computer's turn only declares the draw
    PlayerPlace(t.g, 150, 150);
    ASSERT_TRUE(t.g.imgW.visible);
    EXPECT_FLOAT_EQ(t.g.imgW.left, 157);
    EXPECT_FLOAT_EQ(t.g.imgW.top, 149);
}

struct FiveCase {
    const char* name;
    std::vector<std::string> picture;
    Cell last;
    bool wins;
};

std::ostream& operator<<(std::ostream& out, const FiveCase& c) { return out << c.name; }

class CheckWinTest : public ::testing::TestWithParam<FiveCase> {};

TEST_P(CheckWinTest, FiveOrMoreThroughTheLastStone) {
    const FiveCase& c = GetParam();
    TestGame t;
    t.g.GameActive = kTrue;
    t.g.OptionsEnabled = kFalse;
    SetPosition(t.g, c.picture);
    CheckWin(t.g, kPlayer, c.last.x, c.last.y);
    EXPECT_EQ(t.g.GameActive == kFalse, c.wins) << c.name;
    EXPECT_EQ(t.messages.shown("玩家胜!"), c.wins) << c.name;
    EXPECT_EQ(t.g.OptionsEnabled == kTrue, c.wins) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CheckWinTest,
    ::testing::Values(
        FiveCase{"horizontal five at the right edge",
                 {". . . . . . . . . . O O O O O"}, {15, 1}, true},
        FiveCase{"vertical five touching the bottom edge",
                 {".", ".", ".", ".", ".", ".", ".", ".", ".", ".", "O", "O", "O", "O", "O"},
                 {1, 13}, true},
        FiveCase{"overline of six made by filling a gap",
                 {". O O O O O O ."}, {5, 1}, true},
        FiveCase{"four is not five", {". O O O O X"}, {3, 1}, false},
        FiveCase{"rising diagonal",
                 {". . . . O", ". . . O .", ". . O . .", ". O . . .", "O . . . ."}, {3, 3},
                 true},
        FiveCase{"falling diagonal into the corner",
                 {"O . . . .", ". O . . .", ". . O . .", ". . . O .", ". . . . O"}, {1, 1},
                 true},
        FiveCase{"broken line", {"O O . O O O"}, {6, 1}, false}));

TEST(CheckWin, ComputerFiveShowsItsMessage) {
    TestGame t;
    t.g.GameActive = kTrue;
    SetPosition(t.g, {"X X X X X"});
    CheckWin(t.g, kComputer, 3, 1);
    EXPECT_TRUE(t.messages.shown("计算机胜!"));
    EXPECT_EQ(t.g.GameActive, kFalse);
}

TEST(CompPlace, TakenCellIsRefusedAsAFault) {
    TestGame t;
    NewGame(t.g);
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

TEST(CompPlace, StonePixelIsOneHigherThanAPlayersStone) {
    TestGame t;
    NewGame(t.g);
    ASSERT_TRUE(CompPlace(t.g, 3, 5));
    EXPECT_FLOAT_EQ(t.g.imgComputer[0].left, 48);
    EXPECT_FLOAT_EQ(t.g.imgComputer[0].top, 84);
    EXPECT_EQ(t.g.imgComputer[0].cell(), (Cell{3, 5}));
}

// Fills the board in a pattern with no five anywhere: rows alternate in pairs.
std::vector<Cell> drawlessOrder() {
    std::vector<Cell> cells;
    for (int y = 1; y <= 15; ++y)
        for (int x = 1; x <= 15; ++x) cells.push_back({x, y});
    return cells;
}
int drawlessSide(Cell c) { return ((c.x + 2 * c.y) / 2) % 2 == 0 ? kPlayer : kComputer; }

TEST(CheckDraw, FullBoardWithoutFiveIsADraw) {
    TestGame t;
    t.g.GameActive = kTrue;
    for (Cell c : drawlessOrder()) t.g.setCell(c.x, c.y, drawlessSide(c));
    CheckDraw(t.g);
    EXPECT_TRUE(t.messages.shown("此局为和局!"));
    EXPECT_EQ(t.g.GameActive, kFalse);
}

TEST(CheckDraw, OneEmptyCellIsNoDraw) {
    TestGame t;
    t.g.GameActive = kTrue;
    for (Cell c : drawlessOrder()) t.g.setCell(c.x, c.y, drawlessSide(c));
    t.g.setCell(15, 15, kEmpty);
    CheckDraw(t.g);
    EXPECT_TRUE(t.messages.boxes.empty());
    EXPECT_EQ(t.g.GameActive, kTrue);
}

} // namespace
} // namespace wuzi::test
