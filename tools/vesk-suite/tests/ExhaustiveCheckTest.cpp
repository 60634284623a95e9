// The exhaustive check that vouches for the threat suite, on drawn positions whose wins
// are known by hand.
#include "ExhaustiveCheck.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace {

// X black, O white, taken by turns in reading order; the side to move attacks.
std::vector<std::pair<int, int>> stonesOf(const std::vector<std::string>& rows) {
    std::vector<std::pair<int, int>> black, white, stones;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
            if (rows[y][x] == 'X') black.push_back({x, y});
            if (rows[y][x] == 'O') white.push_back({x, y});
        }
    for (std::size_t i = 0; i < black.size(); ++i) {
        stones.push_back(black[i]);
        if (i < white.size()) stones.push_back(white[i]);
    }
    return stones;
}

struct CheckCase {
    const char* what;
    std::vector<std::string> rows;
    int byFours;   // the shortest win by fours, in plies; 0: none within 6 stones
    int byThreats; // the shortest win by threats; 0: none within 3 stones
};

// gtest names the case in its reports by this, not by the struct's bytes.
void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.what;
}

// clang-format off
const CheckCase kCases[] = {
    {"five_now", {
        "...............",
        ".XXXX..........",
        "...............",
        "...............",
        "O....O....O...O",
    }, 1, 1},
    {"open_four_next", {
        "...............",
        "..XXX..........",
        "...............",
        "...............",
        "O....O....O....",
    }, 3, 3},
    {"four_three", {
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        "..XX...........",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }, 5, 5},
    {"the_block_opens_a_four", {
        "...............",
        ".O.............",
        "..X............",
        "...X...........",
        "....X..........",
        "..XX...........",
        ".......OOO.....",
        "...............",
        "...............",
        "...............",
        "...............",
        "O..............",
    }, 0, 0},
    {"double_three", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".....X.........",
        ".....X.........",
        "...XX..........",
        "...............",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }, 0, 5},
    {"defender_three_comes_first", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".....X.........",
        ".....X.........",
        "...XX..........",
        "...............",
        "...............",
        ".........OOO...",
        "...............",
        "O..............",
    }, 0, 0},
};
// clang-format on

class ExhaustiveCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ExhaustiveCheckTest, FindsTheShortestWin) {
    const CheckCase& c = GetParam();
    ExhaustiveCheck fours(stonesOf(c.rows));
    EXPECT_EQ(fours.shortestByFours(6), c.byFours);
    EXPECT_EQ(fours.winsByFours(6), c.byFours > 0);
    ExhaustiveCheck threats(stonesOf(c.rows));
    EXPECT_EQ(threats.shortestByThreats(3), c.byThreats);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ExhaustiveCheckTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.what); });

} // namespace
