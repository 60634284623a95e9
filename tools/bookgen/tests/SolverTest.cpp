#include "Advisor.h"
#include "Shapes.h"
#include "ThreatSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bookgen {
namespace {

using wuzi::Cell;

// A position drawn as a picture from `topLeft`: X the computer, O the player, '*' (and
// '.') empty; '*' marks the cell the test is about.
struct Picture {
    Board board;
    std::vector<int> marked;
};

Picture draw(const std::vector<std::string>& rows, Cell topLeft = {1, 1}) {
    Picture p;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        int column = 0;
        for (char ch : rows[r]) {
            if (ch == ' ') continue;
            int i = indexOf(topLeft.x + column++, topLeft.y + static_cast<int>(r));
            if (ch == 'X') p.board.place(i, kComp);
            if (ch == 'O') p.board.place(i, kPlayer);
            if (ch == '*') p.marked.push_back(i);
        }
    }
    return p;
}

std::vector<int> cells(std::initializer_list<Cell> list) {
    std::vector<int> out;
    for (Cell c : list)
        out.push_back(indexOf(c.x, c.y));
    std::sort(out.begin(), out.end());
    return out;
}

struct ShapeCase {
    const char* row; // one board row from column 1, the stone to play at '*'
    Shape along;     // what a computer stone there makes along the row
};
void PrintTo(const ShapeCase& c, std::ostream* out) {
    *out << c.row;
}

std::string shapeName(const ::testing::TestParamInfo<ShapeCase>& info) {
    static const char* const names[] = {"Dead",  "One",  "Two",      "OpenTwo", "ClosedThree",
                                        "Three", "Four", "OpenFour", "Five"};
    return std::string(names[info.param.along]) + std::to_string(info.index);
}

class Shapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(Shapes, OfAStoneOnTheMarkedCell) {
    Picture p = draw({GetParam().row}, {1, 8});
    ASSERT_EQ(p.marked.size(), 1u);
    EXPECT_EQ(shapeAt(p.board, p.marked[0], kComp, 0), GetParam().along);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Shapes,
    ::testing::Values(ShapeCase{". . X X X X * . .", kFive},
                      ShapeCase{". X X * X X X . .", kFive}, // six in a row wins too
                      ShapeCase{"* X X X X . . . .", kFive}, // on the edge
                      ShapeCase{". . . X X X * . .", kOpenFour},
                      ShapeCase{". X . X * X . X .", kOpenFour}, // two gaps, two fives
                      ShapeCase{". . O X X X * . .", kFour}, ShapeCase{". . . X X * . X .", kFour},
                      ShapeCase{". . . . . . . . . . . . X X *", kClosedThree}, // the edge
                      ShapeCase{". . . X * X . . .", kThree},
                      ShapeCase{". . . X . * X . .", kThree},
                      ShapeCase{". . O X * X . . .", kClosedThree},
                      ShapeCase{". . . . * X . . .", kOpenTwo},
                      ShapeCase{". . . O * X . . .", kTwo}, ShapeCase{". . . . * . . . .", kOne},
                      ShapeCase{"O . X * X O . . .", kDead}),
    shapeName);

TEST(ThreatSolver, FindsAFourThatMakesTwoFives) {
    // Playing the corner of the two closed threes makes two fours at once.
    Picture p = draw({
        ". . . . . . .",
        "O X X X * . .",
        ". . . . X . .",
        ". . . . X . .",
        ". . . . X . .",
        ". . . . O . .",
    });
    ThreatSolver solver;
    EXPECT_EQ(solver.vcf(p.board, kComp), p.marked[0]);
    EXPECT_EQ(solver.vcf(p.board, kPlayer), -1);
}

TEST(ThreatSolver, FollowsFoursToTheWin) {
    // The four on row 4 forces O to its end; the same stone left an open three on
    // column 6, which becomes an open four.
    Picture p = draw(
        {
            ". . . . . . . .",
            ". O X X X * . .",
            ". . . . . X . .",
            ". . . . . X . .",
            ". . . . . . . .",
        },
        {1, 3});
    ThreatSolver solver;
    int win = solver.vcf(p.board, kComp);
    ASSERT_EQ(win, p.marked[0]);
    // Answering every four as forced really ends in five.
    Board b = p.board;
    for (int move = 0; move < 10 && win >= 0; ++move) {
        b.place(win, kComp);
        std::vector<int> fives = fivePoints(b, kComp);
        if (fives.size() >= 2) return;
        ASSERT_EQ(fives.size(), 1u);
        b.place(fives[0], kPlayer);
        win = solver.vcf(b, kComp);
    }
    FAIL() << "the fours did not lead to five";
}

