#pragma once

#include "rules/BoardScene.h"
#include "rules/Types.h"

#include <optional>
#include <vector>

namespace wuzi {

struct Game;
struct MenuChecks;
class ReviewCursor;

// Where the game stands, as a front end shows it.
enum class Phase {
    NoGame,           // no game has been played yet, or the last one ended on an empty board
    PlayerToMove,     // a game runs and it is the player's turn
    ComputerThinking, // a game runs and a thinking opponent owes its reply
    GameOver,         // the game has ended: see outcome()
    Review,           // a finished game or an opened record is stepped through
};

// How a game ended.
enum class Outcome {
    None,        // it has not ended
    PlayerWon,   // the player's five
    ComputerWon, // the computer's five
    Draw,        // a full board, or no move left to the computer
    Ended,       // 结束游戏
};

// Who plays whom: the game's match while one runs or has ended, else the options chosen
// for the next game.
struct Match {
    int opponent = 2;        // 0 .. 5: Corbie, Quillon, Marrowick, Peddrin, Corvane, Vesk
    bool playerFirst = true; // the player has black
    int difficulty = 0;      // 0 初级, 1 中级, 2 高级
    friend bool operator==(const Match&, const Match&) = default;
};

// What became of a stone the player asked for, or would become of it.
enum class PlayResult {
    Placed,      // on the board; the computer has answered or is thinking
    NoGame,      // refused: no game runs (none started, or it is over)
    NotYourTurn, // refused: it is not the player's turn
    Thinking,    // refused: the computer (opponent 3, Vesk) is still thinking
    CentreFirst, // refused: the first stone must go on the centre
    OffBoard,    // refused: the cell is not on the board
    Taken,       // refused: a stone is on the cell
};

// The game as the window, the brain and the fuzzing harness read it: a read-only view of
// the session's game, its options and its review.
class GameView {
  public:
    GameView(const Game& game, const MenuChecks& checks, const Outcome& outcome,
             const std::optional<ReviewCursor>& review)
        : game_(game), checks_(checks), outcome_(outcome), review_(review) {}

    Phase phase() const;
    Outcome outcome() const { return outcome_; }
    Match match() const;
    // A game runs (the player's turn or the computer's); the options menu is closed.
    bool gameRunning() const;

    // The game's stones in the order played with their numbers, the last-move marker and
    // the winning line.
    BoardScene scene() const;
    // What the board shows: the review's position while one is open, else the game.
    BoardScene shownScene() const;
    // The game's moves in the order played, black first.
    std::vector<Cell> moves() const;
    std::size_t moveCount() const;
    std::optional<Cell> lastMove() const;

    // What play(c) would answer now: Placed when the player may play there, else why not.
    PlayResult canPlay(Cell c) const;

  private:
    const Game& game_;
    const MenuChecks& checks_;
    const Outcome& outcome_;
    const std::optional<ReviewCursor>& review_;
};

} // namespace wuzi
