#include "vesk/Search.h"

#include "vesk/Defence.h"
#include "vesk/Evaluation.h"

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

constexpr long kClockInterval = 256;
constexpr int kNarrowDefence = 3;

// Late moves are searched shallower first: by the logarithms of depth and move number.
struct Reductions {
    std::array<std::array<std::uint8_t, 64>, 64> table{};
    Reductions() {
        for (int d = 1; d < 64; ++d)
            for (int m = 1; m < 64; ++m)
                table[d][m] = static_cast<std::uint8_t>(0.4 + std::log(d) * std::log(m) / 1.3);
    }
};

int reduction(int depth, int moveCount) {
    static const Reductions r;
    return r.table[std::min(depth, 63)][std::min(moveCount, 63)];
}

// Near the leaves, quiet moves past this many are not searched at all.
int quietMovesTried(int depth) {
    constexpr int kTried[] = {0, 3, 5, 8, 12, 17, 23};
    return depth < 7 ? kTried[depth] : 1000;
}

// A quiet node whose static score is this far above beta is taken as a cut-off; one
// this far below alpha has its quiet moves left out.
constexpr int kFutilityDepth = 4;
Score futilityMargin(int depth) {
    return 50 * depth;
}

// A quiet node this far below alpha is asked of the threat search alone.
constexpr int kRazorDepth = 2;
Score razorMargin(int depth) {
    return 300 + 200 * depth;
}

constexpr Score kAspirationWindow = 60;
// History points that take a ply off a reduction.
constexpr int kHistoryPerPly = 8192;

} // namespace

Searcher::Searcher(TranspositionTable& tt, std::atomic<bool>& stop) : tt_(tt), stop_(stop) {}

void Searcher::run(const Board& position, const SearchSettings& settings) {
    settings_ = settings;
    board_ = position;
    firstStone_ = board_.stonesPlayed();
    calls_ = 0;
    ownLimitReached_ = false;
    memory_.clear();
    completedDepth_ = 0;
    refuted_.clear();
    listRootMoves();
    completed_ = rootMoves_;
    std::vector<Pos> verified;
    for (int depth = 1 + settings.depthOffset; depth <= settings.maxDepth; ++depth) {
        if (depth > 1 && settings.time && settings.time->iterationTooLate()) break;
        rootDepth_ = depth;
        if (!iterate(depth)) {
            // A best move proved in the unfinished iteration is better than the last
            // iteration's, once checked for a win of the other side.
            const RootMove& front = rootMoves_.front();
            bool checked =
                std::find(verified.begin(), verified.end(), front.move) != verified.end();
            if (front.score > -kInfinity && checked && completedDepth_ > 0 &&
                settings_.lines == 1 && !settings_.exactRoot)
                completed_ = rootMoves_;
            break;
        }
        // A best move that hands the other side a win by threats is searched no more,
        // and the iteration is searched again without it.
        Pos move = rootMoves_.front().move;
        Score best = rootMoves_.front().score;
        if (!isMateScore(best) &&
            std::find(verified.begin(), verified.end(), move) == verified.end()) {
            verified.push_back(move);
            if (rootMoves_.size() > refuted_.size() + 1 && refuted(move)) {
                refuted_.push_back(move);
                --depth;
                continue;
            }
        }
        if (settings_.time && completedDepth_ > 0)
            settings_.time->iterationDone(completed_.front().move != move,
                                          completed_.front().score - best);
        completed_ = rootMoves_;
        completedDepth_ = depth;
        // A proven result does not change with depth.
        if (isMateScore(best) && !settings.exactRoot && settings.lines == 1) break;
        if (settings_.afterIteration && settings_.afterIteration()) break;
    }
}

void Searcher::listRootMoves() {
    rootMoves_.clear();
    std::vector<ScoredMove> moves;
    pickMoves(board_, kNoPos, 0, memory_, moves);
    // With no defence left, block one of the threats and lose as late as can be.
    if (moves.empty())
        moves.push_back({findPoint(board_, opposite(board_.sideToMove()), kFlex4Any), 0});
    for (const ScoredMove& m : moves)
        rootMoves_.push_back({m.move, -kInfinity, -kInfinity, {m.move}});
}

