#pragma once

#include "rules/Platform.h"
#include "rules/Types.h"
#include "vesk/Engine.h"

#include <optional>
#include <string>
#include <vector>

namespace wuzi {

// Vesk's view of a position given as the stones in the order played: its best move for
// the side to move, the score and, where one side can force five, how soon.
struct Analysis {
    std::vector<Cell> position;
    vesk::ThinkResult result;
};

// What a game session tells its front end (the window, the brain, the fuzzing harness).
// Every call comes on the thread that drives the session, while one of its calls runs.
// The message boxes of the game arrive through MessageSink's information and critical,
// as the game raises them: the session waits for each, as for a modal box. Each comes
// after the news of what came before it: "计算机胜!" after the winning stone and gameOver.
class SessionEvents : public MessageSink {
  public:
    // A stone reached the board: the player's (kPlayer) or the computer's (kComputer).
    virtual void stonePlaced(Cell, int /*side*/) {}
    // The game ended: five, a full board, no move left, or the player ended it.
    virtual void gameOver() {}
    // A thinking opponent (opponent 3's search, Vesk) started on its reply, and stopped
    // (replied or was stopped).
    virtual void thinkingStarted() {}
    virtual void thinkingFinished() {}
    // The hint asked for, when the game is still where it was asked; nothing when the
    // opponent's selection found no cell or the game has moved on. `master`: the master's
    // hint (Vesk's move), else the opponent's own selection (提示).
    virtual void hintFound(std::optional<Cell>, bool /*master*/) {}
    // The analysis asked for last.
    virtual void analysisFound(const Analysis&) {}

    // The game asks no questions.
    bool question(const std::string&, const std::string&) override { return false; }
};

} // namespace wuzi
