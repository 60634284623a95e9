#include "engines/SearchEngineFast.h"

#include "engines/SearchEngineBoard.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <typeinfo>

// The search visits exactly the moves, in exactly the order, of the plain minimax and
// draws the same random numbers; it is fast because a move costs little:
//  - every five-cell window keeps its stone counts, changed only for the windows
//    through a played cell;
//  - every candidate keeps, for each side, the change of the score that a stone of that
//    side would make there (its gain), so the last ply reads a table instead of
//    counting, and skips whole blocks of candidates that cannot tie or beat its best;
//  - the board is flat arrays in visiting order, nothing is allocated.

namespace wuzi {

namespace {

using namespace search;

// The two sides, as the search needs them.
struct PlayerSide {
    static constexpr bool kMaximise = true;
    static constexpr int kIndex = 0;
    static constexpr std::int32_t kStart = -kFiveScore;
    static constexpr std::uint8_t kStone = kEnginePlayer;
    // The score after a stone of this side on a free cell with gain g.
    static std::int32_t after(std::int32_t eval, std::int32_t g) {
        return g >= kFiveMark ? kFiveScore : eval + g;
    }
    // The least gain whose score ties or beats `best`.
    static std::int64_t gainToReach(std::int32_t eval, std::int32_t best) {
        return std::int64_t{best} - eval;
    }
};

struct ComputerSide {
    static constexpr bool kMaximise = false;
    static constexpr int kIndex = 1;
    static constexpr std::int32_t kStart = kFiveScore;
    static constexpr std::uint8_t kStone = kEngineComputer;
    static std::int32_t after(std::int32_t eval, std::int32_t g) {
        return g >= kFiveMark ? -kFiveScore : eval - g;
    }
    static std::int64_t gainToReach(std::int32_t eval, std::int32_t best) {
        return std::int64_t{eval} - best;
    }
};

class Searcher {
  public:
    Searcher(const SearchState& s, SearchContext& context)
        : board_(s), eval_(s.EngineEval), context_(context),
          seeded_(typeid(context.random) == typeid(SeededRandom)
                      ? static_cast<SeededRandom*>(&context.random)
                      : nullptr) {}

    std::int32_t search(int depth, std::int32_t bound, int side, int& bestIndex) {
        bestIndex = -1;
        if (context_.stopped()) return 0;
        if (depth == 0) return eval_;
        if (side == kEnginePlayer) return level<PlayerSide, ComputerSide>(depth, bound, bestIndex);
        return level<ComputerSide, PlayerSide>(depth, bound, bestIndex);
    }

  private:
    double draw() { return seeded_ ? seeded_->SeededRandom::next() : context_.random.next(); }

    // The tie rule, then the better value, then the one-sided cut-off; true stops the loop.
    template <class Side>
    bool consider(std::int32_t value, int position, std::int32_t& best, int& bestIndex,
                  std::int32_t bound) {
        if (value == best && draw() < 0.3) bestIndex = position;
        if constexpr (Side::kMaximise) {
            if (value > best) best = value, bestIndex = position;
            return value > bound;
        } else {
            if (value < best) best = value, bestIndex = position;
            return value < bound;
        }
    }

    template <class Side, class Next>
    std::int32_t level(int depth, std::int32_t bound, int& bestIndex) {
        if (depth == 1) {
            fiveCount_ = kFivesUnknown;
            return lastPly<Side>(bound, bestIndex);
        }
        if (depth == 2) collectFives(Next::kIndex);
        std::int32_t best = Side::kStart;
        const std::int32_t* gains = board_.gains(Side::kIndex);
        for (int r = 0; r < board_.count(); ++r) {
            if (!board_.free(r)) continue;
            const int position = board_.candidate(r).position;
            if (bestIndex < 0) bestIndex = position;
            ++context_.nodes;
            std::int32_t value = Side::after(eval_, gains[r]);
            if (value != kFiveScore && value != -kFiveScore) {
                value = child<Side, Next>(depth, r, value, best);
                if (context_.stopped()) break;
            }
            if (consider<Side>(value, position, best, bestIndex, bound)) break;
        }
        return best;
    }

    // The value of the move on rank r, which brings the score to `score`.
    template <class Side, class Next>
    std::int32_t child(int depth, int r, std::int32_t score, std::int32_t best) {
        std::int32_t saved = eval_;
        eval_ = score;
        int childIndex = -1;
        std::int32_t value;
        if (depth == 2) {
            board_.placeBeforeLastPly(r, Side::kIndex, Next::kIndex);
            if (context_.stopped())
                value = 0;
            else if (!firstMoveCutsOff<Next>(best, value))
                value = lastPly<Next>(best, childIndex);
            board_.liftAfterLastPly(r);
        } else {
            board_.place(r, Side::kIndex);
            value = search(depth - 1, best, Next::kStone, childIndex);
            board_.lift(r, Side::kIndex);
        }
        eval_ = saved;
        return value;
    }

    // Most last plies end at their first move, which beats the bound: that one move is
    // scored straight away. True when it did, with its score in `value`.
    template <class Side> bool firstMoveCutsOff(std::int32_t bound, std::int32_t& value) {
        int first = board_.firstFree();
        if (first < 0) return false;
        std::int32_t gain = board_.gains(Side::kIndex)[first];
        gain += board_.changeAt(first);
        value = Side::after(eval_, gain);
        bool beats = Side::kMaximise ? value > bound : value < bound;
        // Equal to the starting best it would draw a number: left to the full ply.
        if (!beats || value == Side::kStart) return false;
        ++context_.nodes;
        return true;
    }

