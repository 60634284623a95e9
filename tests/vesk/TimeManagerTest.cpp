// The time manager against a fake clock, and the engine stopping on it.
#include "VeskPicture.h"

#include "vesk/Engine.h"
#include "vesk/TimeManager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace vesk::test {
namespace {

// A clock that shows what the test sets, and moves on by `step` at every reading.
class FakeClock : public TimeSource {
  public:
    explicit FakeClock(std::int64_t step = 0) : step_(step) {}
    std::int64_t milliseconds() override { return now_ += step_, now_ - step_; }
    void advance(std::int64_t ms) { now_ += ms; }

  private:
    std::int64_t now_ = 1000;
    std::int64_t step_;
};

struct BudgetCase {
    TimeBudget budget;
    std::int64_t hard; // 0: no limit
    std::int64_t soft;
};

// clang-format off
const BudgetCase kBudgets[] = {
    {{2000, 0}, 1890, 756},       // a twentieth and 10 ms kept back; soft at two fifths
    {{500, 0}, 465, 186},
    {{0, 60000}, 2840, 1136},     // the game's clock spread over twenty moves
    {{1000, 10000}, 465, 186},    // the tighter of the two
    {{0, 0}, 0, 0},
    {{5, 0}, 1, 1},               // never below a millisecond
};
// clang-format on

class TimeBudgets : public ::testing::TestWithParam<BudgetCase> {};

TEST_P(TimeBudgets, SetTheLimits) {
    FakeClock clock;
    TimeManager time(clock);
    time.start(GetParam().budget);
    EXPECT_EQ(time.limited(), GetParam().hard > 0);
    EXPECT_EQ(time.hardMs(), GetParam().hard);
    EXPECT_EQ(time.softMs(), GetParam().soft);
}

INSTANTIATE_TEST_SUITE_P(Budgets, TimeBudgets, ::testing::ValuesIn(kBudgets));

TEST(TimeManager, StopsIterationsBeforeTheSearch) {
    FakeClock clock;
    TimeManager time(clock);
    time.start({2000, 0});
    EXPECT_FALSE(time.iterationTooLate());
    clock.advance(755);
    EXPECT_FALSE(time.iterationTooLate());
    clock.advance(1);
    EXPECT_TRUE(time.iterationTooLate());
    EXPECT_FALSE(time.outOfTime());
    clock.advance(1890 - 756);
    EXPECT_TRUE(time.outOfTime());
    EXPECT_EQ(time.elapsedMs(), 1890);
}

TEST(TimeManager, UnlimitedNeverRunsOut) {
    FakeClock clock;
    TimeManager time(clock);
    time.start({});
    clock.advance(1000000);
    EXPECT_FALSE(time.outOfTime());
    EXPECT_FALSE(time.iterationTooLate());
}

TEST(EngineClock, ThinksWithinTheLimitsAndAnswers) {
    // Every reading of the clock takes a millisecond, so the search runs out of time
    // after a known number of readings, the same on every machine.
    FakeClock clock(1);
    Engine engine({}, &clock);
    engine.setPosition(stonesOf(kMiddleGame));
    ThinkLimits limits;
    limits.turnMs = 200;
    ThinkResult r = engine.think(limits);
    Board b = boardOf(kMiddleGame);
    EXPECT_TRUE(b.isEmpty(fromCell(r.move)));
    // It ends past the soft limit (no new iteration) and by the hard one.
    EXPECT_GE(r.ms, 72);
    EXPECT_LE(r.ms, 183);
    EXPECT_LT(r.depth, 64);
}

TEST(EngineClock, StopFromAnotherThreadEndsTheThink) {
    Engine engine;
    engine.setPosition(stonesOf(kMiddleGame));
    ThinkLimits limits;
    limits.depth = 64;
    // A stop asked before the think begins is forgotten, so ask until it has ended.
    std::atomic<bool> done{false};
    std::thread stopper([&] {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            engine.stop();
        }
    });
    ThinkResult r = engine.think(limits);
    done = true;
    stopper.join();
    EXPECT_FALSE(wuzi::isNoCell(r.move));
    EXPECT_LT(r.depth, 64);
}

} // namespace
} // namespace vesk::test
