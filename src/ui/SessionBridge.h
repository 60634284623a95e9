#pragma once

#include "session/SessionEvents.h"

#include <QObject>

#include <functional>

namespace wuzi {

// The game session's events as Qt signals on the window's thread: the window pulls the
// game's view when it refreshes, and is told only what it cannot pull (work finished on
// another thread, a stone placed, the game's end, thinking started or stopped, a hint or
// an analysis found). Its message boxes go to the boxes the window shows (the real ones,
// or a test's recorder).
class SessionBridge : public QObject, public SessionEvents {
    Q_OBJECT
  public:
    explicit SessionBridge(MessageSink& boxes, QObject* parent = nullptr);

    // The session's wake: called on a worker thread, it queues workDone on this thread.
    std::function<void()> wake();

    void information(const std::string& title, const std::string& text) override;
    void critical(const std::string& title, const std::string& text) override;
    // The lessons ask their questions through the same boxes.
    bool question(const std::string& title, const std::string& text) override;
    bool confirm(const std::string& title, const std::string& text) override;

    void stonePlaced(Cell, int) override { emit stoneAdded(); }
    void gameOver() override { emit gameEnded(); }
    void thinkingStarted() override { emit thinking(true); }
    void thinkingFinished() override { emit thinking(false); }
    void hintFound(std::optional<Cell> cell, bool master) override { emit hintReady(cell, master); }
    void analysisFound(const Analysis& analysis) override { emit analysisReady(analysis); }

  signals:
    // The session's search or hint has finished: deliver it.
    void workDone();
    // A stone reached the board.
    void stoneAdded();
    // The game has ended; its box, if any, is still to come.
    void gameEnded();
    void thinking(bool on);
    void hintReady(std::optional<Cell> cell, bool master);
    void analysisReady(const Analysis& analysis);

  private:
    MessageSink& boxes_;
};

} // namespace wuzi
