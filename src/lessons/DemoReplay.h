#pragma once

#include "lessons/DemoGames.h"
#include "rules/Platform.h"
#include "rules/Types.h"

#include <functional>
#include <utility>
#include <vector>

namespace wuzi {

// The replay of the demonstration games on the lesson window's board. It is a cursor
// over the demonstration table: every tick of the window's 500 ms timer calls DemoTick,
// which lays the next stone and shows that step's commentary. The board only shows
// stones; it checks no rule.
class DemoReplay {
  public:
    explicit DemoReplay(MessageSink& messages) : messages_(messages) {}

    // A lesson button: clears the board and replays game n from its first move,
    // abandoning any replay in progress. The first stone comes with the next tick.
    void Start(int n);
    // The window closes: the replay ends where it is.
    void Stop() { running_ = false; }
    // Whether the timer should keep ticking.
    bool running() const { return running_; }
    // The replay has laid its game's last stone and ended by itself.
    bool finished() const { return finished_; }

    // Called as soon as a stone is laid, before that step's commentary: the board shows
    // the stone the box talks about.
    void onStonePlaced(std::function<void()> shown) { stonePlaced_ = std::move(shown); }

    void DemoTick();
    void ClearDemoBoard();
    void PlaceDemoStone(int x, int y, bool black);

    // The stones on the board, in the order laid.
    const std::vector<Cell>& blackStones() const { return blackStones_; }
    const std::vector<Cell>& whiteStones() const { return whiteStones_; }
    // Every stone on the board in the order laid, the newest last.
    const std::vector<DemoMove>& laid() const { return laid_; }

    int DemoId = 0;   // the game being replayed
    int DemoStep = 1; // the next step of that game, from 1

  private:
    // Game 47 ends in a double threat; the viewer may see game 48's other way instead.
    void OfferVariation();

    MessageSink& messages_;
    std::function<void()> stonePlaced_;
    bool running_ = false;
    bool finished_ = false;
    std::vector<DemoMove> laid_;
    std::vector<Cell> blackStones_;
    std::vector<Cell> whiteStones_;
};

} // namespace wuzi
