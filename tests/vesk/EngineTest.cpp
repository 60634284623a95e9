// The engine's answers that no position may get wrong, and the promises of its
// interface: determinism, the empty board, finished games and refused positions.
#include "VeskPicture.h"

#include "vesk/Engine.h"
#include "vesk/Search.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <set>
#include <thread>

namespace vesk::test {
namespace {

ThinkLimits smallLimits() {
    ThinkLimits limits;
    limits.depth = 4;
    limits.nodes = 20000;
    limits.vcfNodes = 5000;
    limits.vctNodes = 5000;
    return limits;
}

ThinkResult thinkOn(const Picture& picture, const ThinkLimits& limits = smallLimits(),
                    EngineOptions options = {}) {
    Engine engine(options);
    EXPECT_TRUE(engine.setPosition(stonesOf(picture)));
    return engine.think(limits);
}

struct MarkedCase {
    const char* what;
    Picture picture; // '*' marks the one right move
};

// gtest names the case in its reports by this, not by the struct's bytes.
void PrintTo(const MarkedCase& c, std::ostream* out) {
    *out << c.what;
}

// clang-format off
const MarkedCase kFives[] = {
    {"across_even_against_a_four", {{
        "...............",
        ".OXXXX*........",
        "...............",
        "..OOOO.........",
        "...............",
        "X..............",
    }}},
    {"into_the_gap", {{
        "...............",
        "...............",
        "..XX*XX........",
        "...............",
        "...............",
        "...............",
        "O....O....O...O",
    }}},
    {"diagonal_for_white", {{
        ".X.............",
        "..O............",
        "...O...........",
        "....O..........",
        ".....O.........",
        "......*........",
        "...............",
        "X.X.X.X........",
    }}},
};

const MarkedCase kBlocks[] = {
    {"across", {{
        "...............",
        "...............",
        "...XOOOO*......",
        "...............",
        ".......X.......",
        "...............",
        "...X...X.......",
    }}},
    {"the_gap_of_a_broken_four", {{
        "...............",
        "...O...........",
        "...O...........",
        "...*...........",
        "...O...........",
        "...O...........",
        "...............",
        ".X...X...X.X...",
    }}},
    {"white_blocks_black", {{
        "...............",
        "........O......",
        ".......X.......",
        "......X........",
        ".....X.........",
        "....X..........",
        "...*...........",
        "...............",
        "..O.O..........",
    }}},
};
// clang-format on

class PlaysFive : public ::testing::TestWithParam<MarkedCase> {};

TEST_P(PlaysFive, InOne) {
    ThinkResult r = thinkOn(GetParam().picture);
    EXPECT_EQ(fromCell(r.move), markedCell(GetParam().picture));
    EXPECT_EQ(r.winningPlies(), 1);
}

INSTANTIATE_TEST_SUITE_P(Positions, PlaysFive, ::testing::ValuesIn(kFives),
                         [](const auto& info) { return std::string(info.param.what); });

class BlocksFour : public ::testing::TestWithParam<MarkedCase> {};

TEST_P(BlocksFour, OnItsOneCell) {
    // Also when it plays at random among near-equal moves.
    for (int randomness : {0, 400}) {
        ThinkLimits limits = smallLimits();
        limits.randomness = randomness;
        ThinkResult r = thinkOn(GetParam().picture, limits);
        EXPECT_EQ(fromCell(r.move), markedCell(GetParam().picture)) << randomness;
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, BlocksFour, ::testing::ValuesIn(kBlocks),
                         [](const auto& info) { return std::string(info.param.what); });

// clang-format off
const Picture kOpenThreeAgainst = {{
    "...............",
    "...............",
    "...............",
    "...............",
    "...............",
    "......X........",
    "...OOO.X.......",
    "...............",
    "...............",
    "...............",
    "X.X..........O.",
}};
// clang-format on

TEST(Engine, StopsAnOpenThreeWhenItHasNoFour) {
    Engine engine;
    engine.setPosition(stonesOf(kOpenThreeAgainst));
    Board b = engine.board();
    EXPECT_EQ(b.sideToMove(), kBlack);
    ThinkResult r = engine.think(smallLimits());
    b.play(fromCell(r.move));
    // Black's two on the diagonal are far slower than white's three: it must block.
    EXPECT_FALSE(b.hasFlex4Point(kWhite)) << draw(b);
}

TEST(Engine, IsDeterministicUnderNodeAndDepthLimits) {
    ThinkResult first = thinkOn(kMiddleGame);
    ThinkResult second = thinkOn(kMiddleGame);
    EXPECT_EQ(first.move, second.move);
    EXPECT_EQ(first.score, second.score);
    EXPECT_EQ(first.depth, second.depth);
    EXPECT_EQ(first.nodes, second.nodes);
    EXPECT_EQ(first.pv, second.pv);
    EXPECT_GT(first.depth, 1);
    EXPECT_EQ(first.pv.front(), first.move);
}

TEST(Engine, VariesWithTheSeedOnlyWhenAskedTo) {
    std::set<std::pair<int, int>> randomMoves, bestMoves;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        ThinkLimits limits = smallLimits();
        limits.depth = 2;
        wuzi::Cell best = thinkOn(kMiddleGame, limits, {1, 4, seed}).move;
        bestMoves.insert({best.x, best.y});
        limits.randomness = 300;
        ThinkResult r = thinkOn(kMiddleGame, limits, {1, 4, seed});
        randomMoves.insert({r.move.x, r.move.y});
    }
    EXPECT_EQ(bestMoves.size(), 1u);
    EXPECT_GT(randomMoves.size(), 1u);
}

TEST(Engine, GivesItsBestMovesWithTheirScoresAndLinesOnRequest) {
    ThinkLimits limits = smallLimits();
    limits.lines = 3;
    ThinkResult r = thinkOn(kMiddleGame, limits);
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0].move, r.move);
    EXPECT_EQ(r.lines[0].score, r.score);
    std::set<std::pair<int, int>> moves;
    for (std::size_t i = 0; i < r.lines.size(); ++i) {
        const ThinkLine& line = r.lines[i];
        moves.insert({line.move.x, line.move.y});
        ASSERT_FALSE(line.pv.empty());
        EXPECT_EQ(line.pv.front(), line.move);
        if (i > 0) {
            EXPECT_LE(line.score, r.lines[i - 1].score);
        }
    }
    EXPECT_EQ(moves.size(), 3u);
    EXPECT_GT(r.winProbability, 0.0);
    EXPECT_LT(r.winProbability, 1.0);
}

