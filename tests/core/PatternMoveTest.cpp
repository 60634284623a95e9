#include "engines/PatternMove.h"
#include "core/RoutineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

struct DevelopCase {
    const char* name;
    std::vector<std::string> picture; // '*' marks the cell handed to the test
    int mode;
    Cell expected; // (0, 0): no stone
    Flag flag0;
};

const DevelopCase kDevelopCases[] = {
    {"pair with room, from a stone: the back half's first cell",
     {". . X * . . ."},
     3,
     {4, 8},
     kTrue},
    {"X . X . from its left stone: the gap", {". . * . X . ."}, 3, {6, 8}, kTrue},
    {"a lone stone is no group", {". . . * . . ."}, 3, {}, kFalse},
    {"closed right next to the stone", {"O * X . . . ."}, 3, {}, kFalse},
    {"mode 5 only reports", {". . X * . . ."}, 5, {}, kTrue},
    {"mode 2 plays the cell itself", {". . X * . . ."}, 2, {6, 8}, kFalse},
    {"an unknown mode does nothing", {". . X * . . ."}, 6, {}, kFalse},
};

TEST(PatternMoveAt, DevelopsAGroupWithRoom) {
    for (const auto& c : kDevelopCases) {
        TestGame t;
        Cell cell = SetMarkedPosition(t.g, c.picture, {3, 8});
        if (c.mode != 2) t.g.setCell(cell.x, cell.y, kComputer); // scanned from a stone
        t.g.ResultFlags[0] = kFalse;
        std::size_t before = t.g.compStones.size();
        PatternMoveAt(t.g, cell.x, cell.y, 0, c.mode);
        EXPECT_TRUE(PlayedOnly(t, before, c.expected)) << c.name;
        EXPECT_EQ(t.g.ResultFlags[0], c.flag0) << c.name;
    }
}

TEST(PatternMoveAt, ModeFourPlaysTheCellOnceAGroupCellMakesACrossThree) {
    // (10, 8), a cell of the pair across, would make a live three down the board.
    const std::vector<std::string> picture = {
        ". . . . .", ". * X . .", ". . . X .", ". . . X .", ". . . . .",
    };
    TestGame t;
    Cell cell = SetMarkedPosition(t.g, picture, {7, 7});
    PatternMoveAt(t.g, cell.x, cell.y, 0, 4);
    EXPECT_EQ(NewestComputerStone(t.g), cell);
    EXPECT_EQ(t.g.CompMoved, kTrue);

    TestGame lone;
    cell = SetMarkedPosition(lone.g, {". * X . ."}, {7, 8});
    PatternMoveAt(lone.g, cell.x, cell.y, 0, 4);
    EXPECT_EQ(lone.g.CompMoved, kFalse);
}

// A pair down the board through the offered cell (8, 8); its cell (8, 7) would make a
// four across, in direction 1.
const std::vector<std::string> kSecondGroup = {
    ". . . . . .", "X X X . . .", ". . . * . .", ". . . X . .", ". . . . . .",
};

TEST(PatternMoveAtB, PlaysTheOfferedCellNeverTheGroupCell) {
    struct Case {
        int keep;
        int mode;
        bool plays;
    };
    for (Case c : {Case{0, 1, true}, Case{5, 1, true}, Case{1, 1, false}, Case{0, 2, false}}) {
        TestGame t;
        Cell cell = SetMarkedPosition(t.g, kSecondGroup, {5, 6});
        PatternMoveAtB(t.g, cell.x, cell.y, 1, c.keep, c.mode);
        EXPECT_EQ(t.g.CompMoved, toFlag(c.plays)) << "keep " << c.keep << " mode " << c.mode;
        if (c.plays) {
            EXPECT_EQ(NewestComputerStone(t.g), cell);
        }
        EXPECT_EQ(t.g.cell(8, 7), kEmpty);
    }
}

TEST(PatternMoveAt, ModeOnePlaysAGroupCellThatLiesOnASecondGroup) {
    // Across, the pair (8, 8)-(9, 8) offers (7, 8) first; down through (7, 8) the pair
    // with (7, 9) has the cell (7, 7), which would make a four across.
    TestGame t;
    Cell cell = SetMarkedPosition(t.g,
                                  {". . . . . . . .", "X X X . . . . .", ". . . . * X . .",
                                   ". . . X . . . .", ". . . . . . . ."},
                                  {4, 6});
    PatternMoveAt(t.g, cell.x, cell.y, 0, 1);
    EXPECT_EQ(NewestComputerStone(t.g), (Cell{7, 8}));
    EXPECT_EQ(t.g.CompMoved, kTrue);
}

} // namespace
} // namespace wuzi::test
