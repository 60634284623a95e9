// Line patterns and their combinations, drawn. Each line case is one board row seen
// from the marked cell, for the side drawn X; the same row with the colours swapped must
// give white the same pattern.
#include "VeskPicture.h"

#include "vesk/Board.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <random>

namespace vesk::test {
namespace {

struct LineCase {
    const char* row;
    Pattern expected;
};

// gtest names the case in its reports by this, not by the struct's bytes.
void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.row;
}

// clang-format off
const LineCase kLineCases[] = {
    {"..XXXX*...", kFive},
    {"...XX*XX..", kFive},
    {"..XXX*XX..", kFive},    // six in a row wins too
    {"..OXXX*.O.", kBlock4},
    {"...XXX*...", kFlex4},
    {"..X.X*X.X.", kFlex4},   // both gaps make five
    {"..OXX*X.O.", kBlock4},
    {"...X*X....", kFlex3},
    {"...X*.X...", kFlex3},   // a split three
    {"..OX*X....", kBlock3},
    {"..O.X*X.O.", kBlock3},  // no room for an open four
    {"...*X.....", kFlex2},
    {"..O*X.....", kBlock2},
    {"....*.....", kFlex1},
    {"..O*......", kBlock1},
    {"..OX*XXO..", kDead},
    {"..O.*..O..", kDead},
};
// clang-format on

std::string swapColours(std::string row) {
    for (char& c : row)
        c = c == 'X' ? 'O' : c == 'O' ? 'X' : c;
    return row;
}

// The row at the top of the board, and the stones that even the count on the bottom
// row, far out of its reach.
Picture lineOnBoard(const std::string& row) {
    int x = static_cast<int>(std::count(row.begin(), row.end(), 'X'));
    int o = static_cast<int>(std::count(row.begin(), row.end(), 'O'));
    std::string bottom(kSize, '.');
    for (int i = 0; i < std::abs(x - o); ++i)
        bottom[2 * i] = x > o ? 'O' : 'X';
    std::vector<std::string> rows(kSize, std::string(kSize, '.'));
    rows[2] = "..." + row;
    rows[kSize - 1] = bottom;
    return {rows};
}

class LinePatternTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LinePatternTest, ForBothColours) {
    for (Color c : {kBlack, kWhite}) {
        std::string row = c == kBlack ? GetParam().row : swapColours(GetParam().row);
        Picture picture = lineOnBoard(row);
        Board b = boardOf(picture);
        EXPECT_EQ(b.pattern(markedCell(picture), c, 0), GetParam().expected)
            << row << " for " << (c == kBlack ? "black" : "white");
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, LinePatternTest, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.row; *c; ++c)
                                 name += *c == '.' ? '_' : *c == '*' ? 'M' : *c;
                             return name;
                         });

struct ComboCase {
    const char* what;
    Picture picture;
    Pattern4 black;
};

// gtest names the case in its reports by this, not by the struct's bytes.
void PrintTo(const ComboCase& c, std::ostream* out) {
    *out << c.what;
}

// clang-format off
const ComboCase kComboCases[] = {
    {"four_three", {{
        ".........",
        ".OXXX*...",
        ".....X...",
        ".....X...",
        ".........",
        ".........",
        ".........",
        "O.O.O....",
    }, 3, 3}, kBlock4Flex3},
    {"double_three", {{
        ".........",
        "...XX*...",
        ".....X...",
        ".....X...",
        ".........",
        ".........",
        ".........",
        "O.O.O....",
    }, 3, 3}, kFlex3Double},
    {"double_four", {{
        ".........",
        ".OXXX*...",
        ".....X...",
        ".....X...",
        ".....X...",
        ".....O...",
        ".........",
        "O.O.O....",
    }, 3, 3}, kFlex4Any},
    {"open_four", {{
        ".........",
        "..XXX*...",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        "O.O......",
    }, 3, 3}, kFlex4Any},
    {"three_and_two", {{
        ".........",
        "...XX*...",
        ".....X...",
        ".........",
        ".........",
        ".........",
        ".........",
        "O.O......",
    }, 3, 3}, kFlex3Plus},
};
// clang-format on

class Pattern4Test : public ::testing::TestWithParam<ComboCase> {};

TEST_P(Pattern4Test, CombinesTheFourLines) {
    const Picture& picture = GetParam().picture;
    Board b = boardOf(picture);
    EXPECT_EQ(b.pattern4(markedCell(picture), kBlack), GetParam().black) << draw(b);
}

INSTANTIATE_TEST_SUITE_P(Combinations, Pattern4Test, ::testing::ValuesIn(kComboCases),
                         [](const auto& info) { return std::string(info.param.what); });

// Everything the board keeps by increments equals a board built afresh.
void expectSameKnowledge(const Board& kept, const Board& fresh) {
    for (Pos p : Board::cells()) {
        if (!kept.isEmpty(p)) continue;
        for (Color c : {kBlack, kWhite}) {
            ASSERT_EQ(kept.pattern4(p, c), fresh.pattern4(p, c)) << draw(kept);
            for (int d = 0; d < kDirections; ++d)
                ASSERT_EQ(kept.pattern(p, c, d), fresh.pattern(p, c, d)) << draw(kept);
        }
    }
    for (Color c : {kBlack, kWhite}) {
        for (int p4 = 0; p4 < kPattern4Count; ++p4)
            ASSERT_EQ(kept.pattern4Count(c, Pattern4(p4)), fresh.pattern4Count(c, Pattern4(p4)));
        for (int kind = 0; kind < kPointKinds; ++kind)
            ASSERT_TRUE(kept.points(c, PointKind(kind)) == fresh.points(c, PointKind(kind)));
        for (int side : {0, 1})
            ASSERT_EQ(kept.valueSum(c, side), fresh.valueSum(c, side));
    }
    ASSERT_TRUE(kept.nearEmpty() == fresh.nearEmpty());
    ASSERT_EQ(kept.hash(), fresh.hash());
}

Board replayed(const std::vector<Pos>& moves) {
    Board b;
    for (Pos p : moves)
        b.play(p);
    return b;
}

TEST(BoardIncrements, MatchAFreshBoardThroughPlayAndUndo) {
    std::mt19937 random(7);
    Board b;
    for (int step = 0; step < 400; ++step) {
        bool undo = b.moveCount() > 0 && (random() % 3 == 0 || b.moveCount() > 120);
        if (undo) {
            b.undo();
        } else {
            // Mostly near the middle, so that lines cross and fill; now and then near an
            // edge, where the lines end.
            Pos p;
            int span = step % 4 == 0 ? kSize : 9;
            do
                p = toPos((kSize - span) / 2 + random() % span,
                          (kSize - span) / 2 + random() % span);
            while (!b.isEmpty(p) && b.moveCount() < 81);
            if (!b.isEmpty(p)) continue;
            b.play(p);
        }
        expectSameKnowledge(b, replayed(b.moves()));
    }
    while (b.moveCount() > 0)
        b.undo();
    expectSameKnowledge(b, Board());
}

TEST(BoardIncrements, HashDependsOnTheStonesNotTheirOrder) {
    Board one = replayed({toPos(7, 7), toPos(8, 8), toPos(6, 7), toPos(9, 9)});
    Board two = replayed({toPos(6, 7), toPos(9, 9), toPos(7, 7), toPos(8, 8)});
    Board swapped = replayed({toPos(8, 8), toPos(7, 7), toPos(9, 9), toPos(6, 7)});
    EXPECT_EQ(one.hash(), two.hash());
    EXPECT_NE(one.hash(), swapped.hash());
}

} // namespace
} // namespace vesk::test
