#pragma once

#include "rules/Types.h"
#include "session/BackgroundTask.h"
#include "vesk/Engine.h"

#include <functional>
#include <memory>
#include <vector>

namespace wuzi {

// Vesk thinking on a thread of its own about a position given as the stones in the order
// played. Its engine is made at the first search and keeps what it learns from move to
// move until a new game.
class VeskWorker {
  public:
    // `wake` is called on the worker's thread when a search has finished.
    VeskWorker(int hashMegabytes, std::function<void()> wake);
    ~VeskWorker();

    void start(std::vector<Cell> position, const vesk::ThinkLimits& limits);
    // A search has been started and neither collected nor stopped.
    bool running() const { return task_.busy(); }
    // The running search has its answer: collect() returns at once.
    bool finished() const { return task_.done(); }
    // Waits for the running search and returns what it found.
    vesk::ThinkResult collect();
    // Stops the running search at once and forgets it.
    void stop();
    // What earlier searches learned is forgotten.
    void newGame();
    // The size of the table of the searches from now on.
    void resize(int hashMegabytes);

  private:
    vesk::Engine& engine();

    int hashMegabytes_;
    std::unique_ptr<vesk::Engine> engine_;
    BackgroundTask<vesk::ThinkResult> task_;
};

} // namespace wuzi
