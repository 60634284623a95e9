#pragma once

#include "rules/BoardScene.h"
#include "rules/ReviewCursor.h"
#include "rules/Types.h"

#include <optional>
#include <vector>

namespace wuzi {

struct EngineGame;
struct MenuChecks;

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
    BlackWon,    // black's five in a game of two players
    WhiteWon,    // white's five in a game of two players
};

// What kind of game the board holds.
enum class Mode {
    VersusComputer, // the player against one of the computer's opponents
    TwoPlayers,     // two people on one board, black first (双人对弈)
};

// Who plays whom: the game's match while one runs or has ended, else the options chosen
// for the next game against the computer.
struct Match {
    int opponent = 2;                 // 0 .. 5: Corbie, Quillon, Marrowick, Peddrin, Corvane, Vesk
    bool playerFirst = true;          // the player has black
    int difficulty = 0;               // 0 初级, 1 中级, 2 高级
    Mode mode = Mode::VersusComputer; // two players: the other fields are the next game's
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
// the session's game (against the computer, or of two players) and its review.
class GameView {
  public:
    virtual ~GameView() = default;

    virtual Mode mode() const = 0;
    Phase phase() const;
    virtual Outcome outcome() const = 0;
    virtual Match match() const = 0;
    // A game runs; the options menu is closed.
    virtual bool gameRunning() const = 0;

    // The game's stones in the order played with their numbers, the last-move marker and
    // the winning line.
    virtual BoardScene scene() const = 0;
    // What the board shows: the review's position while one is open, else the game.
    BoardScene shownScene() const;
    // The game's moves in the order played, black first.
    virtual std::vector<Cell> moves() const = 0;
    std::size_t moveCount() const { return moves().size(); }
    std::optional<Cell> lastMove() const { return scene().marker; }

    // What play(c) would answer now: Placed when the stone may go there, else why not.
    virtual PlayResult canPlay(Cell c) const = 0;

  protected:
    explicit GameView(const std::optional<ReviewCursor>& review) : review_(review) {}
    // The phase of the game itself, as if no review were open.
    virtual Phase playPhase() const = 0;

  private:
    const std::optional<ReviewCursor>& review_;
};

// The game against the computer.
class ComputerGameView final : public GameView {
  public:
    ComputerGameView(const EngineGame& game, const MenuChecks& checks, const Outcome& outcome,
                     const std::optional<ReviewCursor>& review)
        : GameView(review), game_(game), checks_(checks), outcome_(outcome) {}

    Mode mode() const override { return Mode::VersusComputer; }
    Outcome outcome() const override { return outcome_; }
    Match match() const override;
    bool gameRunning() const override;
    BoardScene scene() const override;
    std::vector<Cell> moves() const override;
    PlayResult canPlay(Cell c) const override;

  protected:
    Phase playPhase() const override;

  private:
    const EngineGame& game_;
    const MenuChecks& checks_;
    const Outcome& outcome_;
};

} // namespace wuzi
