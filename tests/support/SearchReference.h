#pragma once

#include "engines/SearchEngineFast.h"
#include "engines/SearchState.h"
#include "rules/Platform.h"
#include "rules/Types.h"

#include <cstdint>
#include <vector>

namespace wuzi::test {

// The look-ahead search written plainly, step by step as the game describes it: trial
// stones on EngineBoard itself, EngineEvalUpdate for every move, EngineEval kept and
// restored. As decided for the search, only the root draws at its ties, and a level
// below the root stops once its best is its own side's five. Slow, and the yardstick
// the fast engine must match: move, value, the value of every root candidate and every
// random draw.
class ReferenceSearch {
  public:
    ReferenceSearch(SearchState& s, RandomSource& random, const bool& gameActive)
        : s_(s), random_(random), gameActive_(gameActive) {}

    std::int32_t EngineSearch(int depth, std::int32_t bound, int side, int& bestIndex);

    long long nodes = 0; // trial stones played
    // When not 0: the search gives up (as when the game ends) after this many stones.
    long long nodeLimit = 0;
    bool gaveUp() const { return nodeLimit > 0 && nodes >= nodeLimit; }
    // The root's candidates with their values, in the order the root took them.
    std::vector<RootValue> rootValues;

  private:
    std::int32_t level(int depth, std::int32_t bound, int side, int& bestIndex, bool root);
    bool ended() const { return !gameActive_ || gaveUp(); }

    SearchState& s_;
    RandomSource& random_;
    const bool& gameActive_;
};

} // namespace wuzi::test
