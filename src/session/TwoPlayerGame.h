#pragma once

#include "rules/GameRecord.h"
#include "rules/Platform.h"
#include "session/GameView.h"

#include <optional>

namespace wuzi {

inline constexpr const char* kBlackWins = "黑胜!";
inline constexpr const char* kWhiteWins = "白胜!";

// 双人对弈: two people on one board, black first, the first stone on the centre. Five or
// more in a row wins, a full board is a draw; the result is announced in a box as in a
// game against the computer. 悔棋 takes back the last stone, also after a five, and the
// game runs on from there.
class TwoPlayerGame {
  public:
    explicit TwoPlayerGame(MessageSink& messages) : messages_(messages) {}

    void start();
    // 结束游戏: the game ends where it stands.
    void end();
    PlayResult canPlay(Cell c) const;
    // The stone of the side to move on c; refused as canPlay says, the centre rule with
    // its box.
    PlayResult play(Cell c);
    bool canUndo() const;
    bool undo();

    bool running() const { return running_; }
    Outcome outcome() const { return outcome_; }
    const GameRecord& record() const { return record_; }
    BoardScene scene() const { return SceneOf(record_, record_.moves.size()); }

  private:
    MessageSink& messages_;
    GameRecord record_;
    bool running_ = false;
    Outcome outcome_ = Outcome::None;
};

// The view of a game of two players: it is always a player's turn while it runs.
class TwoPlayerView final : public GameView {
  public:
    // Between games the match is the next game's against the computer, as `computer` says.
    TwoPlayerView(const TwoPlayerGame& game, const GameView& computer,
                  const std::optional<ReviewCursor>& review)
        : GameView(review), game_(game), computer_(computer) {}

    Mode mode() const override { return Mode::TwoPlayers; }
    Outcome outcome() const override { return game_.outcome(); }
    Match match() const override;
    bool gameRunning() const override { return game_.running(); }
    BoardScene scene() const override { return game_.scene(); }
    std::vector<Cell> moves() const override { return game_.record().moves; }
    PlayResult canPlay(Cell c) const override { return game_.canPlay(c); }

  protected:
    Phase playPhase() const override;

  private:
    const TwoPlayerGame& game_;
    const GameView& computer_;
};

} // namespace wuzi
