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

class TimeManager {
  public:
    explicit TimeManager(TimeSource& clock) : clock_(clock) {}

    void start(const TimeBudget& budget);
    std::int64_t elapsedMs() const { return clock_.milliseconds() - startMs_; }
    bool limited() const { return hardMs_ > 0; }
    // Past the hard limit: the search must stop now.
    bool outOfTime() const { return limited() && elapsedMs() >= hardMs_; }
    // Past the soft limit: a new iteration would likely not finish, so none starts.
    bool iterationTooLate() const { return limited() && elapsedMs() >= softMs_; }
    std::int64_t hardMs() const { return hardMs_; }
    std::int64_t softMs() const { return softMs_; }

  private:
    TimeSource& clock_;
    std::int64_t startMs_ = 0;
    std::int64_t hardMs_ = 0;
    std::int64_t softMs_ = 0;
};

} // namespace vesk
