// The checks that vouch for Vesk's suites and the puzzles, on drawn positions: the
// exhaustive check and the threat-game search must agree on wins known by hand, the check
// that lets the attacker play any stone must find the wins that begin with a quiet one,
// the search must try every defence that matters, and the check of a long win's line
// must catch a broken line.
#include "AnyStoneCheck.h"
#include "BoardPicture.h"
#include "ExhaustiveCheck.h"
#include "LongWinCheck.h"
#include "ShortestWin.h"
#include "ThreatMoves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Space = ShortestWin::Space;

struct CheckCase {
    const char* what;
    std::vector<std::string> rows;
    int byFours;   // the shortest win by fours, in plies; 0: none within 6 stones
    int byThreats; // the shortest win by threats; 0: none within 4 stones
    int anyStone;  // the shortest win by any stones; 0: none within 4 stones
};

// gtest names the case in its reports by this, not by the struct's bytes.
void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.what;
}

// clang-format off
const CheckCase kCases[] = {
    {"five_now", {
        "...............",
        ".XXXX..........",
        "...............",
        "...............",
        "O....O....O...O",
    }, 1, 1, 1},
    {"open_four_next", {
        "...............",
        "..XXX..........",
        "...............",
        "...............",
        "O....O....O....",
    }, 3, 3, 3},
    {"four_three", {
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        "..XX...........",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }, 5, 5, 5},
    {"the_block_opens_a_four", {
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        "..XX...........",
        ".......OOO.....",
        "...............",
        "...............",
        "...............",
        "...............",
        "O..............",
    }, 0, 0, 0},
    {"the_block_makes_a_four", {
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        "..XX...........",
        ".......OOOX....",
        "...............",
        "...............",
        "...............",
        "...............",
        "O.............O",
    }, 0, 0, 0},
    {"a_three_first", {
        "...............",
        "...............",
        ".........O.....",
        "....O..........",
        ".......X.......",
        "......X........",
        "...............",
        "....O..X.O.....",
        "......X........",
    }, 0, 7, 7},
    {"double_three", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".....X.........",
        ".....X.........",
        "...XX..........",
        "...............",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }, 0, 5, 5},
    // X's fours and threes win in 5 moves, a quiet stone first in 4: after it every
    // answer leaves X a win in 3.
    {"a_quiet_stone_first", {
        "...............",
        "...............",
        "...............",
        "...............",
        ".......O.......",
        "..........O....",
        ".......OX.X....",
        ".......XO.X....",
        "......O..XX....",
        "..........O....",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }, 0, 0, 7},
    {"defender_three_comes_first", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".....X.........",
        ".....X.........",
        "...XX..........",
        "...............",
        "...............",
        ".........OOO...",
        "...............",
        "O..............",
    }, 0, 0, 0},
};
// clang-format on

class ShortestWinTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ShortestWinTest, BothChecksFindTheShortestWin) {
    const CheckCase& c = GetParam();
    ExhaustiveCheck fours = ExhaustiveCheck::ofCells(cellsOf(c.rows));
    EXPECT_EQ(fours.shortestByFours(6), c.byFours);
    EXPECT_EQ(fours.winsByFours(6), c.byFours > 0);
    ExhaustiveCheck threats = ExhaustiveCheck::ofCells(cellsOf(c.rows));
    EXPECT_EQ(threats.shortestByThreats(4), c.byThreats);
    ShortestWin search(gridOf(cellsOf(c.rows)), 1'000'000);
    EXPECT_EQ(search.shortestPlies(Space::kFours, 1, 6), c.byFours);
    EXPECT_EQ(search.shortestPlies(Space::kThreats, 1, 4), c.byThreats);
}

TEST_P(ShortestWinTest, AnyStoneFindsTheShortestWinWithQuietStones) {
    const CheckCase& c = GetParam();
    int moves = AnyStoneCheck(cellsOf(c.rows)).shortest(4);
    EXPECT_EQ(moves > 0 ? 2 * moves - 1 : 0, c.anyStone);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ShortestWinTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.what); });

// O to move against X's threes; * marks every answer that matters.
struct DefenceCase {
    const char* what;
    std::vector<std::string> rows;
};

void PrintTo(const DefenceCase& c, std::ostream* out) {
    *out << c.what;
}