    // The cells where `side` would complete a five now. A stone of the other side only
    // takes fives away, so below the coming move they are all there are.
    void collectFives(int side) {
        const std::int32_t* gains = board_.gains(side);
        fiveCount_ = 0;
        GainFilter filter(kFiveMark);
        for (int b = 0; b < board_.count(); b += kBlock)
            for (unsigned mask = filter.reaching(gains + b); mask != 0; mask &= mask - 1) {
                int r = b + std::countr_zero(mask);
                if (r < board_.count() && board_.free(r))
                    fives_[fiveCount_++] = static_cast<std::uint8_t>(r);
            }
    }

    // Once the last ply has found a five, only another five can tie it: the remaining
    // moves are those of the five list after rank `from`.
    template <class Side>
    std::int32_t remainingFives(int from, std::int32_t bound, std::int32_t& best, int& bestIndex,
                                long long base) {
        const std::int32_t* gains = board_.gains(Side::kIndex);
        for (int k = 0; k < fiveCount_; ++k) {
            int r = fives_[k];
            if (r <= from || !board_.free(r)) continue;
            board_.skipChangesBelow(r);
            std::int32_t gain = gains[r];
            if (board_.nextChangedRank() == r) gain += board_.takeChange();
            if (gain < kFiveMark) continue;
            context_.nodes = base + board_.freeThrough(r);
            if (consider<Side>(-Side::kStart, board_.candidate(r).position, best, bestIndex, bound))
                return best;
        }
        context_.nodes = base + board_.freeThrough(board_.count() - 1);
        return best;
    }

    template <class Side> static std::int32_t threshold(std::int32_t eval, std::int32_t best) {
        std::int64_t reach = std::min<std::int64_t>(Side::gainToReach(eval, best), kFiveMark);
        return static_cast<std::int32_t>(std::max<std::int64_t>(reach, INT_MIN + 1));
    }

    // The last ply: each move's score is the current score plus the cell's gain. Only the
    // moves whose gain lets them tie or beat the best are looked at (and those whose gain
    // the stone before has changed): any other would draw nothing, change nothing and,
    // the best being within the bound, cut nothing off.
    template <class Side> std::int32_t lastPly(std::int32_t bound, int& bestIndex) {
        const std::int32_t eval = eval_;
        const std::int32_t* gains = board_.gains(Side::kIndex);
        const long long base = context_.nodes;
        std::int32_t best = Side::kStart;
        int first = board_.firstFree();
        if (first < 0) return best;
        bestIndex = board_.candidate(first).position;
        const int last = board_.count() - 1;
        // Unless the score is itself near a five's, no ordinary move reaches a five's score.
        const bool onlyFivesTie = eval < kFiveScore - kFiveMark && eval > -kFiveScore + kFiveMark;
        std::int32_t reach = threshold<Side>(eval, best);
        GainFilter filter(reach);
        for (int b = 0, end = kBlock; b <= last; b += kBlock, end += kBlock) {
            unsigned mask = filter.reaching(gains + b);
            // The ranks of the block whose gains reach the threshold, merged in rank order
            // with those whose gains the stone before this ply has changed.
            for (;;) {
                int fromTable = mask != 0 ? b + std::countr_zero(mask) : kNoRank;
                int changed = board_.nextChangedRank();
                int r = std::min(fromTable, changed < end ? changed : kNoRank);
                if (r == kNoRank || r > last) break;
                if (r == fromTable) mask &= mask - 1;
                std::int32_t gain = gains[r];
                // A changed gain that does not reach the threshold changes nothing.
                if (r == changed && (gain += board_.takeChange()) < reach) continue;
                if (!board_.free(r)) continue;
                std::int32_t value = Side::after(eval, gain);
                // A draw reports the trial stones played up to its moment.
                if (value == best) context_.nodes = base + board_.freeThrough(r);
                std::int32_t before = best;
                if (consider<Side>(value, board_.candidate(r).position, best, bestIndex, bound)) {
                    context_.nodes = base + board_.freeThrough(r);
                    return best;
                }
                if (best != before) {
                    if (best == -Side::kStart && fiveCount_ != kFivesUnknown && onlyFivesTie)
                        return remainingFives<Side>(r, bound, best, bestIndex, base);
                    reach = threshold<Side>(eval, best);
                    filter.set(reach);
                    mask &= filter.reaching(gains + b);
                }
            }
        }
        context_.nodes = base + board_.freeThrough(last);
        return best;
    }

    static constexpr int kFivesUnknown = -1;

    TrialBoard board_;
    std::int32_t eval_;
    std::array<std::uint8_t, kRankSlots> fives_{};
    int fiveCount_ = kFivesUnknown;
    SearchContext& context_;
    SeededRandom* seeded_;
};

} // namespace

std::int32_t EngineSearch(const SearchState& s, int depth, std::int32_t bound, int side,
                          int& bestIndex, SearchContext& context) {
    Searcher searcher(s, context);
    return searcher.search(depth, bound, side, bestIndex);
}

} // namespace wuzi
