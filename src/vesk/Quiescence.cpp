// The threat search at the leaves: the side to move may stand on the static score or
// play fours, and a four is answered by its one block, so that wins by continuous fours
// are seen to their end and a leaf is never scored in the middle of one.
#include "vesk/Defence.h"
#include "vesk/Evaluation.h"
#include "vesk/Search.h"

#include <algorithm>
#include <cstdlib>

namespace vesk {

namespace {

// Plies the threat search at the leaves may play.
constexpr int kMostLeafPlies = 40;

// After the first, only fours near one of the attacker's earlier stones of the leaves'
// search take part: on one of its lines within four steps, or within two steps of it.
bool near(Pos four, Pos previous) {
    int dx = std::abs(posX(four) - posX(previous)), dy = std::abs(posY(four) - posY(previous));
    if (std::max(dx, dy) <= 2) return true;
    return std::max(dx, dy) <= kPad && (dx == 0 || dy == 0 || dx == dy);
}

} // namespace

Score Searcher::leafScore(const Board& position) {
    settings_ = SearchSettings();
    board_ = position;
    firstStone_ = board_.stonesPlayed();
    ownLimitReached_ = false;
    return quiescence(0, -kInfinity, kInfinity, 0, true);
}

Score Searcher::quiescence(int ply, Score alpha, Score beta, int leafPly, bool pvNode) {
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
        if (!pvNode && (hit.bound == kExact || (hit.bound == kLower && v >= beta) ||
                        (hit.bound == kUpper && v <= alpha)))
            return v;
    }
    Color them = opposite(board_.sideToMove());
    if (board_.hasFivePoint(them)) {
        // Their four is answered by its block, which costs no four of ours.
        Pos block = board_.points(them, kFivePoint).first();
        board_.play(block);
        tt_.prefetch(board_.hash());
        Score v = -quiescence(ply + 1, -beta, -alpha, leafPly + 1, pvNode);
        board_.undo();
        if (stopped()) return 0;
        if (pvNode && v > alpha) savePv(ply, block);
        return v;
    }
    if (eval == kNoEval) eval = evaluate(board_);
    return quiescenceFours(ply, alpha, beta, leafPly, pvNode, ttMove, eval);
}

Score Searcher::quiescenceFours(int ply, Score alpha, Score beta, int leafPly, bool pvNode,
                                Pos ttMove, Score eval) {
    Score best = eval;
    Bound bound = kUpper;
    Pos bestMove = kNoPos;
    if (best >= beta || !settings_.leafFours || leafPly >= kMostLeafPlies) {
        tt_.store(board_.hash(), toTT(best, ply), eval, kNoPos, 0, best >= beta ? kLower : kUpper);
        return best;
    }
    if (best > alpha) alpha = best, bound = kExact;
    Color me = board_.sideToMove();
    const auto& played = board_.moves();
    auto nearEarlierFour = [&](Pos p) {
        for (int k = 2; k <= leafPly; k += 2)
            if (near(p, played[played.size() - k])) return true;
        return leafPly < 2;
    };
    MoveList moves;
    board_.points(me, kFourPoint).forEach([&](Pos p) {
        if (nearEarlierFour(p)) moves.push_back(p);
    });
    // The table's move first, then the fours that do most.
    std::sort(moves.begin(), moves.end(), [&](Pos x, Pos y) {
        if ((x == ttMove) != (y == ttMove)) return x == ttMove;
        return board_.orderScore(x) > board_.orderScore(y);
    });
    for (Pos move : moves) {
        board_.play(move);
        tt_.prefetch(board_.hash());
        Score v = -quiescence(ply + 1, -beta, -alpha, leafPly + 1, pvNode);
        board_.undo();
        if (stopped()) return 0;
        if (v <= best) continue;
        best = v;
        bestMove = move;
        if (v <= alpha) continue;
        alpha = v;
        bound = kExact;
        if (pvNode) savePv(ply, move);
        if (v >= beta) {
            bound = kLower;
            break;
        }
    }
    tt_.store(board_.hash(), toTT(best, ply), eval, bestMove, 0, bound);
    return best;
}

} // namespace vesk
