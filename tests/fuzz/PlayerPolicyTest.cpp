#include "PlayerPolicy.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::fuzz {
namespace {

// Asks the player for a cell with many different bytes, collecting every answer.
std::vector<Cell> answers(const BookGame& g, int takesItsWin) {
    std::vector<Cell> cells;
    for (int seed = 0; seed < 64; ++seed) {
        std::vector<std::uint8_t> bytes{
            static_cast<std::uint8_t>(seed * 4), static_cast<std::uint8_t>(seed * 7 + 3),
            static_cast<std::uint8_t>(seed * 13 + 5), static_cast<std::uint8_t>(255 - seed)};
        ByteStream in(bytes);
        cells.push_back(DefendingCell(g, in, takesItsWin));
    }
    return cells;
}

struct DefenceCase {
    const char* name;
    std::vector<std::string> picture; // the computer's stone in the middle row is its newest
    Cell newest;
    std::vector<Cell> blocks; // every answer is one of these
};
void PrintTo(const DefenceCase& c, std::ostream* out) {
    *out << c.name;
}

class DefendingCellTest : public ::testing::TestWithParam<DefenceCase> {};

TEST_P(DefendingCellTest, BlocksTheComputersThreat) {
    test::TestGame t;
    test::SetPosition(t.g, GetParam().picture, {4, 4}, {GetParam().newest});
    for (Cell c : answers(t.g, 0))
        EXPECT_NE(std::find(GetParam().blocks.begin(), GetParam().blocks.end(), c),
                  GetParam().blocks.end())
            << c << "\n"
            << test::Picture(t.g);
}

INSTANTIATE_TEST_SUITE_P(
    Threats, DefendingCellTest,
    ::testing::Values(
        // O X X X X .   the only cell that stops five
        DefenceCase{"ClosedFour", {"O......", "OXXXX..", "O......"}, {5, 5}, {{9, 5}}},
        // . X X . X X .   only the gap stops five
        DefenceCase{"BrokenFour", {"O......", ".XX.XX.", "O...O.."}, {5, 5}, {{7, 5}}},
        // . . X X X . .  either end, before it becomes an open four
        DefenceCase{"OpenThree", {"O......", "..XXX..", "O.....O"}, {6, 5}, {{5, 5}, {9, 5}}}),
    [](const auto& info) { return info.param.name; });

TEST(DefendingCell, TakesItsOwnFiveOnlyWhenGreedy) {
    test::TestGame t;
    // . O O O O .    the player's four, newest stone at its left end; no computer threat
    // . . X . X .
    test::SetPosition(t.g, {".OOOO.", "..X.X."}, {6, 6}, {{7, 6}});
    auto wins = [](const std::vector<Cell>& cells) {
        return std::count_if(cells.begin(), cells.end(), [](Cell c) {
            return c == Cell{6, 6} || c == Cell{11, 6};
        });
    };
    EXPECT_EQ(wins(answers(t.g, 0)), 0);
    EXPECT_EQ(wins(answers(t.g, 100)), 64);
}

TEST(DefendingCell, OpensOnTheCentreUnderTheCentreRule) {
    test::TestGame t;
    t.g.CentreRule = true;
    auto cells = answers(t.g, 0);
    EXPECT_GT(std::count(cells.begin(), cells.end(), Cell{8, 8}), 48);
}

} // namespace
} // namespace wuzi::fuzz
