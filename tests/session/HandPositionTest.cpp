#include "session/HandPosition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wuzi::test {
namespace {

// A position drawn from row 1 at the top-left: 'X' black, 'O' white.
HandPosition drawn(const std::vector<std::string>& rows, bool blackToMove) {
    HandPosition p;
    p.blackToMove = blackToMove;
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] != '.')
                (rows[y][x] == 'X' ? p.black : p.white)
                    .push_back({static_cast<int>(x) + 1, static_cast<int>(y) + 1});
    return p;
}

struct PositionCase {
    const char* name;
    std::vector<std::string> rows;
    bool blackToMove;
    PositionProblem problem;
};

class CheckPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(CheckPositionTest, RefusesWhatNoGameCanPlayOnFrom) {
    const PositionCase& c = GetParam();
    HandPosition position = drawn(c.rows, c.blackToMove);
    EXPECT_EQ(CheckPosition(position), c.problem);
    if (c.problem != PositionProblem::None) return;
    // A sound position reads back from its record, stone for stone.
    HandPosition back = PositionOfRecord(RecordOfPosition(position));
    EXPECT_EQ(back, position);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CheckPositionTest,
    ::testing::Values(
        PositionCase{"black_to_move_even", {"XO.", ".XO"}, true, PositionProblem::None},
        PositionCase{"white_to_move_black_ahead", {"XOX"}, false, PositionProblem::None},
        PositionCase{"empty_board", {}, true, PositionProblem::None},
        PositionCase{"black_to_move_black_ahead", {"XOX"}, true, PositionProblem::Counts},
        PositionCase{"white_ahead", {"OOX"}, true, PositionProblem::Counts},
        PositionCase{"white_to_move_even", {"XO"}, false, PositionProblem::Counts},
        PositionCase{"a_five_already", {"XXXXX", "OOOO.", "....O"}, false, PositionProblem::Five},
        PositionCase{"an_overline_of_white", {"OOOOOO", "XXXXX."}, true, PositionProblem::Five}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckPosition, RefusesStonesOffTheBoardOrOnOneCell) {
    EXPECT_EQ(CheckPosition({{{16, 1}}, {}, false}), PositionProblem::Stones);
    EXPECT_EQ(CheckPosition({{{3, 3}}, {{3, 3}}, true}), PositionProblem::Stones);
}

} // namespace
} // namespace wuzi::test
