#pragma once

#include "core/Game.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

namespace wuzi {

// Opponent 3 thinks off the UI thread: the search runs on a copy of the engine's board
// in a worker thread, and its reply is placed back on the UI thread. A search stopped
// by the end of the game, a new game or the window closing never places its reply.
//
// The game's random generator is drawn from by the worker alone: a new search starts
// only once the previous worker has finished.
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
