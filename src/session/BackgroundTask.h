#pragma once

#include <atomic>
#include <functional>
#include <thread>
#include <utility>

namespace wuzi {

// One piece of work on a thread of its own. When it finishes, `wake` is called on that
// thread; the owner then collects the result on its own thread. Only the owner's thread
// calls the members.
template <class Result> class BackgroundTask {
  public:
    explicit BackgroundTask(std::function<void()> wake) : wake_(std::move(wake)) {}
    ~BackgroundTask() { join(); }
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    void start(std::function<Result()> work) {
        join();
        done_ = false;
        busy_ = true;
        thread_ = std::thread([this, work = std::move(work)] {
            result_ = work();
            done_ = true;
            if (wake_) wake_();
        });
    }
    // Started and not yet collected or dropped.
    bool busy() const { return busy_; }
    // The work has finished: collect() returns at once.
    bool done() const { return busy_ && done_; }
    // Waits for the work and returns its result.
    Result collect() {
        join();
        busy_ = false;
        return std::move(result_);
    }
    // Waits for the work and forgets its result.
    void drop() {
        join();
        busy_ = false;
    }

  private:
    void join() {
        if (thread_.joinable()) thread_.join();
    }

    std::function<void()> wake_;
    std::thread thread_;
    Result result_{};
    std::atomic<bool> done_{false};
    bool busy_ = false;
};

} // namespace wuzi
