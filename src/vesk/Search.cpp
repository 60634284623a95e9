#include "vesk/Search.h"

#include "vesk/Defence.h"
#include "vesk/Evaluation.h"

#include <algorithm>

namespace vesk {

namespace {

constexpr long kClockInterval = 256;
constexpr std::size_t kNarrowDefence = 3;

// Late quiet moves are searched shallower first.
int reduction(int depth, int index, bool quiet) {
    if (!quiet || depth < 2 || index < 2) return 0;
    return 1 + (index >= 6) + (index >= 14 && depth >= 5);
}

// Near the leaves, quiet moves past this many are not searched at all.
int quietMovesTried(int depth) {
    constexpr int kTried[] = {0, 5, 8, 12, 18};
    return depth < 5 ? kTried[depth] : 1000;
}

} // namespace

Searcher::Searcher(TranspositionTable& tt, std::atomic<bool>& stop)
    : tt_(tt), stop_(stop), moveLists_(kMaxPly + 1), pv_(kMaxPly + 1) {}

void Searcher::run(const Board& position, const SearchSettings& settings) {
    settings_ = settings;
    board_ = position;
    firstStone_ = board_.stonesPlayed();
    calls_ = 0;
    ownLimitReached_ = false;
    memory_.clear();
    completedDepth_ = 0;
    rootMoves_.clear();
    completed_.clear();
    pickMoves(board_, kNoPos, 0, memory_, moveLists_[0]);
    // With no defence left, block one of the threats and lose as late as can be.
    if (moveLists_[0].empty())
        moveLists_[0].push_back({findPoint(board_, opposite(board_.sideToMove()), kFlex4Any), 0});
    for (const ScoredMove& m : moveLists_[0])
        rootMoves_.push_back({m.move, -kInfinity, {m.move}});
    completed_ = rootMoves_;
    refuted_.clear();
    std::vector<Pos> verified;
    for (int depth = 1 + settings.depthOffset; depth <= settings.maxDepth; ++depth) {
        if (depth > 1 && settings.time && settings.time->iterationTooLate()) break;
        rootDepth_ = depth;
        Score best = rootSearch(depth);
        if (stopping()) break;
        // A best move that hands the other side a win by threats is searched no more,
        // and the iteration is searched again without it.
        Pos move = rootMoves_.front().move;
        if (!isMateScore(best) &&
            std::find(verified.begin(), verified.end(), move) == verified.end()) {
            verified.push_back(move);
            if (rootMoves_.size() > refuted_.size() + 1 && refuted(move)) {
                refuted_.push_back(move);
                --depth;
                continue;
            }
        }
        completed_ = rootMoves_;
        completedDepth_ = depth;
        // A proven result does not change with depth.
        if (isMateScore(best) && !settings.exactRoot) break;
    }
}

bool Searcher::refuted(Pos move) {
    if (settings_.verifyNodes <= 0) return false;
    ThreatSolver::Limits limits;
    limits.nodes = settings_.verifyNodes;
    if (settings_.time) limits.time = settings_.time, limits.untilMs = settings_.time->hardMs();
    TrialStone stone(board_, move);
    return threats_.vct(board_, limits) > 0;
}

bool Searcher::stopped() const {
    return ownLimitReached_ || stop_.load(std::memory_order_relaxed);
}

bool Searcher::stopping() {
    if (stopped()) return true;
    // The node limit is this thread's own: the others search on.
    if (settings_.nodeLimit > 0 && nodes() >= settings_.nodeLimit) {
        ownLimitReached_ = true;
        return true;
    }
    if (settings_.time && ++calls_ % kClockInterval == 0 && settings_.time->outOfTime()) {
        stop_ = true;
        return true;
    }
    return false;
}

Score Searcher::rootSearch(int depth) {
    Score alpha = -kInfinity;
    bool first = true;
    for (RootMove& rm : rootMoves_) {
        if (std::find(refuted_.begin(), refuted_.end(), rm.move) != refuted_.end()) {
            rm.score = -kInfinity;
            continue;
        }
        Score value;
        {
            TrialStone stone(board_, rm.move);
            if (first || settings_.exactRoot) {
                value = -search(1, depth - 1, -kInfinity, settings_.exactRoot ? kInfinity : -alpha,
                                true);
            } else {
                value = -search(1, depth - 1, -alpha - 1, -alpha, false);
                if (value > alpha && !stopping())
                    value = -search(1, depth - 1, -kInfinity, -alpha, true);
            }
        }
        if (stopping()) return alpha;
        if (first || value > alpha || settings_.exactRoot) {
            rm.score = value;
            rm.pv.assign(1, rm.move);
            rm.pv.insert(rm.pv.end(), pv_[1].begin(), pv_[1].end());
        } else {
            rm.score = -kInfinity;
        }
        alpha = std::max(alpha, value);
        first = false;
    }
    std::stable_sort(rootMoves_.begin(), rootMoves_.end(),
                     [](const RootMove& x, const RootMove& y) { return x.score > y.score; });
    return rootMoves_.front().score;
}

void Searcher::savePv(int ply, Pos move) {
    pv_[ply].assign(1, move);
    pv_[ply].insert(pv_[ply].end(), pv_[ply + 1].begin(), pv_[ply + 1].end());
}

Score Searcher::search(int ply, int depth, Score alpha, Score beta, bool pvNode) {
    pv_[ply].clear();
    if (stopping()) return 0;
    Color me = board_.sideToMove();
    Color them = opposite(me);
    if (board_.hasFivePoint(me)) return mateIn(ply + 1);
    bool forced = board_.hasFivePoint(them);
    if (forced && countFivePoints(board_, them) > 1) return matedIn(ply + 2);
    if (!forced && board_.hasFlex4Point(me)) return mateIn(ply + 3);
    if (board_.full()) return 0;
    if (ply >= kMaxPly - 1) return evaluate(board_);
    alpha = std::max(alpha, matedIn(ply));
    beta = std::min(beta, mateIn(ply + 1));
    if (alpha >= beta) return alpha;

    TTHit hit;
    Pos ttMove = kNoPos;
    if (tt_.probe(board_.hash(), hit)) {
        ttMove = board_.isEmpty(hit.move) ? hit.move : kNoPos;
        Score v = fromTT(hit.value, ply);
        if (!pvNode && hit.depth >= depth &&
            (hit.bound == kExact || (hit.bound == kLower && v >= beta) ||
             (hit.bound == kUpper && v <= alpha)))
            return v;
    }
    if (depth <= 0 && !forced) return leaf(ply);

    std::vector<ScoredMove>& moves = moveLists_[ply];
    NodeKind kind = pickMoves(board_, ttMove, ply, memory_, moves);
    if (moves.empty()) return matedIn(ply + 4);

    Score best = -kInfinity;
    Pos bestMove = kNoPos;
    Score startAlpha = alpha;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        Pos move = moves[i].move;
        bool quiet = kind == NodeKind::Free && board_.pattern4(move, me) == kNone4 &&
                     board_.pattern4(move, them) == kNone4;
        if (quiet && !pvNode && static_cast<int>(i) >= quietMovesTried(depth) && best > -kMateBound)
            continue;
        // Answers to a four, and the few answers to a three, cost no depth: threat
        // sequences are then seen to their end.
        bool narrow =
            kind == NodeKind::Forced ||
            (kind == NodeKind::Defence && moves.size() <= kNarrowDefence && ply < 2 * rootDepth_);
        int next = narrow ? depth : depth - 1;
        Score value;
        {
            TrialStone stone(board_, move);
            if (i == 0) {
                value = -search(ply + 1, next, -beta, -alpha, pvNode);
            } else {
                int r = reduction(depth, static_cast<int>(i), quiet);
                value = -search(ply + 1, next - r, -alpha - 1, -alpha, false);
                if (value > alpha && r > 0)
                    value = -search(ply + 1, next, -alpha - 1, -alpha, false);
                if (value > alpha && value < beta && pvNode)
                    value = -search(ply + 1, next, -beta, -alpha, true);
            }
        }
        if (stopped()) return 0;
        if (value > best) {
            best = value;
            bestMove = move;
            if (value > alpha) {
                alpha = value;
                if (pvNode) savePv(ply, move);
                if (value >= beta) {
                    if (quiet) memory_.rememberCutoff(me, ply, move, depth);
                    break;
                }
            }
        }
    }
    Bound bound = best >= beta ? kLower : best > startAlpha ? kExact : kUpper;
    tt_.store(board_.hash(), toTT(best, ply), bestMove, std::max(depth, 0), bound);
    return best;
}

Score Searcher::leaf(int ply) {
    ThreatSolver::Limits limits;
    limits.nodes = settings_.leafVcfNodes;
    if (int plies = threats_.vcf(board_, limits)) return mateIn(ply + plies);
    return evaluate(board_);
}

} // namespace vesk