bool Searcher::iterate(int depth) {
    for (RootMove& rm : rootMoves_)
        rm.previousScore = rm.score;
    int lines = std::min<int>(settings_.lines, static_cast<int>(rootMoves_.size()));
    for (int line = 0; line < lines; ++line) {
        aspirationSearch(depth, line);
        if (stopped()) return false;
        std::stable_sort(rootMoves_.begin(), rootMoves_.begin() + line + 1,
                         [](const RootMove& x, const RootMove& y) { return x.score > y.score; });
    }
    return true;
}

Score Searcher::aspirationSearch(int depth, int line) {
    Score previous = rootMoves_[line].previousScore;
    Score delta = kAspirationWindow;
    bool narrow =
        depth >= 4 && !settings_.exactRoot && !isMateScore(previous) && previous > -kInfinity;
    Score alpha = narrow ? previous - delta : -kInfinity;
    Score beta = narrow ? previous + delta : kInfinity;
    for (;;) {
        Score score = rootSearch(depth, alpha, beta, line);
        std::stable_sort(rootMoves_.begin() + line, rootMoves_.end(),
                         [](const RootMove& x, const RootMove& y) { return x.score > y.score; });
        if (stopped()) return score;
        if (score <= alpha && alpha > -kInfinity) {
            beta = (alpha + beta) / 2;
            alpha = std::max(score - delta, -kInfinity);
        } else if (score >= beta && beta < kInfinity) {
            beta = std::min(score + delta, kInfinity);
        } else {
            return score;
        }
        delta += delta / 2;
        if (delta > 1000) alpha = -kInfinity, beta = kInfinity;
    }
}