TEST(ThreatSolver, DoubleThreeWinsByThreatsUnlessTheDefenderIsFaster) {
    // Two threes at once: a win by threats, though not by fours...
    std::vector<std::string> rows = {
        ". . . . . . . .", ". . X X * . . .", ". . . . X . . .",
        ". . . . X . . .", ". . . . . . . .",
    };
    ThreatSolver solver;
    Picture alone = draw(rows, {5, 5});
    EXPECT_EQ(solver.vcf(alone.board, kComp), -1);
    EXPECT_GE(solver.vct(alone.board, kComp), 0);
    // ... unless O has an open three of its own, which answers with an open four.
    rows.insert(rows.end(), {". . . . . . . .", ". . O O O . . ."});
    Picture raced = draw(rows, {5, 5});
    EXPECT_EQ(solver.vct(raced.board, kComp), -1);
    EXPECT_GE(solver.vct(raced.board, kPlayer), 0);
}

TEST(ThreatSolver, RefutationsOfAnOpenThreeAreItsTwoEnds) {
    Picture p = draw({". . . O O O . . ."}, {3, 8});
    ThreatSolver solver;
    std::vector<int> tries = cells({{3, 8}, {4, 8}, {5, 8}, {9, 8}, {10, 8}, {11, 8}, {7, 9}});
    std::vector<int> stops = solver.refutations(p.board, kPlayer, tries, false);
    std::sort(stops.begin(), stops.end());
    EXPECT_EQ(stops, cells({{5, 8}, {9, 8}}));
}

TEST(Advisor, TakesItsOwnWinBeforeBlocking) {
    Picture p = draw({
        ". . . . . . . .",
        "O X X X * . . .",
        ". . . . X . . .",
        ". . . . X . . .",
        ". . . . X . . .",
        ". . . . O . . .",
        ". . . . . . . .",
        ". . . O O O . .",
    });
    ThreatSolver solver;
    Advisor advisor(solver);
    EXPECT_EQ(advisor.replies(p.board, kComp).front(), p.marked[0]);
}

TEST(Advisor, StopsTheOpponentsOpenThree) {
    Picture p = draw(
        {
            ". . . . . . . . .",
            ". . . . . . . . .",
            ". . . O O O . . .",
            ". . . . X . . . .",
            ". . . . . . . . .",
        },
        {4, 6});
    ThreatSolver solver;
    Advisor advisor(solver);
    int reply = advisor.replies(p.board, kComp).front();
    EXPECT_TRUE(reply == indexOf(6, 8) || reply == indexOf(10, 8)) << reply;
}

TEST(Advisor, ListsTheDefencesAgainstAForcedWinFirst) {
    // The computer's open three wins unless the player takes one of its ends now.
    Picture p = draw(
        {
            ". . . . . . . . .",
            ". . . X X X . . .",
            ". . . . . . O . .",
        },
        {3, 7});
    ThreatSolver solver;
    Advisor advisor(solver);
    std::vector<int> stones = advisor.stones(p.board, kPlayer, 3);
    ASSERT_GE(stones.size(), 2u);
    std::vector<int> first(stones.begin(), stones.begin() + 2);
    std::sort(first.begin(), first.end());
    EXPECT_EQ(first, cells({{5, 8}, {9, 8}}));
}

TEST(Advisor, LeavesOutStonesThatMakeAFour) {
    Picture p = draw({". . O O O * . . ."}, {3, 8});
    ThreatSolver solver;
    Advisor advisor(solver);
    for (int i : advisor.stones(p.board, kPlayer, 20))
        EXPECT_FALSE(shapesAt(p.board, i, kPlayer).four());
}

} // namespace
} // namespace bookgen
