#include "engines/SearchEngineFast.h"

#include "engines/SearchLevels.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <thread>

// The root of the search plays its candidates on several threads, each on a trial board
// of its own; the root's loop itself (its best, its random draws, its cut-off) takes the
// candidates' values one after the other in the visiting order, as the plain minimax
// does. A candidate is searched under the best of the candidates before it that are in
// so far. That bound is never tighter than the one the plain search would pass; the
// level below notes its records, so that the value under the exact bound is read off
// once all the candidates before are in. The levels below the root are in SearchLevels.h.

namespace wuzi {

namespace {

using namespace search;

constexpr int kMaxThreads = 4;

template <class Side, class Next> class RootSearch {
  public:
    RootSearch(const SearchState& s, SearchContext& context, int depth, std::int32_t bound)
        : state_(s), context_(context), depth_(depth), bound_(bound) {
        for (int i = 0; i < kCells; ++i) {
            int cell = s.EngineCells[i].cell;
            if (s.EngineCells[i].state == 0 &&
                s.EngineBoard[cell / kSize][cell % kSize] == kEngineEmpty)
                positions_.push_back(i);
        }
        outcomes_.resize(positions_.size());
        inFlight_.fill(-1);
    }

    std::int32_t run(int& bestIndex) {
        int threads = depth_ >= 3 ? std::clamp(context_.threads, 1, kMaxThreads) : 1;
        std::vector<std::thread> helpers;
        for (int t = 1; t < threads; ++t)
            helpers.emplace_back([this, t] { work(t); });
        work(0);
        for (std::thread& helper : helpers)
            helper.join();
        context_.nodes += nodes_;
        bestIndex = context_.interrupted() ? -1 : bestIndex_;
        return best_;
    }

  private:
    struct Outcome {
        bool done = false;
        std::int32_t value = 0;
        Records records;
    };

    void work(int thread) {
        Searcher searcher(state_, context_);
        Records records;
        records.reserve(kCells + 1);
        for (int r; (r = take(thread)) >= 0;) {
            std::int32_t value =
                searcher.template rootCandidate<Side, Next>(r, depth_, bounds_[thread], records);
            if (context_.stopped()) break;
            finish(thread, r, value, records);
        }
        std::lock_guard lock(mutex_);
        nodes_ += searcher.nodes();
    }

    // The next candidate for `thread`, -1 when none is left.
    int take(int thread) {
        std::lock_guard lock(mutex_);
        inFlight_[thread] = -1;
        if (cut_ || next_ >= static_cast<int>(positions_.size()) || context_.stopped()) return -1;
        int r = next_++;
        inFlight_[thread] = r;
        bounds_[thread].store(boundBefore(r), std::memory_order_relaxed);
        return r;
    }

    void finish(int thread, int r, std::int32_t value, const Records& records) {
        std::lock_guard lock(mutex_);
        outcomes_[r] = {true, value, records};
        inFlight_[thread] = -1;
        settle();
        for (int t = 0; t < kMaxThreads; ++t)
            if (inFlight_[t] > r)
                bounds_[t].store(boundBefore(inFlight_[t]), std::memory_order_relaxed);
    }

    // The root's best before rank r as far as it is known: exact over the candidates the
    // loop has taken, and, past them, the values the other candidates got under bounds
    // looser than theirs (never better for the root than their exact values).
    std::int32_t boundBefore(int r) const {
        std::int32_t bound = best_;
        for (int k = settled_; k < r; ++k)
            if (outcomes_[k].done && Side::better(outcomes_[k].value, bound))
                bound = outcomes_[k].value;
        return bound;
    }

    // The root's loop over the candidates whose values are in, in the visiting order.
    void settle() {
        while (!cut_ && settled_ < static_cast<int>(outcomes_.size()) && outcomes_[settled_].done) {
            Outcome& o = outcomes_[settled_];
            cut_ = consider(ValueUnder<Next>(o.records, best_), positions_[settled_]);
            o.records = {};
            ++settled_;
        }
    }

    // The tie rule, then the better value, then the one-sided cut-off; true stops the loop.
    bool consider(std::int32_t value, int position) {
        if (context_.rootValues) context_.rootValues->push_back({position, value});
        if (bestIndex_ < 0) bestIndex_ = position;
        if (value == best_ && context_.random.next() < 0.3) bestIndex_ = position;
        if (Side::better(value, best_)) best_ = value, bestIndex_ = position;
        return Side::better(value, bound_);
    }

    const SearchState& state_;
    SearchContext& context_;
    const int depth_;
    const std::int32_t bound_;
    std::vector<int> positions_; // of the candidates, in the visiting order
    std::mutex mutex_;
    std::vector<Outcome> outcomes_;
    int next_ = 0;
    int settled_ = 0;
    bool cut_ = false;
    std::int32_t best_ = Side::kStart;
    int bestIndex_ = -1;
    long long nodes_ = 0;
    std::array<int, kMaxThreads> inFlight_{};
    std::array<SharedBound, kMaxThreads> bounds_{};
};

} // namespace

std::int32_t EngineSearch(const SearchState& s, int depth, std::int32_t bound, int side,
                          int& bestIndex, SearchContext& context) {
    bestIndex = -1;
    if (context.stopped()) return 0;
    if (depth == 0) return s.EngineEval;
    if (side == kEnginePlayer)
        return RootSearch<PlayerSide, ComputerSide>(s, context, depth, bound).run(bestIndex);
    return RootSearch<ComputerSide, PlayerSide>(s, context, depth, bound).run(bestIndex);
}

} // namespace wuzi
