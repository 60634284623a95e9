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
    {{2000, 0}, 1959, 1959},      // a fiftieth and a millisecond kept for answering
    {{500, 0}, 489, 489},         // a turn's time is spent whole
    {{0, 60000}, 8819, 3000},     // aims at a twentieth of the game's clock, up to three
    {{1000, 10000}, 979, 500},    // ... and no more than the turn's time
    {{0, 0}, 0, 0},
    {{5, 0}, 4, 4},
    {{1, 0}, 1, 1},               // never below a millisecond
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

TEST(TimeManager, OnTheGameClockSpendsMoreWhileTheSearchChangesItsMind) {
    FakeClock clock;
    TimeManager time(clock);
    time.start({0, 60000});
    std::int64_t share = time.softMs();
    time.iterationDone(true, 0);
    EXPECT_GT(time.softMs(), share);
    for (int i = 0; i < 6; ++i)
        time.iterationDone(false, 0);
    std::int64_t stable = time.softMs();
    EXPECT_LT(stable, share);
    time.iterationDone(false, 150);
    EXPECT_GT(time.softMs(), stable);
    for (int i = 0; i < 20; ++i)
        time.iterationDone(true, 200);
    EXPECT_LE(time.softMs(), time.hardMs());
}

TEST(TimeManager, GivenATurnOnlySpendsItWhole) {
    FakeClock clock;
    TimeManager time(clock);
    time.start({1000, 0});
    for (int i = 0; i < 6; ++i)
        time.iterationDone(false, -50);
    EXPECT_EQ(time.softMs(), time.hardMs());
    clock.advance(time.hardMs() - 1);
    EXPECT_FALSE(time.iterationTooLate());
    EXPECT_FALSE(time.outOfTime());
    clock.advance(1);
    EXPECT_TRUE(time.outOfTime());
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
    // It thinks to the hard limit, 195 ms, and stops within a few readings of it.
    EXPECT_GE(r.ms, 195);
    EXPECT_LE(r.ms, 200);
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
