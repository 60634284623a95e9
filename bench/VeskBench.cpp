// Vesk's speed: nodes per second and time to depth on drawn positions of its games (one
// thread and two), and the time the threat searches take to solve the threat suite.
#include "vesk/ThreatSuite.h"

#include "Signature.h"

#include "vesk/Engine.h"
#include "vesk/ThreatSolver.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace vesk::bench {
namespace {

struct BenchPosition {
    const char* name;
    std::vector<std::string> rows;
};

// clang-format off
const std::vector<BenchPosition> kPositions = {
    {"opening", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "......O........",
        ".......X.......",
        "........X......",
        ".......O.......",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"middle", {
        "...............",
        "...............",
        "...............",
        "...............",
        ".......O.......",
        "....X.O........",
        ".....O.........",
        "...XO..........",
        "..OXXXXO.......",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"crowded", {
        "...............",
        "...............",
        "...............",
        "......X.O...X..",
        ".....OXO.OOO...",
        "...XOOO.X.O....",
        "...O.X.X.O.X...",
        "..XOXXXXO......",
        ".....X.X.......",
        "....O..........",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
};
// clang-format on

std::vector<wuzi::Cell> stonesOf(const std::vector<std::string>& rows) {
    std::vector<wuzi::Cell> black, white, stones;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
            if (rows[y][x] != '.') (rows[y][x] == 'X' ? black : white).push_back({x + 1, y + 1});
    for (std::size_t i = 0; i < black.size(); ++i) {
        stones.push_back(black[i]);
        if (i < white.size()) stones.push_back(white[i]);
    }
    return stones;
}

// One think to a fixed depth, with no threat search at the root: the search alone.
void timeToDepth(benchmark::State& state, const BenchPosition* p, int threads) {
    ThinkLimits limits;
    limits.depth = static_cast<int>(state.range(0));
    limits.vcfNodes = 0;
    limits.vctNodes = 0;
    long nodes = 0;
    for (auto _ : state) {
        Engine engine({threads, 32, 1});
        engine.setPosition(stonesOf(p->rows));
        nodes += engine.think(limits).nodes;
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void solveSuite(benchmark::State& state, bool byFours) {
    std::vector<test::SuiteEntry> suite = test::readSuite(VESK_SUITE_FILE);
    long solved = 0, positions = 0, nodes = 0;
    for (auto _ : state) {
        ThreatSolver solver(18);
        ThreatSolver::Limits limits;
        limits.nodes = 200000;
        for (const test::SuiteEntry& e : suite) {
            if (e.byFours != byFours) continue;
            Board b;
            for (wuzi::Cell c : e.stones)
                b.play(fromCell(c));
            ++positions;
            solved += (byFours ? solver.vcf(b, limits) : solver.vct(b, limits)) > 0;
        }
        nodes = solver.nodes();
    }
    state.counters["positions"] = static_cast<double>(positions) / state.iterations();
    state.counters["solved"] = static_cast<double>(solved) / state.iterations();
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

// Vesk's search to depth 6 on every position, one thread, for the bench's signature.
std::vector<wuzi::bench::SignedSearch> signedSearches() {
    std::vector<wuzi::bench::SignedSearch> out;
    ThinkLimits limits;
    limits.depth = 6;
    for (const BenchPosition& p : kPositions) {
        Engine engine({1, 32, 1});
        engine.setPosition(stonesOf(p.rows));
        ThinkResult r = engine.think(limits);
        out.push_back({p.name, 100 * r.move.x + r.move.y, r.nodes});
    }
    return out;
}

const bool registered = [] {
    wuzi::bench::AddSignaturePart("Vesk", signedSearches);
    for (const BenchPosition& p : kPositions)
        for (int threads : {1, 2})
            benchmark::RegisterBenchmark(
                ("Vesk/depth/" + std::string(p.name) + "/threads:" + std::to_string(threads))
                    .c_str(),
                timeToDepth, &p, threads)
                ->DenseRange(4, 10, 2)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
    benchmark::RegisterBenchmark("Vesk/suite/fours", solveSuite, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Vesk/suite/threats", solveSuite, false)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
} // namespace vesk::bench
