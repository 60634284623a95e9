// The threat suite: forced wins from self-play, each checked by an exhaustive search of
// its own when it was generated (tools/vesk-suite). The engine's threat searches must
// find every one, within small budgets, and never a win shorter than the shortest.
#include "ThreatSuite.h"

#include "vesk/Board.h"
#include "vesk/Search.h"
#include "vesk/ThreatSolver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace vesk::test {
namespace {

const std::vector<SuiteEntry>& suite() {
    static const std::vector<SuiteEntry> entries = readSuite(VESK_SUITE_FILE);
    return entries;
}

int count(bool byFours) {
    int n = 0;
    for (const SuiteEntry& e : suite())
        n += e.byFours == byFours;
    return n;
}

TEST(ThreatSuite, HoldsEnoughWinsOfBothKinds) {
    EXPECT_GE(count(true), 200);
    EXPECT_GE(count(false), 100);
}

// The board of an entry, checked to be a position of a game.
Board boardOf(const SuiteEntry& e) {
    Board b;
    for (wuzi::Cell c : e.stones) {
        EXPECT_TRUE(wuzi::onBoard(c) && b.isEmpty(fromCell(c))) << e.text;
        b.play(fromCell(c));
    }
    return b;
}

TEST(ThreatSuite, EveryWinByFoursIsFound) {
    ThreatSolver solver(18);
    ThreatSolver::Limits limits;
    limits.nodes = 20000;
    for (const SuiteEntry& e : suite()) {
        if (!e.byFours) continue;
        Board b = boardOf(e);
        int plies = solver.vcf(b, limits);
        EXPECT_GT(plies, 0) << e.text;
        EXPECT_GE(plies, e.plies) << e.text;
    }
}

TEST(ThreatSuite, TheLeavesThreatSearchDecidesItAsTheSolverDoes) {
    TranspositionTable tt(16);
    std::atomic<bool> stop{false};
    Searcher searcher(tt, stop);
    for (const SuiteEntry& e : suite()) {
        Score s = searcher.leafScore(boardOf(e));
        if (e.byFours) {
            EXPECT_GE(s, kMateBound) << e.text;
            EXPECT_LE(s, mateIn(e.plies)) << e.text;
        } else {
            EXPECT_LT(s, kMateBound) << e.text;
        }
    }
}

TEST(ThreatSuite, EveryWinByThreatsIsFound) {
    ThreatSolver solver(18);
    ThreatSolver::Limits limits;
    limits.nodes = 50000;
    for (const SuiteEntry& e : suite()) {
        if (e.byFours) continue;
        Board b = boardOf(e);
        EXPECT_GT(solver.vct(b, limits), 0) << e.text;
    }
}

} // namespace
} // namespace vesk::test
