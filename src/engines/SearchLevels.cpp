#include "engines/SearchLevels.h"

namespace wuzi::search {

Searcher::Searcher(const SearchState& s, SearchContext& context)
    : board_(s), eval_(s.EngineEval), context_(context) {}

template <class Side, class Next>
std::int32_t Searcher::rootCandidate(int r, int depth, const SharedBound& bound, Records& records) {
    records.clear();
    ++nodes_;
    std::int32_t score = Side::after(eval_, board_.gain(Side::kIndex, r));
    if (score == Side::kFive || depth == 1) {
        records.push_back(score);
        return score;
    }
    std::int32_t saved = eval_;
    eval_ = score;
    board_.place(r, Side::kIndex);
    std::int32_t value = ordered<Next, Side>(depth - 1, bound, records);
    board_.lift(r, Side::kIndex);
    eval_ = saved;
    return value;
}

template std::int32_t
Searcher::rootCandidate<PlayerSide, ComputerSide>(int, int, const SharedBound&, Records&);
template std::int32_t
Searcher::rootCandidate<ComputerSide, PlayerSide>(int, int, const SharedBound&, Records&);

// The level below the root: the plain search's loop, noting its records.
template <class Side, class Next>
std::int32_t Searcher::ordered(int depth, const SharedBound& bound, Records& records) {
    if (depth == 1) return lastPlyOrdered<Side>(bound, records);
    if (depth == 2) return twoPliesOrdered<Side, Next>(bound, records);
    std::int32_t best = Side::kStart;
    for (int r = 0; r < board_.count(); ++r) {
        if (!board_.free(r)) continue;
        if (stopped()) break;
        std::int32_t value = child<Side, Next>(r, depth, best);
        if (Side::better(value, best)) {
            best = value;
            records.push_back(best);
            if (best == Side::kFive) break;
        }
        if (Side::better(value, bound.load(std::memory_order_relaxed))) break;
    }
    return best;
}

// Side's move on rank r at a level `depth` plies from the bottom, its parent's best being
// `best`.
template <class Side, class Next>
std::int32_t Searcher::child(int r, int depth, std::int32_t best) {
    ++nodes_;
    std::int32_t score = Side::after(eval_, board_.gain(Side::kIndex, r));
    if (score == Side::kFive) return score;
    std::int32_t saved = eval_;
    eval_ = score;
    board_.place(r, Side::kIndex);
    std::int32_t value = inner<Next, Side>(depth - 1, best);
    board_.lift(r, Side::kIndex);
    eval_ = saved;
    return value;
}

// A level deeper down: any order, and done once its best cannot better its parent's
// best `alpha`.
template <class Side, class Next> std::int32_t Searcher::inner(int depth, std::int32_t alpha) {
    if (depth == 2) return twoPlies<Side, Next>(alpha);
    std::int32_t best = Side::kStart;
    for (int r = 0; r < board_.count(); ++r) {
        if (!board_.free(r)) continue;
        std::int32_t value = child<Side, Next>(r, depth, best);
        if (Side::better(value, best)) best = value;
        if (best == Side::kFive || !Next::better(best, alpha) || stopped()) break;
    }
    return best;
}

template <class Side>
std::int32_t Searcher::lastPlyOrdered(const SharedBound& bound, Records& records) {
    std::int32_t best = Side::kStart;
    for (int r = 0; r < board_.count(); ++r) {
        if (!board_.free(r)) continue;
        ++nodes_;
        std::int32_t value = Side::after(eval_, board_.gain(Side::kIndex, r));
        if (Side::better(value, best)) {
            best = value;
            records.push_back(best);
            if (best == Side::kFive) break;
        }
        if (Side::better(value, bound.load(std::memory_order_relaxed))) break;
    }
    return best;
}

template <class Side, class Next>
std::int32_t Searcher::replyBound(std::int32_t score, std::int32_t untouched) const {
    // The move fills the last free cell: the reply's ply finds nothing.
    if (board_.freeCount() == 1) return Next::kStart;
    // Gains are never negative, and the other side has at least the untouched cells.
    return Next::after(score, std::max(untouched, 0));
}

template <class Side, class Next>
std::int32_t Searcher::replyValue(int r, std::int32_t score, std::int32_t untouched) {
    ++nodes_;
    if (board_.freeCount() == 1) return Next::kStart;
    return Next::after(score, board_.bestGainAfter(r, Side::kIndex, Next::kIndex, untouched));
}

// The two plies above the bottom in the visiting order, as the level below the root.
template <class Side, class Next>
std::int32_t Searcher::twoPliesOrdered(const SharedBound& bound, Records& records) {
    const TopGains top = board_.topGains(Next::kIndex);
    std::int32_t best = Side::kStart;
    for (int r = 0; r < board_.count(); ++r) {
        if (!board_.free(r)) continue;
        std::int32_t gain = board_.gain(Side::kIndex, r);
        std::int32_t value = Side::kFive;
        if (gain < kFiveMark) {
            std::int32_t score = Side::after(eval_, gain);
            std::int32_t untouched = board_.bestUntouched(r, Next::kIndex, top);
            // Neither a record nor a cut-off (that would be a record too).
            if (!Side::better(replyBound<Side, Next>(score, untouched), best)) continue;
            value = replyValue<Side, Next>(r, score, untouched);
        }
        if (Side::better(value, best)) {
            best = value;
            records.push_back(best);
            if (best == Side::kFive) break;
        }
        if (Side::better(value, bound.load(std::memory_order_relaxed))) break;
    }
    return best;
}

// The two plies above the bottom, deeper down. The move that ended the last such level
// early is tried first: the same answer often refutes the next move of the parent.
template <class Side, class Next> std::int32_t Searcher::twoPlies(std::int32_t alpha) {
    const TopGains top = board_.topGains(Next::kIndex);
    std::int32_t best = Side::kStart;
    auto tryMove = [&](int r) {
        std::int32_t gain = board_.gain(Side::kIndex, r);
        if (gain >= kFiveMark) {
            best = Side::kFive;
            return true;
        }
        std::int32_t score = Side::after(eval_, gain);
        std::int32_t untouched = board_.bestUntouched(r, Next::kIndex, top);
        if (!Side::better(replyBound<Side, Next>(score, untouched), best)) return false;
        std::int32_t value = replyValue<Side, Next>(r, score, untouched);
        if (!Side::better(value, best)) return false;
        best = value;
        return !Next::better(best, alpha);
    };
    if (killer_ >= 0 && board_.free(killer_) && tryMove(killer_)) return best;
    for (int r = 0; r < board_.count(); ++r)
        if (board_.free(r) && tryMove(r)) {
            killer_ = r;
            return best;
        }
    return best;
}

} // namespace wuzi::search
