#pragma once

#include "session/Puzzle.h"

#include <optional>
#include <vector>

namespace wuzi {

// One puzzle being solved. The player plays the side to move, the attacker; the computer
// answers as the defender, with the answer that holds out longest. Any move that keeps a
// forced win is accepted, not only the stored line's; one that does not is shown its
// refutation, the defender's stone after which no win is left, and may be taken back.
// Along the stored line the stored answers stand (the puzzle was checked deeper than a
// move's time allows); off it, Vesk's threat search is the referee.
class PuzzleGame {
  public:
    // The referee's budget for one question, in trial stones: a puzzle's win is found well
    // within it.
    static constexpr long kRefereeNodes = 60000;

    // A smaller budget makes a quicker, less certain referee (the fuzzing harness's).
    explicit PuzzleGame(Puzzle puzzle, long refereeNodes = kRefereeNodes);

    enum class Verdict {
        Solved,  // the attacker's five
        GoesOn,  // the win stands: the defender has answered
        Refuted, // no win is left: the defender's refutation stands on the board
        Refused, // a taken cell, off the board, or the puzzle is over
    };
    struct Answer {
        Verdict verdict = Verdict::Refused;
        Cell defence; // the defender's stone, for GoesOn and Refuted
    };
    Answer play(Cell c);
    // Takes back a refuted try and its refutation: the position before it again.
    bool retry();
    // Gives up: the stored solution is shown in full from the start.
    void giveUp() { gaveUp_ = true; }

    // The first stone of a win from the position on the board, the attacker to move.
    std::optional<Cell> hint() const;

    const Puzzle& puzzle() const { return puzzle_; }
    // Every stone on the board, the puzzle's and the ones played since, in order.
    std::vector<Cell> stones() const;
    const std::vector<Cell>& played() const { return played_; }
    bool solved() const { return solved_; }
    bool refuted() const { return refuted_; }
    bool over() const { return solved_ || gaveUp_; }

  private:
    Answer refute(Cell defence);
    bool onStoredLine() const;
    // The stored line's answer to `c`, the last stone played, when the player has followed
    // the line so far.
    std::optional<Cell> storedAnswer(Cell c) const;

    Puzzle puzzle_;
    long refereeNodes_;
    std::vector<Cell> played_; // the attacker's and the defender's stones since the start
    bool solved_ = false;
    bool refuted_ = false;
    bool gaveUp_ = false;
};

} // namespace wuzi