TEST(Engine, OpensOnTheCentre) {
    ThinkResult r = thinkOn({{}});
    EXPECT_EQ(r.move, (wuzi::Cell{8, 8}));
}

TEST(Engine, HasNoMoveOnceFiveStands) {
    // clang-format off
    ThinkResult r = thinkOn({{
        "...............",
        "..XXXXX........",
        "...............",
        "..OOOO.........",
    }});
    // clang-format on
    EXPECT_TRUE(wuzi::isNoCell(r.move));
}

TEST(Engine, RefusesTakenAndOffBoardCells) {
    Engine engine;
    EXPECT_FALSE(engine.setPosition({{8, 8}, {8, 8}}));
    EXPECT_FALSE(engine.setPosition({{8, 8}, {16, 8}}));
    EXPECT_TRUE(engine.setPosition({{8, 8}, {9, 8}}));
    EXPECT_EQ(engine.board().moveCount(), 2);
}

TEST(Engine, KnowsWhenItHasLost) {
    // White has two fours' worth of open three and four; black has nothing.
    // clang-format off
    ThinkResult r = thinkOn({{
        "...............",
        "...............",
        "....OOO........",
        "...............",
        "......O........",
        "......O........",
        "......O........",
        "...............",
        "...............",
        "X....X....X....",
        "...............",
        "...............",
        "X....X....X....",
    }});
    // clang-format on
    EXPECT_LT(r.winningPlies(), 0);
    EXPECT_EQ(static_cast<int>(r.pv.size()), -r.winningPlies());
    EXPECT_EQ(r.winProbability, 0.0);
}

TEST(Engine, StoppedEarlyNeverReportsAWin) {
    for (const Picture& picture : {kMiddleGame, kOpenThreeAgainst}) {
        Board b = boardOf(picture);
        for (long nodes : {1, 2, 10, 100}) {
            ThinkLimits limits = smallLimits();
            limits.nodes = nodes;
            ThinkResult r = thinkOn(picture, limits);
            EXPECT_EQ(r.winningPlies(), 0) << nodes << draw(b);
            EXPECT_TRUE(b.isEmpty(fromCell(r.move))) << nodes << draw(b);
        }
    }
}

// Two threads share one table through the engine's own think (under ThreadSanitizer, the
// engine's check for races): they reach the depth asked and agree on an empty cell.
TEST(Engine, TwoThreadsSearchOneTable) {
    ThinkLimits limits = smallLimits();
    limits.nodes = 0;
    limits.depth = 6;
    for (const Picture& picture : {kMiddleGame, kOpenThreeAgainst}) {
        ThinkResult r = thinkOn(picture, limits, {2, 4, 1});
        EXPECT_EQ(r.depth, 6) << draw(boardOf(picture));
        EXPECT_TRUE(boardOf(picture).isEmpty(fromCell(r.move))) << draw(boardOf(picture));
    }
}

TEST(Search, OneThreadsNodeLimitLeavesTheOthersSearching) {
    TranspositionTable tt(4);
    std::atomic<bool> stop{false};
    Searcher helper(tt, stop), main(tt, stop);
    SearchSettings small, large;
    small.nodeLimit = 1000;
    large.nodeLimit = 20000;
    Board position = boardOf(kMiddleGame);
    std::thread helperThread([&] { helper.run(position, small); });
    main.run(position, large);
    helperThread.join();
    EXPECT_FALSE(stop);
    EXPECT_GE(helper.nodes(), small.nodeLimit);
    EXPECT_GE(main.nodes(), large.nodeLimit);
}

} // namespace
} // namespace vesk::test
