#include "session/PuzzleGame.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace wuzi::test {
namespace {

//   row 8:  . . . . . X X X . . . .     black to move: either end makes an open four
//           3 4 5 6 7 8 9 ...           (white's stones stand far away, in the corners)
Puzzle openThree() {
    Puzzle p;
    p.id = "test";
    p.moves = 2;
    p.stones = {{7, 8}, {1, 1}, {8, 8}, {1, 15}, {9, 8}, {15, 1}};
    p.line = {{10, 8}, {6, 8}, {11, 8}};
    return p;
}

// Any winning stone is accepted, the stored line's or another; the defender blocks, and
// the five solves the puzzle.
TEST(PuzzleGame, AnyWinningStoneIsAnsweredAndTheFiveSolvesIt) {
    for (Cell first : {Cell{10, 8}, Cell{6, 8}}) {
        PuzzleGame game(openThree());
        ASSERT_EQ(game.hint(), (Cell{10, 8}));
        PuzzleGame::Answer answer = game.play(first);
        ASSERT_EQ(answer.verdict, PuzzleGame::Verdict::GoesOn) << first.x;
        EXPECT_EQ(game.play(answer.defence).verdict, PuzzleGame::Verdict::Refused); // taken
        // The open four's other end.
        Cell five = answer.defence.x < 8 ? Cell{first.x == 10 ? 11 : 10, 8}
                                         : Cell{first.x == 10 ? 6 : 5, 8};
        EXPECT_EQ(game.play(five).verdict, PuzzleGame::Verdict::Solved) << first.x;
        EXPECT_TRUE(game.over());
    }
}

TEST(PuzzleGame, AStoneThatLosesTheWinIsRefutedAndTakenBack) {
    PuzzleGame game(openThree());
    PuzzleGame::Answer answer = game.play({12, 12});
    ASSERT_EQ(answer.verdict, PuzzleGame::Verdict::Refuted);
    EXPECT_EQ(answer.defence.y, 8); // the three blocked
    EXPECT_TRUE(game.refuted());
    EXPECT_FALSE(game.hint());
    ASSERT_TRUE(game.retry());
    EXPECT_TRUE(game.played().empty());
    EXPECT_EQ(game.play({10, 8}).verdict, PuzzleGame::Verdict::GoesOn);
}

// Every shipped puzzle is solved by following the hints: the referee never refutes a
// stone of the stored line, and every answer leaves the attacker a win within the moves.
class ShippedPuzzles : public testing::TestWithParam<const char*> {};

TEST_P(ShippedPuzzles, AreSolvedByTheirHints) {
    std::ifstream file(std::string(WUZI_PUZZLE_DIR) + "/" + GetParam());
    ASSERT_TRUE(file) << GetParam();
    std::stringstream text;
    text << file.rdbuf();
    std::vector<Puzzle> puzzles = ReadPuzzles(text.str(), PuzzleLevel::FoursIn3);
    ASSERT_GE(puzzles.size(), 75u);
    for (const Puzzle& puzzle : puzzles) {
        PuzzleGame game(puzzle);
        for (int stone = 0; stone < puzzle.moves && !game.over(); ++stone) {
            std::optional<Cell> hint = game.hint();
            ASSERT_TRUE(hint) << puzzle.id;
            ASSERT_NE(game.play(*hint).verdict, PuzzleGame::Verdict::Refuted) << puzzle.id;
        }
        EXPECT_TRUE(game.solved()) << puzzle.id;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedPuzzles,
                         testing::Values("fours-3.txt", "fours-5.txt", "threats-3.txt",
                                         "threats-4.txt"));

TEST(ReadPuzzles, ReadsEachWholeLineAndSkipsTheRest) {
    const char* text = "# a comment\n"
                       "p1 2 H8 G9 H9 / H10 H11 H7\n"
                       "p2 2 H8 Z9 / H10\n" // a cell off the board
                       "p3 2 H8 H8 / H10\n" // two stones on one cell
                       "p4 x H8 / H10\n";
    std::vector<Puzzle> puzzles = ReadPuzzles(text, PuzzleLevel::FoursIn3);
    ASSERT_EQ(puzzles.size(), 1u);
    EXPECT_EQ(puzzles[0].id, "p1");
    EXPECT_EQ(puzzles[0].stones, (std::vector<Cell>{{8, 8}, {7, 7}, {8, 7}}));
    EXPECT_FALSE(puzzles[0].blackToMove());
    EXPECT_EQ(puzzles[0].line.front(), (Cell{8, 6}));
}

} // namespace
} // namespace wuzi::test
