#include "engines/LastResort.h"
#include "opponents/ChainSteps.h"
#include "opponents/Opponent.h"
#include "opponents/Turns.h"
#include "rules/Placement.h"
#include "session/GameFlow.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace wuzi::test {
namespace {

Cell newestComputerStone(const Game& g) {
    return g.compStones.back();
}

TEST(PlaceNear, EightNeighboursTakenGoesTwoBelow) {
    TestGame t;
    SetPosition(t.g, {"X X X", "X O X", "X X X"}, {7, 7});
    t.g.GameActive = true;
    PlaceNear(t.g, 8, 8);
    EXPECT_EQ(newestComputerStone(t.g), (Cell{8, 10}));
    EXPECT_TRUE(t.g.CompMoved);
}

// Every cell within distance 3 of (8, 8) along the eight directions is taken.
// clang-format off
const std::vector<std::string> kInnerStarTaken = {"X . . X . . X",
                                                  ". X . X . X .",
                                                  ". . X X X . .",
                                                  "X X X O X X X",
                                                  ". . X X X . .",
                                                  ". X . X . X .",
                                                  "X . . X . . X"};
// clang-format on

TEST(PlaceNear, RingRangeStopsAtTheEdge) {
    // (13, 3) at distance 4: row 7 from column 13 rightwards, then from column 9;
    // the range of column 9 that starts above row 1 is skipped whole.
    TestGame t;
    std::vector<std::string> rows(15, std::string(15, '.'));
    auto take = [&](int x, int y) { rows[y - 1][x - 1] = 'X'; };
    for (int i = 1; i <= 3; ++i)
        for (auto [dx, dy] :
             {std::pair{0, 1}, {1, 1}, {-1, 0}, {1, -1}, {0, -1}, {-1, -1}, {1, 0}, {-1, 1}})
            if (onBoard(13 + i * dx, 3 + i * dy)) take(13 + i * dx, 3 + i * dy);
    for (int x = 9; x <= 15; ++x)
        take(x, 7);
    for (int y = 3; y <= 6; ++y)
        take(9, y);
    rows[2][12] = 'O';
    SetPosition(t.g, rows);
    t.g.GameActive = true;
    PlaceNear(t.g, 13, 3);
    // (9, 1) and (9, 2) are free but lie in the skipped range; distance 4 offers nothing
    // else, so the ring of distance 5 answers with its first cell.
    EXPECT_EQ(newestComputerStone(t.g), (Cell{13, 8}));
    EXPECT_EQ(t.g.cell(9, 1), kEmpty);
}

TEST(PlaceNearAlt, TriesLeftBeforeTheRingAndRightAfterIt) {
    TestGame t;
    SetPosition(t.g, {"X X X", "X O X", "X X X"}, {7, 7});
    t.g.GameActive = true;
    PlaceNearAlt(t.g, 8, 8);
    EXPECT_EQ(newestComputerStone(t.g), (Cell{8, 10}));
    t.g.setCell(8, 10, kPlayer);
    t.g.setCell(10, 10, kPlayer);
    PlaceNearAlt(t.g, 8, 8);
    EXPECT_EQ(newestComputerStone(t.g), (Cell{6, 8}));
}

struct RingCase {
    const char* what;
    std::vector<Cell> alsoTaken;
    Cell near;    // PlaceNear's choice
    Cell nearAlt; // PlaceNearAlt's choice
};

std::ostream& operator<<(std::ostream& out, const RingCase& c) {
    return out << c.what;
}

class RingOrderTest : public ::testing::TestWithParam<RingCase> {};

// At distance 4 PlaceNear walks the rows below and above, then the columns right and
// left; PlaceNearAlt tries three star cells first, then the row above, the right column,
// the row below and the left column.
TEST_P(RingOrderTest, DistanceFourCandidatesInOrder) {
    for (bool alt : {false, true}) {
        TestGame t;
        SetPosition(t.g, kInnerStarTaken, {5, 5});
        for (Cell c : GetParam().alsoTaken)
            t.g.setCell(c.x, c.y, kPlayer);
        t.g.GameActive = true;
        (alt ? PlaceNearAlt : PlaceNear)(t.g, 8, 8);
        EXPECT_EQ(newestComputerStone(t.g), alt ? GetParam().nearAlt : GetParam().near)
            << (alt ? "PlaceNearAlt" : "PlaceNear");
    }
}

std::vector<Cell> rowCells(int y, int from, int to) {
    std::vector<Cell> cells;
    for (int x = from; x <= to; ++x)
        cells.push_back({x, y});
    return cells;
}

std::vector<Cell> joined(std::vector<std::vector<Cell>> parts) {
    std::vector<Cell> cells;
    for (auto& p : parts)
        cells.insert(cells.end(), p.begin(), p.end());
    return cells;
}

INSTANTIATE_TEST_SUITE_P(
    Ring, RingOrderTest,
    ::testing::Values(RingCase{"only the star cells within distance 3", {}, {8, 12}, {8, 12}},
                      RingCase{
                          "three star cells taken", {{8, 12}, {12, 12}, {4, 8}}, {9, 12}, {8, 4}},
                      RingCase{"and the row above and (12, 8)",
                               joined({{{8, 12}, {12, 12}, {4, 8}, {12, 8}}, rowCells(4, 4, 12)}),
                               {9, 12},
                               {12, 9}},
                      RingCase{"whole rows above and below",
                               joined({{{4, 8}}, rowCells(4, 4, 12), rowCells(12, 4, 12)}),
                               {12, 8},
                               {12, 8}}));

TEST(PlaceNear, FullBoardPlacesNothing) {
    TestGame t;
    for (int y = 1; y <= 15; ++y)
        for (int x = 1; x <= 15; ++x)
            t.g.setCell(x, y, (x + y) % 2 ? kPlayer : kComputer);
    t.g.CompMoved = false;
    PlaceNear(t.g, 8, 8);
    PlaceNearAlt(t.g, 8, 8);
    EXPECT_FALSE(t.g.CompMoved);
    EXPECT_EQ(t.messages.count("critical"), 0);
}

TEST(PlayMove, TakenCellIsNotPlayedAndNothingIsReported) {
    TestGame t;
    SetPosition(t.g, {"O"}, {8, 8});
    EXPECT_FALSE(PlayMove(t.g, 8, 8));
    EXPECT_FALSE(PlayMove(t.g, 0, 8));
    EXPECT_FALSE(t.g.CompMoved);
    EXPECT_TRUE(t.messages.boxes.empty());
}

TEST(CompChoose, NoChainForTheModeIsADraw) {
    TestGame t;
    NewGame(t.g, {});
    t.g.GameMode = 2 * kOpponentCount; // beyond the last opponent
    CompChoose(t.g, 8, 8);
    EXPECT_TRUE(t.messages.shown("此局为和局!"));
    EXPECT_FALSE(t.g.GameActive);
    EXPECT_TRUE(t.g.PlayerTurn);
}

} // namespace
} // namespace wuzi::test
