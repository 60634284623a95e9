#include "engines/AIHard.h"
#include "support/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace wuzi::test {
namespace {

struct NextToCase {
    const char* what;
    Cell expected;
    Drawing board; // 'o' is the player's last stone, X the cells taken
};
std::ostream& operator<<(std::ostream& out, const NextToCase& c) {
    return out << c.what;
}

Cell LastStone(const Game& g) {
    return g.playerStones.back();
}

class PlayNextToLastMoveTest : public ::testing::TestWithParam<NextToCase> {};

TEST_P(PlayNextToLastMoveTest, TakesTheFirstFreeCellInOrder) {
    const NextToCase& c = GetParam();
    TestGame t;
    Draw(t.g, c.board);
    Cell last = LastStone(t.g);
    EXPECT_EQ(PlayedBy(t.g, [&] { PlayNextToLastMove(t.g, last.x, last.y); }), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FirstNeighbour, PlayNextToLastMoveTest, ::testing::Values(
    NextToCase{"left edge columns go toward the centre", {4, 8}, {{2, 7}, {
        "...",
        ".o.",
        "...",
    }}},
    NextToCase{"left edge, inner-low row: then the diagonal above", {4, 7}, {{2, 7}, {
        "...",
        ".oX",
        "...",
    }}},
    NextToCase{"left edge, low row: then the diagonal below", {3, 3}, {{1, 1}, {
        "....",
        ".oX.",
        "....",
    }}},
    NextToCase{"inner-low columns go outward", {5, 8}, {{5, 7}, {
        "...",
        ".o.",
        "...",
    }}},
    NextToCase{"inner columns try no diagonal", {6, 9}, {{5, 7}, {
        "...",
        "Xo.",
        "...",
    }}},
    NextToCase{"inner-high columns go outward", {11, 8}, {{9, 7}, {
        "...",
        ".o.",
        "...",
    }}},
    NextToCase{"right edge, inner-high row: then the diagonal below", {12, 13}, {{12, 11}, {
        "...",
        "Xo.",
        "...",
    }}},
    NextToCase{"a corner keeps its diagonal on the board", {14, 2}, {{13, 1}, {
        ".Xo",
        "...",
    }}},
    NextToCase{"the points off the board are passed over", {15, 14}, {{13, 13}, {
        "...",
        ".X.",
        ".Xo",
    }}}));
// clang-format on

// The whole board: every cell within Chebyshev distance `radius` of the player's last
// stone (8, 8) taken, and `extra` taken too.
Drawing TakenAround(int radius, Cell extra) {
    Drawing d{{1, 1}, std::vector<std::string>(kBoardSize, std::string(kBoardSize, '.'))};
    auto put = [&](int x, int y, char c) { d.rows[y - 1][x - 1] = c; };
    for (int y = 8 - radius; y <= 8 + radius; ++y)
        for (int x = 8 - radius; x <= 8 + radius; ++x)
            put(x, y, 'X');
    put(extra.x, extra.y, 'X');
    put(8, 8, 'o');
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Distances, PlayNextToLastMoveTest,
    ::testing::Values(
        // At distance 3 only the eight points: (8, 11) taken, then (11, 11).
        NextToCase{"no ring at distance 3", {11, 11}, TakenAround(2, {8, 11})},
        // At distance 5 the ring's row below comes before the other points.
        NextToCase{"the ring first at distance 5", {9, 13}, TakenAround(4, {8, 13})}));

// The whole board taken but `free`, with the player's last stone on `last`.
Drawing FullBut(Cell free, Cell last) {
    Drawing d{{1, 1}, {}};
    for (int y = 1; y <= kBoardSize; ++y) {
        std::string row;
        for (int x = 1; x <= kBoardSize; ++x)
            row += Cell{x, y} == free   ? '.'
                   : Cell{x, y} == last ? 'o'
                   : (x + 2 * y) % 3    ? 'X'
                                        : 'O';
        d.rows.push_back(row);
    }
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    LastFreeCell, PlayNextToLastMoveTest,
    ::testing::Values(
        // (15, 15) lies on the ring of distance 7 around (8, 8).
        NextToCase{"found around the stone", {15, 15}, FullBut({15, 15}, {8, 8})},
        // (15, 14) lies on no searched point around (1, 1): the column scan finds it.
        NextToCase{"found by the column scan", {15, 14}, FullBut({15, 14}, {1, 1})}));

TEST(PlayNextToLastMove, FullBoardPlacesNothing) {
    TestGame t;
    Draw(t.g, FullBut({0, 0}, {8, 8}));
    EXPECT_EQ(PlayedBy(t.g, [&] { PlayNextToLastMove(t.g, 8, 8); }), kNoMove);
    EXPECT_TRUE(t.messages.boxes.empty());
}

} // namespace
} // namespace wuzi::test
