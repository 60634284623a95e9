// The match runner's referee, Elo interval and openings.
#include "Elo.h"
#include "Openings.h"
#include "Referee.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <set>
#include <sstream>

namespace {

// The stones of a picture, X black and O white taken by turns in reading order, and
// the cell marked '*' (0-based).
std::vector<wuzi::Cell> stonesOf(const std::vector<std::string>& rows, wuzi::Cell& marked) {
    std::vector<wuzi::Cell> black, white, stones;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
            char c = rows[y][x];
            if (c == 'X') black.push_back({x, y});
            if (c == 'O') white.push_back({x, y});
            if (c == '*') marked = {x, y};
        }
    for (std::size_t i = 0; i < black.size(); ++i) {
        stones.push_back(black[i]);
        if (i < white.size()) stones.push_back(white[i]);
    }
    return stones;
}

struct FiveCase {
    const char* what;
    std::vector<std::string> rows; // black plays '*' next
    bool five;
};

// gtest names the case in its reports by this, not by the struct's bytes.
void PrintTo(const FiveCase& c, std::ostream* out) {
    *out << c.what;
}

// clang-format off
const FiveCase kFives[] = {
    {"across", {
        "XXXX*..........",
        "OOOO...........",
    }, true},
    {"six_wins_too", {
        "XXX*XX.........",
        "OOOO.O.........",
    }, true},
    {"down_the_edge", {
        "X..............",
        "X..............",
        "X..............",
        "X..............",
        "*..............",
        "...............",
        ".OOOO..........",
    }, true},
    {"anti_diagonal", {
        "....X..........",
        "...X...........",
        "..X............",
        ".X.............",
        "*..............",
        "...............",
        "......O.O.O.O..",
    }, true},
    {"a_gap_breaks_it", {
        "XX*.XX.........",
        "OOO.O..........",
    }, false},
    {"other_colour_does_not_count", {
        "XXXO*..........",
        "OOX......O.....",
    }, false},
};
// clang-format on

class RefereeFive : public ::testing::TestWithParam<FiveCase> {};

TEST_P(RefereeFive, SeesFiveOrMore) {
    wuzi::Cell marked{-1, -1};
    std::vector<wuzi::Cell> stones = stonesOf(GetParam().rows, marked);
    ASSERT_EQ(stones.size() % 2, 0u) << "black plays the marked cell";
    stones.push_back(marked);
    EXPECT_EQ(makesFive(stones, marked), GetParam().five);
}

INSTANTIATE_TEST_SUITE_P(Pictures, RefereeFive, ::testing::ValuesIn(kFives),
                         [](const auto& info) { return std::string(info.param.what); });

struct EloCase {
    int wins, losses, draws;
    double elo, low, high; // NAN: infinite
};

// clang-format off
const EloCase kElo[] = {
    {10, 10, 0, 0, -148, 148},
    {30, 10, 0, 191, 69, 313},
    {19, 1, 0, 512, 204, 819},
    {20, 0, 0, INFINITY, 287, INFINITY},
    {0, 20, 0, -INFINITY, -INFINITY, -287},
    {0, 0, 20, 0, -148, 148},  // Wilson's interval counts a draw as half a win and a loss
};
// clang-format on

class EloInterval : public ::testing::TestWithParam<EloCase> {};

TEST_P(EloInterval, FollowsTheScore) {
    const EloCase& c = GetParam();
    EloEstimate e = estimateElo(c.wins, c.losses, c.draws);
    auto near = [](double actual, double expected) {
        return std::isinf(expected) ? actual == expected : std::abs(actual - expected) < 1;
    };
    EXPECT_TRUE(near(e.elo, c.elo)) << e.elo;
    EXPECT_TRUE(near(e.low, c.low)) << e.low;
    EXPECT_TRUE(near(e.high, c.high)) << e.high;
}

INSTANTIATE_TEST_SUITE_P(Results, EloInterval, ::testing::ValuesIn(kElo));

TEST(Openings, ReadBackWhatIsWritten) {
    std::vector<Opening> written = randomOpenings(30, 5);
    std::stringstream file;
    file << "# two stones\n\n";
    for (const Opening& o : written)
        file << openingText(o) << "  # a comment\n";
    EXPECT_EQ(readOpenings(file), written);
}

TEST(Openings, AreDistinctAndNearTheCentre) {
    std::vector<Opening> openings = randomOpenings(60, 9);
    std::set<std::vector<std::pair<int, int>>> distinct;
    for (const Opening& o : openings) {
        ASSERT_EQ(o.size(), 2u);
        EXPECT_LE(std::abs(o[0].x - 7), 2);
        EXPECT_LE(std::abs(o[0].y - 7), 2);
        EXPECT_LE(std::abs(o[1].x - o[0].x), 2);
        EXPECT_LE(std::abs(o[1].y - o[0].y), 2);
        EXPECT_NE(o[0], o[1]);
        distinct.insert({{o[0].x, o[0].y}, {o[1].x, o[1].y}});
    }
    EXPECT_EQ(distinct.size(), openings.size());
}

} // namespace
