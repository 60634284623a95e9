#include "engines/AIHard.h"
#include "support/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace wuzi::test {
namespace {

struct SplitCase {
    const char* what;
    bool player; // PlayerSplitThree, else OwnSplitThree
    Cell expected;
    Drawing board; // 'x', 'o': the newest stone of the side examined
};
std::ostream& operator<<(std::ostream& out, const SplitCase& c) {
    return out << c.what;
}

class SplitThreeTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitThreeTest, PlaysTheMiddleGap) {
    const SplitCase& c = GetParam();
    TestGame t;
    Draw(t.g, c.board);
    Cell played = PlayedBy(t.g, [&] {
        if (c.player)
            PlayerSplitThree(t.g);
        else
            OwnSplitThree(t.g);
    });
    EXPECT_EQ(played, c.expected);
    EXPECT_EQ(t.messages.count("critical"), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Own, SplitThreeTest, ::testing::Values(
    // (4,8) would make the live three (4,8) (4,9) (4,10).
    SplitCase{"the left ray of the newest stone", false, {6, 8}, {{2, 7}, {
        "..........",
        "...X.X.x..",
        "..X.......",
        "..X.......",
        "..........",
    }}},
    SplitCase{"three computer stones: no move", false, kNoMove, {{2, 8}, {
        "...X.X.x..",
    }}},
    SplitCase{"no three beyond the shape", false, kNoMove, {{2, 7}, {
        "..........",
        "...X.X.x..",
        "..........",
        "..........",
        "..........",
        "X.........",
    }}},
    SplitCase{"the cell beyond taken: no shape", false, kNoMove, {{2, 7}, {
        "..........",
        ".O.X.X.x..",
        "..X.......",
        "..X.......",
        "..........",
    }}},
    // Tried, the left ray would read (0, 8) off the board.
    SplitCase{"a stone on column 6 tries no left ray", false, kNoMove, {{1, 7}, {
        "............",
        ".X.X.x......",
        "............",
        "............",
        "............",
        "...........X",
    }}},
    // The left ray of (8,8) matches but gives no three; (13,8) beyond the right ray's
    // shape would make the live three (13,8) (13,9) (13,10).
    SplitCase{"a ray without a three passes to the next", false, {11, 8}, {{2, 7}, {
        ".............",
        "..X.X.x.X.X..",
        "...........X.",
        "...........X.",
        ".............",
    }}},
    // (4,4) would make the live three (4,4) (4,5) (4,6).
    SplitCase{"the up-left ray", false, {6, 6}, {{2, 2}, {
        ".........",
        ".........",
        ".........",
        "..XX.....",
        "..X......",
        ".....X...",
        ".........",
        ".......x.",
        ".........",
    }}}));

INSTANTIATE_TEST_SUITE_P(Player, SplitThreeTest, ::testing::Values(
    // A player stone on (4,8) would make the live three (4,8) (4,9) (4,10).
    SplitCase{"the player's shape is broken in its middle gap", true, {6, 8}, {{2, 7}, {
        "..........",
        "...O.O.o..",
        "..O.......",
        "..O.......",
        "..........",
    }}},
    SplitCase{"no live three beyond the player's shape", true, kNoMove, {{2, 7}, {
        "..........",
        "...O.O.o..",
        "..........",
        "..........",
        "..........",
        "O.........",
    }}}));
// clang-format on

} // namespace
} // namespace wuzi::test
