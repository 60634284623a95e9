// The threat suite: forced wins from self-play, each checked by an exhaustive search of
// its own when it was generated (tools/vesk-suite). The engine's threat searches must
// find every one, within small budgets, and never a win shorter than the shortest.
#include "engines/vesk/Engine.h"
#include "engines/vesk/ThreatSolver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vesk::test {
namespace {

struct SuiteEntry {
    bool byFours;
    int plies;
    std::vector<wuzi::Cell> stones;
    std::string text;
};

// "VCF 7 H8 I9 ...": columns A-O, rows 1-15 counted from the bottom.
std::vector<SuiteEntry> readSuite() {
    std::ifstream file(VESK_SUITE_FILE);
    std::vector<SuiteEntry> entries;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        SuiteEntry e;
        std::string kind, stone;
        in >> kind >> e.plies;
        e.byFours = kind == "VCF";
        while (in >> stone)
            e.stones.push_back(
                {stone[0] - 'A' + 1, wuzi::kBoardSize + 1 - std::stoi(stone.substr(1))});
        e.text = line;
        entries.push_back(e);
    }
    return entries;
}

const std::vector<SuiteEntry>& suite() {
    static const std::vector<SuiteEntry> entries = readSuite();
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

// The engine's board of an entry, checked to be a position of a game.
Board boardOf(const SuiteEntry& e) {
    Engine engine;
    EXPECT_TRUE(engine.setPosition(e.stones)) << e.text;
    return engine.board();
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
