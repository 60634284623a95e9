#pragma once

#include "rules/GameRecord.h"
#include "session/BackgroundTask.h"
#include "session/PositionAnalyst.h"
#include "session/Review.h"
#include "session/ReviewAssembly.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace wuzi {

// 复盘分析: Vesk reviews every position of a finished game on a thread of its own, and
// marks the moves. A position takes up to the limits' time; a move that is not Vesk's
// own choice may take as long again, to judge the position after it (see
// PositionAnalyst::judge).
//
// Driven from one thread, like the session's other work: start() it; progress() may be
// read at any time; when the review has finished, `wake` is called on the review's
// thread, and the driver then collects it on its own thread. A driver without an event
// loop calls collect() at once, which waits. cancel() stops the review at once and joins
// its thread; so does a new start() and the destructor.
class GameReview {
  public:
    explicit GameReview(std::function<void()> wake = {});
    ~GameReview();
    GameReview(const GameReview&) = delete;
    GameReview& operator=(const GameReview&) = delete;

    // Reviews `record`; a review under way is cancelled first. A limit of neither time nor
    // nodes is taken as the default time.
    void start(GameRecord record, ReviewLimits limits = {});

    struct Progress {
        int done = 0;  // positions analysed
        int total = 0; // positions in the game: one before every move, and the last
    };
    // Of the review started last; any thread may ask.
    Progress progress() const;
    // Started, and neither collected nor cancelled.
    bool running() const { return task_.busy(); }
    // The review has its result: collect() returns at once.
    bool finished() const { return task_.done(); }
    // Waits for the review and returns it; nothing when it was not started, or when the
    // analysis failed: fault() then says why.
    std::optional<Review> collect();
    const std::string& fault() const { return fault_; }
    // Stops the review at once and forgets it; finished() stays false, so a `wake` that
    // was already on its way finds nothing.
    void cancel();

  private:
    struct Outcome {
        std::optional<Review> review;
        std::string fault;
    };
    Outcome run(const GameRecord& record);
    std::optional<GameAnalysis> analyse(const GameRecord& record);
    void proveWithHindsight(const std::vector<Cell>& moves, GameAnalysis& analysis);

    std::unique_ptr<PositionAnalyst> analyst_;
    std::atomic<bool> cancelled_{false};
    std::atomic<int> done_{0};
    std::atomic<int> total_{0};
    std::string fault_;
    BackgroundTask<Outcome> task_;
};

} // namespace wuzi
