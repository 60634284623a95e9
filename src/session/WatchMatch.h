#pragma once

#include "rules/GameRecord.h"
#include "rules/Platform.h"
#include "session/GameView.h"

#include <functional>
#include <memory>

namespace wuzi {

// 观战: two of the computer's opponents play each other. Each plays as it plays against a
// person, in a session of its own in which the other's stones are the player's: black's
// opens on the centre as the computer moving first does, white's answers as against a
// player moving first. Stones come one step at a time, each asked for by step(): at once
// from a chain or a book, or later from a thinking opponent, whose reply deliver() places
// after `wake`. The game's own boxes stay silent; the match ends on a five, a full board,
// or a side that finds no move.
class WatchMatch {
  public:
    // `black` and `white`: each side's opponent and difficulty (the other fields unused).
    WatchMatch(const Match& black, const Match& white, Clock& clock,
               std::function<void()> wake = {});
    ~WatchMatch();
    WatchMatch(const WatchMatch&) = delete;
    WatchMatch& operator=(const WatchMatch&) = delete;

    // Asks the side to move for its stone; nothing while one thinks or once it is over.
    void step();
    // Places a thinking opponent's reply once it has come; nothing otherwise.
    void deliver();
    // Waits for a thinking opponent's reply and places it.
    void waitForReply();

    bool thinking() const;
    bool over() const { return outcome_ != Outcome::None; }
    // BlackWon, WhiteWon or Draw once over.
    Outcome outcome() const { return outcome_; }
    const GameRecord& record() const { return record_; }
    bool blackToMove() const { return isBlackMove(record_.moves.size()); }

  private:
    struct Side;
    Side& toMove();
    void collect(Side& side);
    void judge(Side& side);

    std::unique_ptr<Side> black_;
    std::unique_ptr<Side> white_;
    GameRecord record_;
    Outcome outcome_ = Outcome::None;
};

} // namespace wuzi
