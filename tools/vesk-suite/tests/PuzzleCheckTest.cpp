// The referee of the puzzles on drawn positions: a sound puzzle passes, and each kind of
// broken one is caught. Digits draw the stored line: 1 the attacker's first stone, 2
// the answer, and so on to the five.
#include "PuzzleCheck.h"
#include "BoardPicture.h"
#include "PuzzleFile.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct PuzzleCase {
    const char* what;
    std::vector<std::string> rows;
    const char* level; // its prefix
    int moves;
    std::string fault;
};

void PrintTo(const PuzzleCase& c, std::ostream* out) {
    *out << c.what;
}

Puzzle puzzleOf(const PuzzleCase& c) {
    Puzzle p{"", c.moves, cellsOf(c.rows), {}};
    for (char step = '1'; step <= '9'; ++step)
        for (int cell : marked(c.rows, step))
            p.line.push_back(cell);
    return p;
}

// clang-format off
// X wins by fours in 3: a four on the diagonal, whose block leaves the row's open four.
const std::vector<std::string> kFourThree = {
    "...............",
    ".O.............",
    "..X............",
    "...X...........",
    "....X..........",
    ".4XX315........",
    "......2........",
    "...............",
    "...............",
    "...............",
    "...............",
    "O....O....O...O",
};

const PuzzleCase kCases[] = {
    {"sound", kFourThree, "f3", 3, ""},
    {"a_win_by_fours_in_a_level_of_threes", kFourThree, "t3", 3, "a win by fours exists"},
    {"moves_out_of_the_level", kFourThree, "f5", 3, "MOVES is out of the level's range"},
    {"a_shorter_win_beside_it", {
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        ".4XX315........",
        "......2........",
        "...............",
        "..........XXX..",
        "...............",
        "...............",
        "O....O....O...O",
        "...............",
        "O.............O",
        "O..............",
    }, "f3", 3, "the shortest win by fours is not MOVES"},
    {"a_four_stands", {
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        ".4XX315........",
        "......2........",
        "...............",
        "...............",
        "...............",
        "...............",
        ".OOOO..........",
    }, "f3", 3, "a four stands on the board"},
    {"a_line_cut_short", {
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        "..XX31.........",
        "......2........",
        "...............",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }, "f3", 3, "the line's length differs"},
    {"a_line_that_lets_the_four_through", {
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        ".4XX315........",
        "...............",
        "......2........",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }, "f3", 3, "a four left unblocked"},
    // X wins by threes in 3 on the corner of its twos; the line's first stone makes one
    // three, and only the defender's far answer lets it through.
    {"a_first_stone_that_does_not_win", {
        "..............2",
        "...............",
        "...............",
        ".....4.........",
        ".....1.........",
        ".....X.........",
        ".....X.........",
        "...XX3.........",
        ".....5.........",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }, "t3", 3, "the line's stone 1 does not win"},
    // X's fours and threes win in 5 moves, but a quiet stone first wins in 4.
    {"a_quiet_stone_wins_sooner", {
        "...............",
        "...............",
        "...............",
        "...............",
        ".......O.8.....",
        ".......6.7O.2..",
        ".......OX3X14..",
        ".......XO5X....",
        "......O..XX....",
        ".........9O....",
    }, "t4", 5, "a shorter win exists, any stone allowed"},
};
// clang-format on

class PuzzleCheckTest : public ::testing::TestWithParam<PuzzleCase> {};

TEST_P(PuzzleCheckTest, FindsTheFault) {
    const PuzzleCase& c = GetParam();
    EXPECT_EQ(puzzleFault(puzzleOf(c), *levelOfName(c.level)), c.fault);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PuzzleCheckTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.what); });

// t4-057 with a poorer first answer: after I7 the fours and threes still need 5 moves,
// but a quiet stone first wins in 4.
TEST(PuzzleCheck, AnAnswerThatLetsAQuietStoneWinSoonerDoesNotHoldOutLongest) {
    Puzzle p = puzzleFromText("t4-057 6 G8 I9 G7 G9 H9 I10 I8 F8 J7 G10 / "
                              "H7 I7 K6 L5 I6 F9 H6 H8 J6 G6 L6");
    EXPECT_EQ(puzzleFault(p, *levelOfName("t4")), "the line's answer 2 does not hold out longest");
}

} // namespace
