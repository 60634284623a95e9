#include "vesk/Engine.h"

#include "vesk/Defence.h"
#include "vesk/Evaluation.h"
#include "vesk/RootThreats.h"
#include "vesk/Search.h"
#include "vesk/WinningLine.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <thread>

namespace vesk {

namespace {

// Each new best move is checked for a win of the other side by fours and threes with
// this many trial stones, or the root's own budget for such wins when that is smaller.
constexpr long kVerifyNodes = 4000;
// A move with no alternative is played after a search this deep for its score.
constexpr int kOnlyMoveDepth = 6;
// The proof search's table takes up to half the bytes of the transposition table.
int proofTableBits(int hashMegabytes) {
    int bits = 10;
    while (bits < 24 && (std::size_t{1} << (bits + 1)) * kProofEntryBytes <=
                            static_cast<std::size_t>(hashMegabytes) << 19)
        ++bits;
    return bits;
}

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

int pliesOf(Score score) {
    if (score > kMate || score < -kMate) return 0;
    if (score >= kMateBound) return kMate - score;
    if (score <= -kMateBound) return -(kMate + score);
    return 0;
}

ThinkResult lineResult(const std::vector<Pos>& line, Score score) {
    ThinkResult r;
    r.move = toCell(line.front());
    r.score = score;
    r.pv = toCells(line);
    r.lines = {{r.move, score, r.pv}};
    return r;
}

} // namespace

int defaultThreadCount() {
    // Half the cores, so that the window stays responsive; on two cores a second
    // thread did not pay.
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()) / 2, 1, 4);
}

int ThinkLine::winningPlies() const {
    return pliesOf(score);
}

int ThinkResult::winningPlies() const {
    return pliesOf(score);
}

Engine::Engine(EngineOptions options, TimeSource* clock)
    : options_(options), clock_(clock ? *clock : steady_) {}

Engine::~Engine() = default;

void Engine::makeTables() {
    if (tt_) return;
    tt_ = std::make_unique<TranspositionTable>(options_.hashMegabytes);
    proof_ = std::make_unique<ProofSearch>(proofTableBits(options_.hashMegabytes));
}

void Engine::newGame() {
    if (!tt_) return;
    tt_->clear();
    proof_->clear();
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
    TimeManager time(clock_);
    time.start({limits.turnMs, limits.matchLeftMs});
    makeTables();
    tt_->age();
    ThinkResult result;
    if (board_.full() || gameOver(board_)) return result;
    result = decidedAtOnce();
    if (isNoCell(result.move)) {
        // A move with no alternative is not worth a long look for a win by threes.
        ThinkLimits own = limits;
        if (onlyMove()) own.vctNodes = 0;
        RootThreats threats(*proof_, board_, own, time, stop_);
        if (threats.lookFirst())
            result = lineResult(threats.line(), mateIn(threats.plies()));
        else
            result = searchMoves(own, time, threats);
        result.nodes += threats.nodes();
    }
    result.ms = time.elapsedMs();
    result.winProbability = winProbability(result.score);
    return result;
}

bool Engine::onlyMove() const {
    std::vector<ScoredMove> replies;
    return pickMoves(board_, kNoPos, 0, OrderingMemory(), replies) != NodeKind::Free &&
           replies.size() <= 1;
}

// Five, the loss to two fours, and an open four need no search.
ThinkResult Engine::decidedAtOnce() const {
    Color me = board_.sideToMove();
    Color them = opposite(me);
    std::vector<Pos> line;
    Board b = board_;
    Score score = 0;
    if (board_.hasFivePoint(me)) {
        score = mateIn(1);
    } else if (board_.hasFivePoint(them) && countFivePoints(board_, them) > 1) {
        score = matedIn(2);
    } else if (!board_.hasFivePoint(them) && board_.hasFlex4Point(me)) {
        score = mateIn(3);
    } else {
        return {};
    }
    playsOutToFive(b, line, pliesOf(score) > 0 ? pliesOf(score) : -pliesOf(score));
    return lineResult(line, score);
}

ThinkResult Engine::searchMoves(const ThinkLimits& limits, TimeManager& time,
                                RootThreats& threats) {
    SearchSettings settings;
    settings.maxDepth = limits.depth;
    settings.nodeLimit = limits.nodes;
    settings.leafFours = limits.leafVcfNodes > 0;
    settings.exactRoot = limits.randomness > 0;
    settings.lines = std::max(1, limits.lines);
    settings.time = time.limited() ? &time : nullptr;
    settings.verifyNodes = std::min(kVerifyNodes, limits.vctNodes);
    settings.afterIteration = [&] { return threats.goOn(); };
    // On the clock, a move without alternative is played at once.
    if (time.limited() && onlyMove())
        settings.maxDepth = std::min(settings.maxDepth, kOnlyMoveDepth);

    int helpers = std::max(0, options_.threads - 1);
    std::vector<std::unique_ptr<Searcher>> searchers;
    for (int i = 0; i <= helpers; ++i)
        searchers.push_back(std::make_unique<Searcher>(*tt_, stop_));
    std::vector<std::thread> threads;
    for (int i = 1; i <= helpers; ++i) {
        SearchSettings helper = settings;
        helper.time = nullptr;
        helper.verifyNodes = 0;
        helper.afterIteration = nullptr;
        helper.depthOffset = i % 2;
        // Helpers search on, deeper than asked, until the main thread is done.
        helper.maxDepth = kMaxPly / 2;
        // Each helper takes its copy of the position here, before it starts: between its
        // iterations the main thread's threat search plays stones on the engine's board.
        threads.emplace_back([&, i, helper, root = board_] { searchers[i]->run(root, helper); });
    }
    Searcher& main = *searchers.front();
    main.run(board_, settings);
    stop_ = true;
    for (auto& t : threads)
        t.join();

    ThinkResult r = threats.won() ? lineResult(threats.line(), mateIn(threats.plies()))
                                  : resultOf(main.rootMoves(), limits, main.completedDepth());
    r.depth = main.completedDepth();
    for (const auto& s : searchers)
        r.nodes += s->nodes();
    return r;
}

ThinkResult Engine::resultOf(const std::vector<RootMove>& moves, const ThinkLimits& limits,
                             int depth) {
    ThinkResult r;
    Pos move =
        limits.randomness > 0 ? chooseAtRandom(moves, limits.randomness) : moves.front().move;
    auto chosen =
        std::find_if(moves.begin(), moves.end(), [&](const RootMove& m) { return m.move == move; });
    ThinkLine main{toCell(move), chosen->score, toCells(chosen->pv)};
    // Stopped before its first iteration ended, the search knows no score of its own.
    if (depth == 0) main.score = evaluate(board_), main.pv = {main.move};
    checkWin(main);
    r.move = main.move;
    r.score = main.score;
    r.pv = main.pv;
    r.lines.push_back(main);
    for (int i = 1; i < limits.lines && i < static_cast<int>(moves.size()) && depth > 0; ++i) {
        r.lines.push_back({toCell(moves[i].move), moves[i].score, toCells(moves[i].pv)});
        checkWin(r.lines.back());
    }
    return r;
}

void Engine::checkWin(ThinkLine& line) {
    int plies = std::abs(line.winningPlies());
    if (plies == 0) return;
    std::vector<Pos> moves;
    for (wuzi::Cell c : line.pv)
        moves.push_back(fromCell(c));
    if (playsOutToFive(board_, moves, plies)) {
        line.pv = toCells(moves);
        return;
    }
    // A win the line does not show is only a large advantage.
    line.score = line.score > 0 ? kMateBound - 1 : -(kMateBound - 1);
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
