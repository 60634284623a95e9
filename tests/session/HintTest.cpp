#include "session/Hint.h"
#include "rules/Placement.h"
#include "session/GameFlow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

// A running game of opponent `opponent` on the position drawn, the player to move.
void SetUpPlayersTurn(TestGame& t, int opponent, const std::vector<std::string>& picture,
                      Cell topLeft, const std::vector<Cell>& newestLast = {}) {
    NewGame(t.g, {true, opponent});
    SetPosition(t.g, picture, topLeft, newestLast);
    t.g.CentreRule = false;
    t.g.BookActive = t.g.DiagonalBookActive = false;
    t.g.PlayerTurn = true;
}

struct HintCase {
    const char* name;
    int opponent;
    std::vector<std::string> picture; // drawn from (5, 6)
    Cell expected;
};
std::ostream& operator<<(std::ostream& out, const HintCase& c) {
    return out << c.name;
}

class HintFor : public ::testing::TestWithParam<HintCase> {};

// Every opponent's selection begins with the forced moves, played for the player here.
TEST_P(HintFor, ThePlayersForcedMove) {
    TestGame t;
    SetUpPlayersTurn(t, GetParam().opponent, GetParam().picture, {5, 6});
    EXPECT_EQ(Hint(t.g), GetParam().expected) << Picture(t.g);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Positions, HintFor,
    ::testing::Values(
        // The player's own four is completed (the player's five, not the computer's).
        HintCase{"completesThePlayersFour", 0,
                 {". . . . . . .",
                  "X O O O O . .",
                  ". X X X . . .",
                  ". . . . X . ."},
                 {10, 7}},
        // The computer's four is blocked.
        HintCase{"blocksTheComputersFour", 2,
                 {"O X X X X . .",
                  ". . O O . . O",
                  ". . . . . . .",
                  ". . . . O . ."},
                 {10, 6}},
        HintCase{"blocksForCorvaneToo", 4,
                 {". . . O . . .",
                  ". O . X . . .",
                  ". O . X . . .",
                  ". . . X . . .",
                  ". O . X . O ."},
                 {8, 11}},
        // Opponent 3's search, playing the player's side, sees the computer's five coming.
        HintCase{"blocksForPeddrinsSearch", 3,
                 {". . . O . . .",
                  ". O . X . . .",
                  ". O . X . . .",
                  ". . . X . . .",
                  ". O . X . O ."},
                 {8, 11}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Hint, PeddrinsSearchDoesNotGiveUpALostPosition) {
    // The computer's four on the second row is open at (13, 4), and whatever the player
    // does the computer wins within four plies: four plies of search see every move lose,
    // three see the block hold.
    // clang-format off
    const std::vector<std::string> picture = {
        ".....O.OXOOOXO.",
        "......XOXXXX...",
        ".......XOX.....",
        ".......OXXXOX..",
        ".......O.X.....",
        ".........OO....",
    };
    // clang-format on
    TestGame t;
    OnDifficulty(t.g, 2);
    SetUpPlayersTurn(t, 3, picture, {1, 3});
    EXPECT_EQ(Hint(t.g), (Cell{13, 4})) << Picture(t.g);
}

TEST(Hint, ChangesNothingInTheGame) {
    TestGame t;
    NewGame(t.g, {true, 0});
    for (Cell c : {Cell{8, 8}, Cell{9, 9}, Cell{6, 7}})
        OnBoardClick(t.g, Cell{c.x, c.y});
    std::string before = Picture(t.g);
    GameState state = t.g;
    std::optional<Cell> hint = Hint(t.g);
    ASSERT_TRUE(hint.has_value());
    EXPECT_TRUE(t.g.isEmpty(*hint));
    EXPECT_EQ(Picture(t.g), before);
    EXPECT_EQ(t.g.PlayerMoveNo, state.PlayerMoveNo);
    EXPECT_EQ(t.g.CompMoveNo, state.CompMoveNo);
    EXPECT_EQ(t.g.playerStones.size(), state.playerStones.size());
    EXPECT_EQ(t.g.GameMode, state.GameMode);
    EXPECT_TRUE(t.g.PlayerTurn);
    EXPECT_TRUE(t.g.GameActive);
    EXPECT_TRUE(t.messages.boxes.empty());
    // The game's own random numbers were not drawn from.
    SeededRandom fresh;
    EXPECT_EQ(t.g.random.next(), fresh.next());
}

TEST(Hint, TheFirstStoneGoesOnTheCentre) {
    TestGame t;
    NewGame(t.g, {});
    EXPECT_EQ(Hint(t.g), (Cell{8, 8}));
}

TEST(Hint, NothingOutsideThePlayersTurn) {
    TestGame t;
    EXPECT_FALSE(Hint(t.g).has_value()); // no game
    NewGame(t.g, {true, 0});
    OnBoardClick(t.g, Cell{8, 8});
    EndGame(t.g);
    EXPECT_FALSE(Hint(t.g).has_value());
}

} // namespace
} // namespace wuzi::test
