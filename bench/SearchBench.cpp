// Opponent 3's depth-4 reply on recorded positions, by the fast engine and by the plain
// reference search in the same run. Both must agree on the move, the value and the value
// of every root candidate; the summary gives each position's nodes and times, the speed
// ratio, and the fast engine's median and worst reply. Then self-play: opponent 3 plays
// both sides of whole games from a few openings, and the replies' times are summed up.
//
// The set: sixteen middle-game positions of recorded games in which neither side can
// force five within the four plies (sampled across the range of their search sizes),
// four recorded positions already decided within the horizon, and the three slowest
// positions of an older engine, each a player's threat that every reply loses to.
//
// Times are wall-clock (the fast engine searches on two threads). The plain search needs
// minutes on some positions; --benchmark_filter='fast|summary|selfplay' skips it.
#include "Signature.h"
#include "engines/SearchEngine.h"
#include "engines/SearchEngineFast.h"
#include "support/SearchPositions.h"
#include "support/SearchReference.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
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
    std::vector<RootValue> rootValues;
    long long nodes = 0;
    double seconds = 0; // of one reply
};

std::map<std::string, Outcome> fastRuns, referenceRuns;

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void report(benchmark::State& state, const Outcome& o) {
    state.counters["nodes"] = static_cast<double>(o.nodes);
    state.counters["move"] = o.best;
}

void fastReply(benchmark::State& state, const BenchPosition* p) {
    const SearchState s = EngineStateOf(p->rows);
    Outcome o;
    double spent = 0;
    for (auto _ : state) {
        SeededRandom random;
        SearchContext context(random);
        o.rootValues.clear();
        context.rootValues = &o.rootValues;
        auto start = std::chrono::steady_clock::now();
        o.value = EngineSearch(s, 4, -kFiveScore, kEngineComputer, o.best, context);
        spent += secondsSince(start);
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
        bool active = true;
        ReferenceSearch search(s, random, active);
        auto start = std::chrono::steady_clock::now();
        o.value = search.EngineSearch(4, -kFiveScore, kEngineComputer, o.best);
        o.seconds = secondsSince(start);
        o.nodes = search.nodes;
        o.rootValues = search.rootValues;
    }
    referenceRuns[p->name] = o;
    report(state, o);
    auto fast = fastRuns.find(p->name);
    if (fast != fastRuns.end() && (fast->second.best != o.best || fast->second.value != o.value ||
                                   fast->second.rootValues != o.rootValues))
        state.SkipWithError("the fast engine chose otherwise");
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
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
    std::string worstName;
    std::printf("\n%-18s %12s %12s %10s %12s %8s\n", "position", "fast nodes", "plain nodes",
                "fast ms", "plain ms", "ratio");
    for (const auto& [name, fast] : fastRuns) {
        fastTimes.push_back(fast.seconds);
        if (fast.seconds > fastWorst) fastWorst = fast.seconds, worstName = name;
        auto plain = referenceRuns.find(name);
        bool both = plain != referenceRuns.end();
        double plainMs = both ? plain->second.seconds * 1e3 : 0;
        if (both) {
            fastTotal += fast.seconds;
            referenceTotal += plain->second.seconds;
        }
        std::printf("%-18s %12lld %12lld %10.2f %12.1f %8.1f\n", name.c_str(), fast.nodes,
                    both ? plain->second.nodes : 0LL, fast.seconds * 1e3, plainMs,
                    both ? plainMs / (fast.seconds * 1e3) : 0);
    }
    double ratio = fastTotal > 0 ? referenceTotal / fastTotal : 0;
    std::printf("fast: median %.2f ms, worst %.1f ms (%s); ratio over the set %.1f\n\n",
                median(fastTimes) * 1e3, fastWorst * 1e3, worstName.c_str(), ratio);
    state.counters["ratio"] = ratio;
    state.counters["fast_median_ms"] = median(fastTimes) * 1e3;
    state.counters["fast_worst_ms"] = fastWorst * 1e3;
}

// The board as the other side sees it: stones and score exchanged, so that the
// computer's reply is the player's move.
SearchState exchanged(const SearchState& s) {
    SearchState out = s;
    auto swap = [](auto stone) {
        return stone == kEnginePlayer     ? kEngineComputer
               : stone == kEngineComputer ? kEnginePlayer
                                          : stone;
    };
    for (auto& row : out.EngineBoard)
        for (auto& stone : row)
            stone = static_cast<std::uint8_t>(swap(stone));
    for (EngineCell& e : out.EngineCells)
        e.state = static_cast<std::int16_t>(swap(e.state));
    out.EngineEval = -s.EngineEval;
    return out;
}

// Self-play at depth 4 from openings of three stones, each reply timed as the game
// plays it (FindEngineReply, both threads).
void selfPlay(benchmark::State& state) {
    std::vector<double> times;
    const std::vector<std::vector<std::string>> openings = {
        {"O.", ".X", "O."}, {"OX", ".O"}, {"O..", ".X.", "..O"}, {"X.O", ".O."}, {"O.O", ".X."},
        {"O", "X", "O"},    {"OXO"},      {".O", "X.", ".O"},
    };
    for (auto _ : state) {
        times.clear();
        SeededRandom random;
        for (const auto& opening : openings) {
            SearchState s = EngineStateOf(opening, 6, 6);
            std::uint8_t side = kEngineComputer;
            for (;;) {
                auto start = std::chrono::steady_clock::now();
                SearchState view = side == kEngineComputer ? s : exchanged(s);
                int best = FindEngineReply(view, 4, random);
                times.push_back(secondsSince(start));
                if (best < 0) break;
                int cell = s.EngineCells[best].cell;
                RecordEngineStone(s, cell / 15, cell % 15, side);
                if (s.EngineEval == kFiveScore || s.EngineEval == -kFiveScore) break;
                side = side == kEngineComputer ? kEnginePlayer : kEngineComputer;
            }
        }
    }
    std::printf("\nself-play: %zu replies in %zu games, median %.2f ms, 99th percentile %.1f ms, "
                "worst %.1f ms\n\n",
                times.size(), openings.size(), median(times) * 1e3, percentile(times, 0.99) * 1e3,
                percentile(times, 1.0) * 1e3);
    state.counters["replies"] = static_cast<double>(times.size());
    state.counters["p99_ms"] = percentile(times, 0.99) * 1e3;
    state.counters["worst_ms"] = percentile(times, 1.0) * 1e3;
}

// Peddrin's depth-4 reply on every position, for the bench's signature: on one thread,
// where the node count does not depend on how the threads share the root's candidates.
std::vector<bench::SignedSearch> signedSearches() {
    std::vector<bench::SignedSearch> out;
    for (const BenchPosition& p : kPositions) {
        SeededRandom random;
        SearchContext context(random);
        context.threads = 1;
        int best = -1;
        EngineSearch(EngineStateOf(p.rows), 4, -kFiveScore, kEngineComputer, best, context);
        out.push_back({p.name, best, context.nodes});
    }
    return out;
}

const bool registered = [] {
    bench::AddSignaturePart("Peddrin", signedSearches);
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
    benchmark::RegisterBenchmark("SearchReply/selfplay", selfPlay)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    return true;
}();

} // namespace
} // namespace wuzi::test
