#pragma once

// The levels of the fast search below its root. Each returns the value the plain minimax
// would give its parent wherever that value can change the parent's best; elsewhere it
// returns some value that cannot change it, often without playing anything.
//  - The level just below the root plays its moves in the visiting order and stops where
//    the plain search stops, so that every root candidate gets its very value. The
//    root's bound reaches it through a shared variable that other threads may tighten; it
//    notes every improvement of its best (its records), from which the root reads the
//    value the plain search would have returned under the bound it ends up with.
//  - Deeper levels play in any order, and stop as soon as their best can no longer
//    change their parent's (a tie changes nothing now that only the root draws).
//  - A level whose best has reached its own side's five stops: nothing beats a five.
//  - The last two plies are worked out from the gain tables: a move and the other
//    side's best reply to it cost one pass over the cells on the move's lines, and a
//    move whose reply cannot be bettered by any cell off those lines is passed over.

#include "engines/SearchEngineBoard.h"
#include "engines/SearchEngineFast.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace wuzi::search {

// The two sides, as the search needs them.
struct PlayerSide {
    static constexpr int kIndex = 0;
    static constexpr std::int32_t kFive = kFiveScore;
    static constexpr std::int32_t kStart = -kFiveScore;
    static bool better(std::int32_t a, std::int32_t b) { return a > b; }
    // The score after a stone of this side on a free cell with gain g.
    static std::int32_t after(std::int32_t eval, std::int32_t g) {
        return g >= kFiveMark ? kFiveScore : eval + g;
    }
};

struct ComputerSide {
    static constexpr int kIndex = 1;
    static constexpr std::int32_t kFive = -kFiveScore;
    static constexpr std::int32_t kStart = kFiveScore;
    static bool better(std::int32_t a, std::int32_t b) { return a < b; }
    static std::int32_t after(std::int32_t eval, std::int32_t g) {
        return g >= kFiveMark ? -kFiveScore : eval - g;
    }
};

// The root's best as the level below it sees it: other threads only ever tighten it.
using SharedBound = std::atomic<std::int32_t>;

// The improvements of a level's best, in order.
using Records = std::vector<std::int32_t>;

// The value the plain search gives a level whose records are `records` when its bound is
// `bound`: its first record beyond the bound, else its final best. Side is the level's.
template <class Side> std::int32_t ValueUnder(const Records& records, std::int32_t bound) {
    for (std::int32_t r : records)
        if (Side::better(r, bound)) return r;
    return records.empty() ? Side::kStart : records.back();
}

class Searcher {
  public:
    Searcher(const SearchState& s, SearchContext& context);

    const TrialBoard& board() const { return board_; }
    long long nodes() const { return nodes_; }

    // The root candidate on rank r for the root's side Side, searched `depth` plies deep:
    // fills `records` for ValueUnder<Next> (one value when no level lies below), and
    // returns the candidate's value under the bound as it stood at the end.
    template <class Side, class Next>
    std::int32_t rootCandidate(int r, int depth, const SharedBound& bound, Records& records);

  private:
    template <class Side, class Next>
    std::int32_t ordered(int depth, const SharedBound& bound, Records& records);
    template <class Side, class Next> std::int32_t inner(int depth, std::int32_t alpha);
    template <class Side> std::int32_t lastPlyOrdered(const SharedBound& bound, Records& records);
    template <class Side, class Next>
    std::int32_t twoPliesOrdered(const SharedBound& bound, Records& records);
    template <class Side, class Next> std::int32_t twoPlies(std::int32_t alpha);

    // The value of Side's move on rank r followed by Next's best reply, and a bound on it
    // that Side cannot better, from the gains alone.
    template <class Side, class Next>
    std::int32_t replyValue(int r, std::int32_t score, std::int32_t untouched);
    template <class Side, class Next>
    std::int32_t replyBound(std::int32_t score, std::int32_t untouched) const;

    template <class Side, class Next> std::int32_t child(int r, int depth, std::int32_t best);
    bool stopped() { return context_.stopped(); }

    TrialBoard board_;
    std::int32_t eval_;
    SearchContext& context_;
    long long nodes_ = 0;
    // The move that last ended a level of the two plies early.
    int killer_ = -1;
};

} // namespace wuzi::search
