// Opponent 3's depth-4 reply on recorded positions, by the fast engine and by the plain
// reference search in the same run. Both must agree on the move, the value and the
// number of trial stones; the summary gives the speed ratio and the fast engine's
// median and worst reply.
//
// The set: sixteen middle-game positions of recorded games in which neither side can
// force five within the four plies (sampled across the range of their search sizes),
// four recorded positions already decided within the horizon, and the three slowest
// positions found, each a player's threat that every reply loses to.
//
// The plain search needs minutes on the last ones; --benchmark_filter=fast skips it.
#include "core/SearchPositions.h"
#include "core/SearchReference.h"
#include "engines/SearchEngineFast.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace wuzi::test {
namespace {

struct BenchPosition {
    const char* name;
    std::vector<std::string> rows;
};

// clang-format off
const std::vector<BenchPosition> kPositions = {
    {"gameA5-move4", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "......O.X......",
        "......XOOX.....",
        ".......OX......",
        ".........O.....",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA1-move4", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "........O......",
        "......OOX......",
        ".....OXOX......",
        "........X......",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA3-move8", {
        "...............",
        "...............",
        "...............",
        "...............",
        "........O......",
        ".......XX......",
        "......XOX......",
        "...XOOOOX......",
        ".....O.XO......",
        "....O..........",
        "...X...........",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameB1-move4", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "........O.O....",
        ".......O.X.....",
        ".....OXXX......",
        ".........O.....",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA9-move6", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "......XX.......",
        "......XOX.O....",
        "......XOOO.....",
        "......OX.O.....",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA0-move5", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "......O.O......",
        "......XO.......",
        ".....OXXX.O....",
        "......XO.......",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA0-move6", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".....XO.O......",
        "......XO.......",
        ".....OXXX.O....",
        "......XOO......",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA6-move10", {
        "...............",
        "...............",
        "...............",
        ".....O.........",
        "......X........",
        ".......X.X.....",
        "......O.XXO....",
        "......XOOX.....",
        ".......OXOO....",
        "......OXO......",
        "......X........",
        ".....O.........",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA2-move11", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "....XXOX.......",
        "....OXX.OO.....",
        ".....XOOX......",
        "....OOXO.......",
        "......OXXX.....",
        "........OO.....",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA6-move6", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "......O.XXO....",
        "......XOOX.....",
        ".......OX......",
        "......OXO......",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA3-move4", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".......X.......",
        "......XOX......",
        "......OO.......",
        ".....O.XO......",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameB0-move4", {
        "...............",
        "...............",
        "...............",
        "...............",
        "..........O....",
        "...............",
        "........O......",
        "......XO.......",
        ".....OXXX......",
        ".......O.......",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA5-move7", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".......X.......",
        "......O.X.O....",
        "......XOOX.....",
        ".......OX.O....",
        ".......X.O.....",
        "......X........",
        ".....O.........",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA2-move22", {
        "...............",
        "...............",
        "...............",
        ".....OO..X.....",
        ".....X..O......",
        "....XXOX.......",
        "...XOXXXOO.....",
        "..O.XXOOX......",
        ".X..OOXO..OX...",
        "....O.OXXXXO...",
        ".....O..OOXOX..",
        "..........XO...",
        "..........O....",
        "...............",
        "...............",
    }},
    {"gameA2-move23", {
        "...............",
        "...............",
        "...............",
        ".....OO..X.....",
        ".....X..O......",
        "....XXOX.......",
        "...XOXXXOO.....",
        "..O.XXOOX......",
        ".X.XOOXO..OX...",
        "....O.OXXXXO...",
        ".....O..OOXOX..",
        "....O.....XO...",
        "..........O....",
        "...............",
        "...............",
    }},
    {"gameA3-move7", {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        ".......XX......",
        "......XOX......",
        "...XOOOOX......",
        ".....O.XO......",
        "....O..........",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"gameA4-move16", {
        "OO...........XO",
        "X.............O",
        "...............",
        "...............",
        "...........X...",
        ".......O..O....",
        "......OX.O.....",
        "......XOOOOX...",
        "......XOX......",
        "....XXXX.......",
        "...O..O........",
        "...............",
        "...............",
        ".O............X",
        "OX...........XX",
    }},
    {"gameB5-move6", {
        "X..............",
        "..............O",
        "...............",
        "...............",
        "...............",
        "........O......",
        ".......O.......",
        "......OOX......",
        "........X......",
        "........X......",
        "........X......",
        "...............",
        "...............",
        "...............",
        "O............XO",
    }},
    {"gameB4-move5", {
        "O.............O",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "......XXXX.....",
        ".......O.O.....",
        "........OO.....",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "X..............",
    }},
    {"gameA7-move22", {
        "OX...........OX",
        "X............OX",
        "...............",
        "...............",
        "........O.O..O.",
        ".........X.X.O.",
        "....O...O.XXXO.",
        ".....X.O.OXX...",
        ".....OX.XOXXO..",
        ".......X..O..X.",
        "........OO.....",
        "...............",
        "X..............",
        "X............XO",
        "OO..........OOX",
    }},
    {"lost1", {
        "...X...........",
        "...............",
        "....O..........",
        ".....X.........",
        "......X........",
        ".......X.......",
        "........X.O....",
        "....X..OXOO....",
        "........O......",
        "......OO.......",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"lost2", {
        "...............",
        "...............",
        "............X..",
        "...............",
        "..........X....",
        ".....X.........",
        "......X.O......",
        "......XOO......",
        "......O........",
        ".....O.........",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
    {"lost3", {
        "...............",
        ".........O.....",
        "........OX.....",
        "......XOXXX....",
        "....XOOOOX.....",
        "......OXOX.....",
        "......XO.O.....",
        ".......OX.X....",
        "...........O...",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    }},
};
// clang-format on

struct Outcome {
    int best = -1;
    std::int32_t value = 0;
    long long nodes = 0;
    double seconds = 0; // CPU time of one reply
};

std::map<std::string, Outcome> fastRuns, referenceRuns;

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void report(benchmark::State& state, const Outcome& o) {
    state.counters["nodes"] = static_cast<double>(o.nodes);
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(o.nodes),
                                                   benchmark::Counter::kIsIterationInvariantRate);
    state.counters["move"] = o.best;
}

void fastReply(benchmark::State& state, const BenchPosition* p) {
    const SearchState s = EngineStateOf(p->rows);
    Outcome o;
    double spent = 0;
    for (auto _ : state) {
        SeededRandom random;
        SearchContext context{random};
        double start = threadSeconds();
        o.value = EngineSearch(s, 4, -kFiveScore, kEngineComputer, o.best, context);
        spent += threadSeconds() - start;
        o.nodes = context.nodes;
    }
    o.seconds = spent / static_cast<double>(state.iterations());
    fastRuns[p->name] = o;
    report(state, o);
}

void referenceReply(benchmark::State& state, const BenchPosition* p) {
    Outcome o;
    for (auto _ : state) {
        SearchState s = EngineStateOf(p->rows);
        SeededRandom random;
        Flag active = kTrue;
        ReferenceSearch search(s, random, active);
        double start = threadSeconds();
        o.value = search.EngineSearch(4, -kFiveScore, kEngineComputer, o.best);
        o.seconds = threadSeconds() - start;
        o.nodes = search.nodes;
    }
    referenceRuns[p->name] = o;
    report(state, o);
    auto fast = fastRuns.find(p->name);
    if (fast != fastRuns.end() && (fast->second.best != o.best || fast->second.value != o.value ||
                                   fast->second.nodes != o.nodes))
        state.SkipWithError("the fast engine chose otherwise");
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty()      ? 0
           : v.size() % 2 ? v[v.size() / 2]
                          : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void summary(benchmark::State& state) {
    for (auto _ : state) {}
    std::vector<double> fastTimes;
    double fastTotal = 0, referenceTotal = 0, fastWorst = 0;
    long long fastNodes = 0, referenceNodes = 0;
    double fastNodeSeconds = 0, referenceNodeSeconds = 0;
    std::printf("\n%-18s %12s %10s %12s %8s\n", "position", "nodes", "fast ms", "plain ms",
                "ratio");
    for (const auto& [name, fast] : fastRuns) {
        fastTimes.push_back(fast.seconds);
        fastWorst = std::max(fastWorst, fast.seconds);
        fastNodes += fast.nodes;
        fastNodeSeconds += fast.seconds;
        auto plain = referenceRuns.find(name);
        double plainMs = plain == referenceRuns.end() ? 0 : plain->second.seconds * 1e3;
        if (plain != referenceRuns.end()) {
            fastTotal += fast.seconds;
            referenceTotal += plain->second.seconds;
            referenceNodes += plain->second.nodes;
            referenceNodeSeconds += plain->second.seconds;
        }
        std::printf("%-18s %12lld %10.2f %12.1f %8.1f\n", name.c_str(), fast.nodes,
                    fast.seconds * 1e3, plainMs, plainMs > 0 ? plainMs / (fast.seconds * 1e3) : 0);
    }
    double ratio = fastTotal > 0 ? referenceTotal / fastTotal : 0;
    std::printf("fast: median %.2f ms, worst %.1f ms, %.0f Mnodes/s; plain: %.1f Mnodes/s; "
                "ratio over the set %.1f\n\n",
                median(fastTimes) * 1e3, fastWorst * 1e3, fastNodes / fastNodeSeconds / 1e6,
                referenceNodeSeconds > 0 ? referenceNodes / referenceNodeSeconds / 1e6 : 0, ratio);
    state.counters["ratio"] = ratio;
    state.counters["fast_median_ms"] = median(fastTimes) * 1e3;
    state.counters["fast_worst_ms"] = fastWorst * 1e3;
}

const bool registered = [] {
    for (const BenchPosition& p : kPositions)
        benchmark::RegisterBenchmark(("SearchReply/fast/" + std::string(p.name)).c_str(), fastReply,
                                     &p)
            ->Unit(benchmark::kMillisecond);
    for (const BenchPosition& p : kPositions)
        benchmark::RegisterBenchmark(("SearchReply/plain/" + std::string(p.name)).c_str(),
                                     referenceReply, &p)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    benchmark::RegisterBenchmark("SearchReply/summary", summary)->Iterations(1);
    return true;
}();

} // namespace
} // namespace wuzi::test
