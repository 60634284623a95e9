#pragma once

#include "core/Game.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace wuzi {

// Opponent 3 thinks off the UI thread: the search runs on a copy of the engine's board
// in a worker thread, and its reply is placed back on the UI thread. A search stopped
// by the end of the game, a new game or the window closing never places its reply.
//
// The game's random generator is drawn from by the worker alone: a new search starts
// only once the previous worker has finished.
//
// A suspended search hands its draws to the next one, which uses them again before it
// draws anew: the generator goes on as if the search had never been interrupted, so a
// game paused by a lesson plays what the same game unpaused plays.
class ReplayedDraws : public RandomSource {
  public:
    ReplayedDraws(RandomSource& source, std::vector<double> again)
        : source_(source), again_(std::move(again)) {}
    double next() override;
    // Every number handed out, the repeated ones first.
    const std::vector<double>& drawn() const { return drawn_; }

  private:
    RandomSource& source_;
    std::vector<double> again_;
    std::size_t used_ = 0;
    std::vector<double> drawn_;
};

class SearchRunner : public QObject {
    Q_OBJECT
  public:
    explicit SearchRunner(Game& game, QObject* parent = nullptr);
    ~SearchRunner() override;

    // Starts the engine's reply when the player's stone has been handed to it.
    void startIfOwed();
    // True while a reply is being searched.
    bool pending() const { return pending_; }
    // Stops the search at once; its reply is dropped.
    void stop();
    // Stops a search under way but keeps the reply owed, to be searched again later.
    bool suspend();

  signals:
    void replyPlaced();

  private:
    void finished(unsigned generation, int bestIndex);
    void joinWorker();

    Game& game_;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::shared_ptr<ReplayedDraws> draws_;
    std::vector<double> drawsOfSuspended_;
    unsigned generation_ = 0;
    bool pending_ = false;
};

// No search runs while it lives (a modal lesson window, say); the reply still owed is
// searched again afterwards.
class SearchPause {
  public:
    explicit SearchPause(SearchRunner& runner) : runner_(runner), resume_(runner.suspend()) {}
    ~SearchPause() {
        if (resume_) runner_.startIfOwed();
    }
    SearchPause(const SearchPause&) = delete;
    SearchPause& operator=(const SearchPause&) = delete;

  private:
    SearchRunner& runner_;
    bool resume_;
};

} // namespace wuzi