// clang-format off
const DefenceCase kDefences[] = {
    {"open_three_the_near_cells", {
        "...............",
        "...*XXX*.......",
        "...............",
        "O.............O",
    }},
    {"closed_three_also_the_far_cell", {
        "...............",
        "..O*XXX**......",
        "...............",
        "...............",
        "...............",
        ".XOOO**........",
        "...............",
        "..............X",
    }},
    {"split_three_every_gap", {
        "...............",
        "..*X*XX*.......",
        "...............",
        "O.............O",
    }},
    {"two_threes_no_cell_stops_both", {
        "...............",
        "....XXX........",
        "...............",
        "...........X...",
        "...........X...",
        "...........X...",
        "...............",
        "O.............O",
        "...............",
        "O.............O",
        "...............",
        "...............",
        "...............",
        "...............",
        ".......O.......",
    }},
};
// clang-format on

class DefenceTest : public ::testing::TestWithParam<DefenceCase> {};

TEST_P(DefenceTest, AreTheCellsThatStopEveryDoubleFiveAndTheCounterFours) {
    const DefenceCase& c = GetParam();
    LineGrid grid = gridOf(cellsOf(c.rows));
    ASSERT_EQ(grid.sideToMove(), 1);
    std::vector<int> answers = threat::defences(grid, 0);
    std::sort(answers.begin(), answers.end());
    EXPECT_EQ(answers, marked(c.rows, '*'));
}

INSTANTIATE_TEST_SUITE_P(Pictures, DefenceTest, ::testing::ValuesIn(kDefences),
                         [](const auto& info) { return std::string(info.param.what); });

// clang-format off
// X to move wins by fours and threes in 15 plies, and by fours not at all.
const std::vector<std::string> kLongWin = {
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    ".......X.......",
    ".......X.......",
    "......XOO......",
    "...............",
    "....O..........",
    "...............",
};
// clang-format on

TEST(LongWin, IsFoundAtItsShortestWithALineThatEndsInFive) {
    LineGrid grid = gridOf(cellsOf(kLongWin));
    ShortestWin search(grid, 20'000'000);
    EXPECT_EQ(search.winsWithin(Space::kFours, LineGrid::kCells), ShortestWin::Answer::kNoWin);
    EXPECT_FALSE(ExhaustiveCheck::ofCells(cellsOf(kLongWin)).winsByFours(LineGrid::kCells));
    EXPECT_EQ(search.shortestPlies(Space::kThreats, 1, 10), 15);
    SuiteLine entry{false, 15, cellsOf(kLongWin), search.line(Space::kThreats, 8)};
    EXPECT_EQ(lineFault(entry), "");
}

TEST(LongWin, TheExhaustiveCheckConfirmsItAgainstEveryDefence) {
    ShortestWin search(gridOf(cellsOf(kLongWin)), 20'000'000);
    auto strategy = searchStrategy(search, Space::kThreats);
    EXPECT_TRUE(ExhaustiveCheck::ofCells(cellsOf(kLongWin)).confirmsWin(8, true, strategy));
    // Stones that win with one more to spare do not win within seven.
    auto oneMore = [&](const std::vector<int>& board, int moves) {
        return strategy(board, moves + 1);
    };
    EXPECT_FALSE(ExhaustiveCheck::ofCells(cellsOf(kLongWin)).confirmsWin(7, true, oneMore));
    auto corner = [](const std::vector<int>&, int) { return 0; }; // threatens nothing
    EXPECT_FALSE(ExhaustiveCheck::ofCells(cellsOf(kLongWin)).confirmsWin(8, true, corner));
}

TEST(LongWin, ALineThatBreaksTheGameIsCaught) {
    LineGrid grid = gridOf(cellsOf(kLongWin));
    ShortestWin search(grid, 20'000'000);
    SuiteLine good{false, 15, cellsOf(kLongWin), search.line(Space::kThreats, 8)};
    SuiteLine byFours = good, shortened = good, unblocked = good;
    byFours.byFours = true; // its first stone makes a three, not a four
    shortened.line.resize(13);
    // Some defender stone answers a four; elsewhere, it lets the five in.
    for (std::size_t i = 1; i < good.line.size(); i += 2) {
        grid.place(good.line[i - 1], 0);
        bool four = grid.hasFiveCell(0);
        grid.place(good.line[i], 1);
        if (four && unblocked.line == good.line) unblocked.line[i] = 0;
    }
    ASSERT_NE(unblocked.line, good.line);
    EXPECT_EQ(lineFault(byFours), "an attacker stone that threatens nothing");
    EXPECT_EQ(lineFault(shortened), "the line's length differs");
    EXPECT_EQ(lineFault(unblocked), "a four left unblocked");
}

} // namespace
