#include "engines/PatternMove.h"
#include "support/RoutineTestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

struct DevelopCase {
    const char* name;
    std::vector<std::string> picture; // '*' marks the cell handed to the test
    DevelopMode mode;
    Cell expected; // (0, 0): no stone
    bool answer;   // what it returns
};

const DevelopCase kDevelopCases[] = {
    {"pair with room, from a stone: the back half's first cell",
     {". . X * . . ."},
     DevelopMode::PlayGroupCell,
     {4, 8},
     true},
    {"X . X . from its left stone: the gap",
     {". . * . X . ."},
     DevelopMode::PlayGroupCell,
     {6, 8},
     true},
    {"a lone stone is no group", {". . . * . . ."}, DevelopMode::PlayGroupCell, {}, false},
    {"closed right next to the stone", {"O * X . . . ."}, DevelopMode::PlayGroupCell, {}, false},
    {"answer mode only answers", {". . X * . . ."}, DevelopMode::Answer, {}, true},
    {"play mode plays the cell itself", {". . X * . . ."}, DevelopMode::Play, {6, 8}, true},
};

TEST(PatternMoveAt, DevelopsAGroupWithRoom) {
    for (const auto& c : kDevelopCases) {
        TestGame t;
        Cell cell = SetMarkedPosition(t.g, c.picture, {3, 8});
        if (c.mode != DevelopMode::Play) t.g.setCell(cell.x, cell.y, kComputer); // from a stone
        std::size_t before = t.g.compStones.size();
        bool answer = PatternMoveAt(t.g, cell.x, cell.y, 0, c.mode);
        EXPECT_TRUE(PlayedOnly(t, before, c.expected)) << c.name;
        EXPECT_EQ(answer, c.answer) << c.name;
    }
}

TEST(PatternMoveAt, PlayIfCrossThreePlaysTheCellOnceAGroupCellMakesACrossThree) {
    // (10, 8), a cell of the pair across, would make a live three down the board.
    const std::vector<std::string> picture = {
        ". . . . .", ". * X . .", ". . . X .", ". . . X .", ". . . . .",
    };
    TestGame t;
    Cell cell = SetMarkedPosition(t.g, picture, {7, 7});
    PatternMoveAt(t.g, cell.x, cell.y, 0, DevelopMode::PlayIfCrossThree);
    EXPECT_EQ(NewestComputerStone(t.g), cell);
    EXPECT_TRUE(t.g.CompMoved);

    TestGame lone;
    cell = SetMarkedPosition(lone.g, {". * X . ."}, {7, 8});
    PatternMoveAt(lone.g, cell.x, cell.y, 0, DevelopMode::PlayIfCrossThree);
    EXPECT_FALSE(lone.g.CompMoved);
}

// A pair down the board through the offered cell (8, 8); its cell (8, 7) would make a
// four across, in direction 1.
const std::vector<std::string> kSecondGroup = {
    ". . . . . .", "X X X . . .", ". . . * . .", ". . . X . .", ". . . . . .",
};

TEST(PatternMoveAtB, PlaysTheOfferedCellNeverTheGroupCell) {
    struct Case {
        int keep;
        bool plays;
    };
    for (Case c : {Case{0, true}, Case{5, true}, Case{1, false}}) {
        TestGame t;
        Cell cell = SetMarkedPosition(t.g, kSecondGroup, {5, 6});
        PatternMoveAtB(t.g, cell.x, cell.y, 1, c.keep);
        EXPECT_EQ(t.g.CompMoved, c.plays) << "keep " << c.keep;
        if (c.plays) {
            EXPECT_EQ(NewestComputerStone(t.g), cell);
        }
        EXPECT_EQ(t.g.cell(8, 7), kEmpty);
    }
}

TEST(PatternMoveAt, OfferGroupCellsPlaysAGroupCellThatLiesOnASecondGroup) {
    // Across, the pair (8, 8)-(9, 8) offers (7, 8) first; down through (7, 8) the pair
    // with (7, 9) has the cell (7, 7), which would make a four across.
    TestGame t;
    Cell cell = SetMarkedPosition(t.g,
                                  {". . . . . . . .", "X X X . . . . .", ". . . . * X . .",
                                   ". . . X . . . .", ". . . . . . . ."},
                                  {4, 6});
    PatternMoveAt(t.g, cell.x, cell.y, 0, DevelopMode::OfferGroupCells);
    EXPECT_EQ(NewestComputerStone(t.g), (Cell{7, 8}));
    EXPECT_TRUE(t.g.CompMoved);
}

} // namespace
} // namespace wuzi::test
