#include "vesk/TimeManager.h"

#include <algorithm>

namespace vesk {

namespace {

// A game's clock is spread as if this many moves were still to come.
constexpr std::int64_t kMovesToGo = 20;

} // namespace

void TimeManager::start(const TimeBudget& budget) {
    startMs_ = clock_.milliseconds();
    std::int64_t allowed = budget.turnMs;
    if (budget.matchLeftMs > 0) {
        std::int64_t share = budget.matchLeftMs / kMovesToGo;
        allowed = allowed > 0 ? std::min(allowed, share) : share;
    }
    if (allowed <= 0) {
        hardMs_ = softMs_ = 0;
        return;
    }
    // Leave room for answering: a twentieth of the time and ten milliseconds.
    hardMs_ = std::max<std::int64_t>(1, allowed - allowed / 20 - 10);
    softMs_ = std::max<std::int64_t>(1, hardMs_ * 2 / 5);
}

} // namespace vesk
