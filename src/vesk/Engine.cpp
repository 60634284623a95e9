#include "vesk/Engine.h"

#include "vesk/Defence.h"
#include "vesk/Evaluation.h"
#include "vesk/Search.h"
#include "vesk/ThreatSolver.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <thread>

namespace vesk {

namespace {

// Each check of a best move for a win of the other side gets this share of the VCT budget.
constexpr long kVerifyShare = 5;
// The root's threat searches end by these shares of the move's time.
constexpr std::int64_t kVcfShare = 20;
constexpr std::int64_t kVctShare = 8;
// A move with no alternative is played at once, after a search this deep for its score.
constexpr int kOnlyMoveDepth = 6;

std::vector<wuzi::Cell> toCells(const std::vector<Pos>& line) {
    std::vector<wuzi::Cell> cells;
    for (Pos p : line)
        cells.push_back(toCell(p));
    return cells;
}

bool gameOver(const Board& b) {
    // The last stone made five if its side could have played five on its cell; the
    // board only keeps patterns of empty cells, so look along the lines.
    Pos last = b.lastMove();
    if (last == kNoPos) return false;
    Stone s = b.at(last);
    for (int d = 0; d < kDirections; ++d) {
        int run = 1;
        for (int i = 1; b.at(static_cast<Pos>(last + i * kStep[d])) == s; ++i)
            ++run;
        for (int i = 1; b.at(static_cast<Pos>(last - i * kStep[d])) == s; ++i)
            ++run;
        if (run >= 5) return true;
    }
    return false;
}

} // namespace

int ThinkResult::winningPlies() const {
    if (score > kMate || score < -kMate) return 0;
    if (score >= kMateBound) return kMate - score;
    if (score <= -kMateBound) return -(kMate + score);
    return 0;
}

Engine::Engine(EngineOptions options, TimeSource* clock)
    : options_(options), clock_(clock ? *clock : steady_), tt_(options.hashMegabytes) {}

Engine::~Engine() = default;

void Engine::newGame() {
    tt_.clear();
}

bool Engine::setPosition(const std::vector<wuzi::Cell>& stones) {
    Board b;
    for (wuzi::Cell c : stones) {
        if (!wuzi::onBoard(c) || !b.isEmpty(fromCell(c))) return false;
        b.play(fromCell(c));
    }
    board_ = b;
    return true;
}

ThinkResult Engine::think(const ThinkLimits& limits) {
    stop_ = false;
    tt_.age();
    TimeManager time(clock_);
    time.start({limits.turnMs, limits.matchLeftMs});
    ThinkResult result;
    if (board_.full() || gameOver(board_)) return result;
    result = solveByThreats(limits, time);
    if (isNoCell(result.move)) result = searchMoves(limits, time);
    result.ms = time.elapsedMs();
    return result;
}

// The moves no search needs: five, the block of a four, an open four, and wins found
// by the threat searches.
ThinkResult Engine::solveByThreats(const ThinkLimits& limits, const TimeManager& time) {
    ThinkResult r;
    Color me = board_.sideToMove();
    Color them = opposite(me);
    auto decided = [&](Pos move, Score score) {
        r.move = toCell(move);
        r.score = score;
        r.pv = {r.move};
        return r;
    };
    if (board_.hasFivePoint(me)) return decided(findPoint(board_, me, kFiveAny), mateIn(1));
    if (board_.hasFivePoint(them)) {
        Pos block = findPoint(board_, them, kFiveAny);
        if (countFivePoints(board_, them) > 1) return decided(block, matedIn(2));
        return r; // the search plays the block and sees what follows
    }
    if (board_.hasFlex4Point(me)) return decided(findPoint(board_, me, kFlex4Any), mateIn(3));
    ThreatSolver solver(18);
    std::vector<Pos> line;
    ThreatSolver::Limits vcf;
    vcf.nodes = limits.vcfNodes;
    // The threat searches spend the move's clock too: a small share of it.
    if (time.limited()) vcf.time = &time, vcf.untilMs = time.hardMs() / kVcfShare;
    if (int plies = solver.vcf(board_, vcf, &line)) {
        decided(line.front(), mateIn(plies));
        r.pv = toCells(line);
        r.nodes = solver.nodes();
        return r;
    }
    if (limits.vctNodes > 0) {
        ThreatSolver::Limits vct = vcf;
        vct.nodes = limits.vctNodes;
        vct.untilMs = time.hardMs() / kVctShare;
        if (int plies = solver.vct(board_, vct, &line)) decided(line.front(), mateIn(plies));
    }
    r.nodes = solver.nodes();
    return r;
}

int defaultThreadCount() {
    // Half the cores, so that the window stays responsive; on two cores a second
    // thread did not pay.
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()) / 2, 1, 4);
}

ThinkResult Engine::searchMoves(const ThinkLimits& limits, TimeManager& time) {
    SearchSettings settings;
    settings.maxDepth = limits.depth;
    std::vector<ScoredMove> replies;
    if (pickMoves(board_, kNoPos, 0, OrderingMemory(), replies) != NodeKind::Free &&
        replies.size() <= 1)
        settings.maxDepth = std::min(settings.maxDepth, kOnlyMoveDepth);
    settings.nodeLimit = limits.nodes;
    settings.leafFours = limits.leafVcfNodes > 0;
    settings.exactRoot = limits.randomness > 0;
    settings.time = time.limited() ? &time : nullptr;
    settings.verifyNodes = limits.vctNodes / kVerifyShare;

    int helpers = std::max(0, options_.threads - 1);
    std::vector<std::unique_ptr<Searcher>> searchers;
    for (int i = 0; i <= helpers; ++i)
        searchers.push_back(std::make_unique<Searcher>(tt_, stop_));
    std::vector<std::thread> threads;
    for (int i = 1; i <= helpers; ++i) {
        SearchSettings helper = settings;
        helper.time = nullptr;
        helper.verifyNodes = 0;
        helper.depthOffset = i % 2;
        // Helpers search on, deeper than asked, until the main thread is done.
        helper.maxDepth = kMaxPly / 2;
        threads.emplace_back([&, i, helper] { searchers[i]->run(board_, helper); });
    }
    Searcher& main = *searchers.front();
    main.run(board_, settings);
    stop_ = true;
    for (auto& t : threads)
        t.join();

    ThinkResult r;
    const auto& moves = main.rootMoves();
    Pos move =
        limits.randomness > 0 ? chooseAtRandom(moves, limits.randomness) : moves.front().move;
    auto chosen =
        std::find_if(moves.begin(), moves.end(), [&](const RootMove& m) { return m.move == move; });
    r.move = toCell(move);
    // Stopped before its first iteration ended, the search knows no score of its own.
    r.score = main.completedDepth() > 0 ? chosen->score : evaluate(board_);
    r.depth = main.completedDepth();
    r.pv = toCells(chosen->pv);
    for (const auto& s : searchers)
        r.nodes += s->nodes();
    return r;
}

Pos Engine::chooseAtRandom(const std::vector<RootMove>& moves, int randomness) const {
    Score best = moves.front().score;
    std::vector<double> weights;
    for (const RootMove& m : moves) {
        bool near = m.score > -kMateBound && m.score >= best - randomness;
        // A nearer score is likelier: the weight halves every third of the span.
        weights.push_back(near ? std::exp2(-3.0 * (best - m.score) / randomness) : 0.0);
    }
    if (best <= -kMateBound) return moves.front().move;
    std::mt19937_64 random(options_.seed ^ board_.hash());
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    return moves[pick(random)].move;
}

} // namespace vesk
