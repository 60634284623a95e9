#pragma once

#include "engines/SearchState.h"
#include "rules/Platform.h"
#include "session/BackgroundTask.h"

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace wuzi {

// The draws of the game's random generator as the searches see them. A search that is
// stopped gives back what it drew, and the next search draws the same numbers again
// first: the generator goes on as if the stopped search had never run, so a game plays
// the same whether or not a search was interrupted on the way.
class SearchDraws : public RandomSource {
  public:
    explicit SearchDraws(RandomSource& source) : source_(source) {}
    double next() override;
    // How many numbers the current search has drawn.
    std::size_t drawn() const { return cursor_; }
    // The search that drew has placed its reply: its draws are spent.
    void spend();
    // The search that drew was stopped: its draws are handed to the next one.
    void giveBack() { cursor_ = 0; }
    // The current search counts as having drawn only its first `count` numbers; the rest
    // are handed to the next one.
    void keepFirst(std::size_t count) { cursor_ = count; }

  private:
    RandomSource& source_;
    std::vector<double> drawn_; // in the order first drawn, the spent ones dropped
    std::size_t cursor_ = 0;    // of drawn_, drawn by the current search
};

// Opponent 3's look-ahead search on a thread of its own, on a copy of the engine's
// board; only it draws from the game's random generator while it runs.
class SearchWorker {
  public:
    // `wake` is called on the worker's thread when a search has finished.
    SearchWorker(RandomSource& random, std::function<void()> wake);
    ~SearchWorker();

    // Without a deadline the search runs to its end. With one, a search of two plies comes
    // first, and the full search is dropped for it when the deadline passes; when the full
    // search ends in time, its reply and its draws are those it makes without a deadline.
    void start(const SearchState& board, int depth, std::optional<Deadline> deadline = {});
    // A search has been started and neither collected nor stopped.
    bool running() const { return task_.busy(); }
    // The running search has its answer: collect() returns at once.
    bool finished() const { return task_.done(); }
    // Waits for the running search; the EngineCells position it chose, -1 for none.
    int collect();
    // Stops the running search at once and forgets it.
    void stop();

  private:
    int searchInTime(const SearchState& board, int depth, const Deadline& deadline);

    SearchDraws draws_;
    std::atomic<bool> cancelled_{false};
    BackgroundTask<int> task_;
};

} // namespace wuzi