Score Searcher::rootSearch(int depth, Score alpha, Score beta, int line) {
    Score best = -kInfinity;
    for (auto rm = rootMoves_.begin() + line; rm != rootMoves_.end(); ++rm)
        rm->score = -kInfinity;
    bool first = true;
    for (auto rm = rootMoves_.begin() + line; rm != rootMoves_.end(); ++rm) {
        if (std::find(refuted_.begin(), refuted_.end(), rm->move) != refuted_.end()) continue;
        Score value;
        board_.play(rm->move);
        if (first || settings_.exactRoot) {
            value = settings_.exactRoot ? -search(1, depth - 1, -kInfinity, kInfinity, true, false)
                                        : -search(1, depth - 1, -beta, -alpha, true, false);
        } else {
            value = -search(1, depth - 1, -alpha - 1, -alpha, false, true);
            if (value > alpha && value < beta && !stopped())
                value = -search(1, depth - 1, -beta, -alpha, true, false);
        }
        board_.undo();
        if (stopped()) return best;
        if (first || value > alpha || settings_.exactRoot) {
            rm->score = value;
            rm->pv.assign(1, rm->move);
            rm->pv.insert(rm->pv.end(), pv_[1].begin() + 1, pv_[1].begin() + pvLength_[1]);
        }
        best = std::max(best, value);
        first = false;
        if (settings_.exactRoot) continue;
        alpha = std::max(alpha, value);
        if (value >= beta) break;
    }
    return best;
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

void Searcher::savePv(int ply, Pos move) {
    pv_[ply][ply] = move;
    for (int i = ply + 1; i < pvLength_[ply + 1]; ++i)
        pv_[ply][i] = pv_[ply + 1][i];
    pvLength_[ply] = std::max(pvLength_[ply + 1], ply + 1);
}

// The side to move wins or loses by force in at most three plies: the score; 0
// otherwise. The principal variation ends here; the engine plays out its last plies.
Score Searcher::decided(int ply) {
    Color me = board_.sideToMove();
    Color them = opposite(me);
    if (board_.hasFivePoint(me)) return mateIn(ply + 1);
    if (board_.hasFivePoint(them)) return countFivePoints(board_, them) > 1 ? matedIn(ply + 2) : 0;
    if (board_.hasFlex4Point(me)) return mateIn(ply + 3);
    return 0;
}

Score Searcher::search(int ply, int depth, Score alpha, Score beta, bool pvNode, bool cutNode) {
    if (depth <= 0) return quiescence(ply, alpha, beta, 0, pvNode);
    pvLength_[ply] = ply;
    if (stopping()) return 0;
    if (Score s = decided(ply)) return s;
    if (board_.full()) return 0;
    if (ply >= kMaxPly - 1) return evaluate(board_);
    alpha = std::max(alpha, matedIn(ply));
    beta = std::min(beta, mateIn(ply + 1));
    if (alpha >= beta) return alpha;

    TTHit hit;
    Pos ttMove = kNoPos;
    Score eval = kNoEval;
    if (tt_.probe(board_.hash(), hit)) {
        ttMove = board_.isEmpty(hit.move) ? hit.move : kNoPos;
        eval = hit.eval;
        Score v = fromTT(hit.value, ply);
        if (!pvNode && hit.depth >= depth &&
            (hit.bound == kExact || (hit.bound == kLower && v >= beta) ||
             (hit.bound == kUpper && v <= alpha)))
            return v;
    }
    Color them = opposite(board_.sideToMove());
    bool threatened = board_.hasFivePoint(them) || board_.hasFlex4Point(them);
    if (!board_.hasFivePoint(them) && eval == kNoEval) eval = evaluate(board_);
    if (!pvNode && !threatened) {
        if (depth <= kRazorDepth && eval + razorMargin(depth) <= alpha) {
            Score v = quiescence(ply, alpha, alpha + 1, 0, false);
            if (v <= alpha) return v;
        }
        if (depth <= kFutilityDepth && eval - futilityMargin(depth) >= beta && eval < kMateBound)
            return eval;
    }
    return searchMoves(ply, depth, alpha, beta, pvNode, cutNode, ttMove, eval);
}

Score Searcher::searchMoves(int ply, int depth, Score alpha, Score beta, bool pvNode, bool cutNode,
                            Pos ttMove, Score eval) {
    Color me = board_.sideToMove();
    MovePicker picker(board_, ttMove, ply, memory_);
    NodeKind kind = picker.kind();
    if (picker.exhausted()) return matedIn(ply + 4);
    // Answers to a four, and the few answers to a three, cost no depth: threat
    // sequences are then seen to their end.
    bool narrow =
        kind == NodeKind::Forced ||
        (kind == NodeKind::Defence && picker.answers() <= kNarrowDefence && ply < 2 * rootDepth_);
    int next = narrow ? depth : depth - 1;
    Score best = -kInfinity;
    Pos bestMove = kNoPos;
    Score startAlpha = alpha;
    int moveCount = 0;
    std::array<Pos, 64> quietsTried;
    int quietCount = 0;
    for (Pos move = picker.next(); move != kNoPos; move = picker.next()) {
        ++moveCount;
        bool quiet = picker.lastWasQuiet();
        if (quiet && !pvNode && best > -kMateBound) {
            if (moveCount > quietMovesTried(depth)) break;
            if (depth <= kFutilityDepth && eval + futilityMargin(depth) <= alpha) break;
        }
        Score value;
        board_.play(move);
        tt_.prefetch(board_.hash());
        if (moveCount == 1) {
            value = -search(ply + 1, next, -beta, -alpha, pvNode, !cutNode && !pvNode);
        } else {
            int r = 0;
            if (depth >= 2 && kind == NodeKind::Free) {
                r = reduction(depth, moveCount);
                if (!quiet) r /= 2;
                r += cutNode - pvNode;
                r -= memory_.history[me][move] / kHistoryPerPly;
                r = std::clamp(r, 0, next - 1);
            }
            value = -search(ply + 1, next - r, -alpha - 1, -alpha, false, true);
            if (value > alpha && r > 0)
                value = -search(ply + 1, next, -alpha - 1, -alpha, false, !cutNode);
            if (value > alpha && value < beta && pvNode)
                value = -search(ply + 1, next, -beta, -alpha, true, false);
        }
        board_.undo();
        if (stopped()) return 0;
        if (value > best) {
            best = value;
            bestMove = move;
            if (value > alpha) {
                alpha = value;
                if (pvNode) savePv(ply, move);
                if (value >= beta) {
                    if (quiet) {
                        memory_.rememberCutoff(me, ply, move, depth);
                        for (int i = 0; i < quietCount; ++i)
                            memory_.rememberFailure(me, quietsTried[i], depth);
                    }
                    break;
                }
            }
        }
        if (quiet && quietCount < static_cast<int>(quietsTried.size()))
            quietsTried[quietCount++] = move;
    }
    if (moveCount == 0) return 0;
    Bound bound = best >= beta ? kLower : best > startAlpha ? kExact : kUpper;
    tt_.store(board_.hash(), toTT(best, ply), eval, bestMove, depth, bound);
    return best;
}

} // namespace vesk
