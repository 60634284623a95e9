#include "vesk/TimeManager.h"

#include <algorithm>

namespace vesk {

namespace {

// A game's clock is spread as if this many moves were still to come.
constexpr std::int64_t kMovesToGo = 20;
// What stopping the search and answering takes: a fiftieth of the time and a millisecond.
constexpr std::int64_t kStopShare = 50;
constexpr std::int64_t kStopMs = 1;

} // namespace

void TimeManager::start(const TimeBudget& budget) {
    startMs_ = clock_.milliseconds();
    instability_ = 1.0;
    aimMs_ = 0;
    std::int64_t allowed = budget.turnMs;
    if (budget.matchLeftMs > 0) {
        std::int64_t share = budget.matchLeftMs / kMovesToGo;
        allowed = allowed > 0 ? std::min(allowed, 3 * share) : 3 * share;
        aimMs_ = std::min(share, allowed);
    }
    if (allowed <= 0) {
        hardMs_ = aimMs_ = 0;
        return;
    }
    hardMs_ = std::max<std::int64_t>(1, allowed - allowed / kStopShare - kStopMs);
    aimMs_ = std::min(aimMs_, hardMs_);
}

std::int64_t TimeManager::softMs() const {
    if (aimMs_ == 0) return hardMs_;
    return std::min(hardMs_, static_cast<std::int64_t>(aimMs_ * instability_));
}

void TimeManager::iterationDone(bool bestMoveChanged, int scoreFall) {
    // Each change of mind weighs more than the last ones, which fade.
    instability_ = 0.5 + (instability_ - 0.5) * 0.7;
    if (bestMoveChanged) instability_ += 0.6;
    instability_ += std::clamp(scoreFall, 0, 200) / 200.0 * 0.5;
    instability_ = std::clamp(instability_, 0.5, 3.0);
}

} // namespace vesk
