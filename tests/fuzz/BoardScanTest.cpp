#include "BoardScan.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::fuzz {
namespace {

struct FiveCase {
    const char* name;
    std::vector<std::string> picture;
    bool computerFive;
    bool playerFive;
};
void PrintTo(const FiveCase& c, std::ostream* out) {
    *out << c.name;
}

class HasFiveTest : public ::testing::TestWithParam<FiveCase> {};

TEST_P(HasFiveTest, FindsFiveOrMoreInAnyLine) {
    test::TestGame t;
    test::SetPosition(t.g, GetParam().picture);
    EXPECT_EQ(HasFive(t.g.BoardCells, kComputer), GetParam().computerFive);
    EXPECT_EQ(HasFive(t.g.BoardCells, kPlayer), GetParam().playerFive);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, HasFiveTest,
    ::testing::Values(
        FiveCase{"Row", {"..XXXXX..", "OOOO....."}, true, false},
        FiveCase{"OverlineOfSix", {"OOOOOO"}, false, true},
        FiveCase{"FourAndAGap", {"XXXX.X", "OOO.OO"}, false, false},
        FiveCase{"ColumnOnTheEdge",
                 {"...............", "..............O", "..............O", "..............O",
                  "..............O", "..............O"},
                 false,
                 true},
        FiveCase{"FallingDiagonal", {"X....", ".X...", "..X..", "...X.", "....X"}, true, false},
        FiveCase{"RisingDiagonal", {"....O", "...O.", "..O..", ".O...", "O...."}, false, true},
        FiveCase{"MixedLine", {"XXOXX", "OOXOO"}, false, false}),
    [](const auto& info) { return info.param.name; });

TEST(FiveCellsAround, NamesEveryCellThatCompletesFive) {
    test::TestGame t;
    // . X X X X .    both ends of the four
    // . . . . . .
    // . . . . . .
    // . . . . . .
    // . . . . . .
    // X . X X X .    the gap of the broken four
    test::SetPosition(t.g, {".XXXX.", "......", "......", "......", "......", "X.XXX."});
    EXPECT_EQ(FiveCellsAround(t.g.BoardCells, kComputer, {3, 1}),
              (std::vector<Cell>{{1, 1}, {6, 1}}));
    EXPECT_EQ(FiveCellsAround(t.g.BoardCells, kComputer, {3, 6}), (std::vector<Cell>{{2, 6}}));
    EXPECT_TRUE(FiveCellsAround(t.g.BoardCells, kPlayer, {3, 1}).empty());
}

} // namespace
} // namespace wuzi::fuzz
