#pragma once

#include "core/Platform.h"
#include "core/SearchState.h"
#include "core/Types.h"

#include <cstdint>

namespace wuzi::test {

// The look-ahead search written plainly, step by step as the game describes it: trial
// stones on EngineBoard itself, EngineEvalUpdate for every move, EngineEval kept and
// restored. Slow, and the yardstick the fast engine must match move for move, value for
// value and random draw for random draw.
class ReferenceSearch {
  public:
    ReferenceSearch(SearchState& s, RandomSource& random, const Flag& gameActive)
        : s_(s), random_(random), gameActive_(gameActive) {}

    std::int32_t EngineSearch(int depth, std::int32_t bound, int side, int& bestIndex);

    long long nodes = 0; // trial stones played

  private:
    SearchState& s_;
    RandomSource& random_;
    const Flag& gameActive_;
};

} // namespace wuzi::test
