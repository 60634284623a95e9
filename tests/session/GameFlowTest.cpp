#include "session/GameFlow.h"
#include "engines/LastResort.h"
#include "opponents/ChainSteps.h"
#include "opponents/Turns.h"
#include "rules/Placement.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

TEST(ProgramStart, DefaultsBeforeTheFirstGame) {
    TestGame t;
    BookGame& g = t.g;
    EXPECT_EQ(g.GameMode, 2);
    EXPECT_EQ(g.SearchLevel, 2);
    EXPECT_EQ(g.Difficulty, 0);
    EXPECT_FALSE(g.GameActive);
    EXPECT_TRUE(g.PlayerTurn);
    EXPECT_TRUE(g.PlayerFirst);
    // Before the first new game a click changes nothing.
    OnBoardClick(g, Cell{8, 8});
    EXPECT_EQ(g.PlayerMoveNo, 1);
    EXPECT_EQ(g.cell(8, 8), kEmpty);
}

TEST(NewGame, TheMenusFirstChecksGiveModeFour) {
    TestGame t;
    NewGame(t.g, t.menu);
    EXPECT_EQ(t.g.GameMode, 4);
    EXPECT_TRUE(t.g.GameActive);
    EXPECT_TRUE(t.g.CentreRule);
    EXPECT_EQ(t.g.BookMoveNo, 1);
    EXPECT_EQ(t.g.BookOrientation, 1);
    EXPECT_TRUE(t.g.LatticeFlip);
    EXPECT_TRUE(t.g.BookActive);
    EXPECT_TRUE(t.g.DiagonalBookActive);
}

TEST(NewGame, ComputerFirstOpensOnTheCentre) {
    TestGame t;
    OnComputerFirst(t.g, t.menu);
    NewGame(t.g, t.menu);
    EXPECT_EQ(t.g.GameMode, 5);
    EXPECT_EQ(t.g.cell(8, 8), kComputer);
    EXPECT_EQ(t.g.CompMoveNo, 2);
    EXPECT_EQ(t.g.PlayerMoveNo, 1);
    EXPECT_TRUE(t.g.PlayerTurn);
    EXPECT_FALSE(t.g.PlayerFirst);
    EXPECT_FALSE(t.g.CentreRule);
    EXPECT_TRUE(t.g.imgW.visible); // the computer's stone is black
}

TEST(NewGame, ClearsTheBoardAndMarkers) {
    TestGame t;
    NewGame(t.g, t.menu);
    PlayerPlace(t.g, Cell{8, 8});
    ASSERT_GT(t.g.CompMoveNo, 1);
    NewGame(t.g, t.menu);
    EXPECT_TRUE(t.g.playerStones.empty());
    EXPECT_TRUE(t.g.compStones.empty());
    EXPECT_FALSE(t.g.imgW.visible);
    EXPECT_FALSE(t.g.imgB.visible);
    EXPECT_TRUE(BoardMatchesHistories(t.g));
}

struct CoinCase {
    int digit;
    bool coin;
};
std::ostream& operator<<(std::ostream& out, const CoinCase& c) {
    return out << "seconds digit " << c.digit;
}
class BookCoinTest : public ::testing::TestWithParam<CoinCase> {};

TEST_P(BookCoinTest, DrawnFromTheSecondsDigit) {
    TestGame t(GetParam().digit);
    NewGame(t.g, t.menu);
    EXPECT_EQ(t.g.BookCoin, GetParam().coin);
}

INSTANTIATE_TEST_SUITE_P(Digits, BookCoinTest,
                         ::testing::Values(CoinCase{0, true}, CoinCase{5, true}, CoinCase{1, false},
                                           CoinCase{4, false}, CoinCase{9, false}));

TEST(Menus, SideAndOpponentSetTheModeBetweenGames) {
    TestGame t;
    BookGame& g = t.g;
    OnOpponent(g, t.menu, 3);
    EXPECT_EQ(g.GameMode, 6);
    OnComputerFirst(g, t.menu);
    EXPECT_EQ(g.GameMode, 7);
    EXPECT_FALSE(g.PlayerTurn);
    OnOpponent(g, t.menu, 0);
    EXPECT_EQ(g.GameMode, 1);
    OnPlayerFirst(g, t.menu);
    EXPECT_EQ(g.GameMode, 0);
    EXPECT_TRUE(g.PlayerTurn);
    OnDifficulty(g, 2);
    EXPECT_EQ(g.Difficulty, 2);
    EXPECT_EQ(g.SearchLevel, 4);
}

TEST(Menus, OptionsDoNothingDuringAGame) {
    TestGame t;
    BookGame& g = t.g;
    NewGame(g, t.menu);
    OnOpponent(g, t.menu, 4);
    OnComputerFirst(g, t.menu);
    OnDifficulty(g, 1);
    EXPECT_EQ(g.GameMode, 4);
    EXPECT_EQ(g.Difficulty, 0);
    EXPECT_EQ(t.menu.opponent, 2);
    EXPECT_TRUE(t.menu.playerFirst);
}

