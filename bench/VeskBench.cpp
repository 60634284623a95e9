// Vesk's speed, measured through the engine's interface alone so that the same file
// measures an earlier engine built beside it: time to depth and trial stones per second
// on drawn positions of its games (one thread and two), the depth and time a one-second
// think reaches, and the time the engine takes to find the wins of the threat suites.
#include "vesk/ThreatSuite.h"

#include "Signature.h"

#include "vesk/Engine.h"

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
    // The middle and crowded positions each leave the side to move one reply (the block
    // of a four); this middle game leaves it a free choice.
    {"quiet", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "......O.X......",
        "......XOO......",
        ".......XX......",
        "........O......",
        "...............",
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

// One think of a second, as the game gives it: the depth it reaches and the time it takes.
void oneSecond(benchmark::State& state, const BenchPosition* p) {
    ThinkLimits limits;
    limits.turnMs = 1000;
    ThinkResult r;
    for (auto _ : state) {
        Engine engine({1, 32, 1});
        engine.setPosition(stonesOf(p->rows));
        r = engine.think(limits);
    }
    state.counters["depth"] = r.depth;
    state.counters["ms"] = static_cast<double>(r.ms);
    state.counters["nodes/s"] = static_cast<double>(r.nodes) * 1000.0 / std::max<double>(1, r.ms);
}

// The engine's think on every entry of a suite, one iteration of its search after the
// root's threat searches: how many wins it finds, and how fast.
void solveSuite(benchmark::State& state, const char* path, int kind) {
    std::vector<test::SuiteEntry> suite = test::readSuite(path);
    ThinkLimits limits;
    limits.depth = 1;
    long solved = 0, positions = 0;
    for (auto _ : state) {
        Engine engine({1, 16, 1});
        for (const test::SuiteEntry& e : suite) {
            if (kind >= 0 && e.byFours != (kind == 1)) continue;
            engine.setPosition(e.stones);
            ++positions;
            solved += engine.think(limits).winningPlies() > 0;
        }
    }
    state.counters["positions"] = static_cast<double>(positions) / state.iterations();
    state.counters["solved"] = static_cast<double>(solved) / state.iterations();
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
    for (const BenchPosition& p : kPositions) {
        for (int threads : {1, 2})
            benchmark::RegisterBenchmark(
                ("Vesk/depth/" + std::string(p.name) + "/threads:" + std::to_string(threads))
                    .c_str(),
                timeToDepth, &p, threads)
                ->DenseRange(4, 12, 2)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
        benchmark::RegisterBenchmark(("Vesk/second/" + std::string(p.name)).c_str(), oneSecond, &p)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark("Vesk/suite/fours", solveSuite, VESK_SUITE_FILE, 1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Vesk/suite/threats", solveSuite, VESK_SUITE_FILE, 0)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Vesk/suite/long", solveSuite, VESK_LONG_WINS_FILE, -1)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    return true;
}();

} // namespace
} // namespace vesk::bench
