#pragma once

#include "rules/Platform.h"

#include <cstdint>

// How long one move may think. Time comes through the game's monotonic clock, so that
// tests can fake it.
namespace vesk {

using TimeSource = wuzi::MonotonicClock;

struct TimeBudget {
    std::int64_t turnMs = 0;      // the most one move may take; 0: no limit
    std::int64_t matchLeftMs = 0; // what is left of the whole game; 0: no limit
};

// A move given only a turn's time spends it all, less the few milliseconds a search
// needs to stop and answer. A move on the game's clock aims at its share of what is
// left, more when the best move keeps changing or the score falls, less when both hold
// still, and never more than three shares or the turn's time.
class TimeManager {
  public:
    explicit TimeManager(TimeSource& clock) : clock_(clock) {}

    void start(const TimeBudget& budget);
    std::int64_t elapsedMs() const { return clock_.milliseconds() - startMs_; }
    bool limited() const { return hardMs_ > 0; }
    // Past the hard limit: the search must stop now.
    bool outOfTime() const { return limited() && elapsedMs() >= hardMs_; }
    // Past the aim: no new iteration starts.
    bool iterationTooLate() const { return limited() && elapsedMs() >= softMs(); }
    std::int64_t hardMs() const { return hardMs_; }
    std::int64_t softMs() const;

    // After each iteration: did the best move change, and by how much did the score fall
    // from the one before (negative when it rose).
    void iterationDone(bool bestMoveChanged, int scoreFall);

  private:
    TimeSource& clock_;
    std::int64_t startMs_ = 0;
    std::int64_t hardMs_ = 0;
    std::int64_t aimMs_ = 0; // 0: spend up to the hard limit
    double instability_ = 1.0;
};

} // namespace vesk