TEST(Menus, EndGameStopsClicksAndKeepsTheStones) {
    TestGame t;
    BookGame& g = t.g;
    NewGame(g, t.menu);
    OnBoardClick(g, Cell{8, 8});
    int stones = g.PlayerMoveNo + g.CompMoveNo;
    EndGame(g);
    OnBoardClick(g, Cell{2, 2});
    EXPECT_EQ(g.PlayerMoveNo + g.CompMoveNo, stones);
    EXPECT_EQ(g.cell(8, 8), kPlayer);
    EXPECT_TRUE(t.messages.boxes.empty());
}

TEST(Game, PlayersFiveEndsTheGameBeforeTheComputerMoves) {
    TestGame t;
    BookGame& g = t.g;
    NewGame(g, t.menu);
    SetPosition(g, {". O O O O ."}, {4, 8});
    g.CentreRule = false;
    g.PlayerTurn = true;
    int computerStones = g.CompMoveNo;
    OnBoardClick(g, Cell{9, 8});
    EXPECT_TRUE(t.messages.shown("玩家胜!"));
    EXPECT_FALSE(g.GameActive);
    EXPECT_EQ(g.CompMoveNo, computerStones);
}

// A board without any five, full but for one cell: runs of two in every direction, the
// stones of one pattern being `first`'s and the others `second`'s.
std::vector<std::string> drawlessBoard(Cell empty, char first, char second) {
    std::vector<std::string> rows;
    for (int y = 1; y <= 15; ++y) {
        std::string row;
        for (int x = 1; x <= 15; ++x)
            row += Cell{x, y} == empty ? '.' : ((x + 2 * y) / 2) % 2 == 0 ? first : second;
        rows.push_back(row);
    }
    return rows;
}

// The player's stone on the last empty cell: Marrowick's turn finds no move, Peddrin's
// game is drawn by the full-board test before the stone is handed to the search.
TEST(Game, PlayersLastStoneFillingTheBoardIsADraw) {
    for (int opponent : {2, 3}) {
        TestGame t;
        BookGame& g = t.g;
        t.menu.opponent = opponent;
        NewGame(g, t.menu); // player first
        SetPosition(g, drawlessBoard({15, 15}, 'O', 'X'));
        ASSERT_EQ(g.PlayerMoveNo, 113); // 112 player stones
        ASSERT_EQ(g.CompMoveNo, 113);
        g.CentreRule = false;
        g.BookActive = false;
        g.PlayerTurn = true;
        OnBoardClick(g, Cell{15, 15});
        EXPECT_EQ(g.cell(15, 15), kPlayer) << "opponent " << opponent;
        EXPECT_EQ(t.messages.boxes.size(), 1u) << "opponent " << opponent;
        EXPECT_TRUE(t.messages.shown("此局为和局!")) << "opponent " << opponent;
        EXPECT_FALSE(g.GameActive);
        EXPECT_FALSE(g.engine.MoveSignal) << "opponent " << opponent;
    }
}

TEST(Game, ComputersStoneFillingTheBoardIsADraw) {
    TestGame t;
    BookGame& g = t.g;
    OnComputerFirst(g, t.menu);
    NewGame(g, t.menu);
    SetPosition(g, drawlessBoard({2, 1}, 'X', 'O'));
    ASSERT_EQ(g.CompMoveNo, 113);
    ASSERT_EQ(g.PlayerMoveNo, 113);
    CompChoose(g, 15, 15);
    EXPECT_EQ(g.cell(2, 1), kComputer);
    EXPECT_TRUE(t.messages.shown("此局为和局!"));
    EXPECT_FALSE(g.GameActive);
}

TEST(SetUpPosition, RefusesPositionsNoGameReaches) {
    TestGame t;
    EXPECT_FALSE(SetUpPosition(t.g, t.menu, {{{8, 8}, kPlayer}, {{9, 9}, kPlayer}}));
    EXPECT_FALSE(SetUpPosition(t.g, t.menu, {{{8, 8}, kPlayer}, {{8, 8}, kComputer}}));
    EXPECT_FALSE(SetUpPosition(t.g, t.menu, {{{16, 8}, kPlayer}}));
    ASSERT_TRUE(
        SetUpPosition(t.g, t.menu, {{{8, 8}, kPlayer}, {{9, 9}, kComputer}, {{7, 7}, kPlayer}}));
    EXPECT_TRUE(t.g.PlayerFirst);
    EXPECT_FALSE(t.g.BookActive);
    EXPECT_TRUE(BoardMatchesHistories(t.g));
}

} // namespace
} // namespace wuzi::test
