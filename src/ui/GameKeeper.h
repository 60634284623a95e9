#pragma once

#include "session/Session.h"

#include <QString>

#include <optional>
#include <vector>

namespace wuzi {

// A game left unfinished: its match and its moves, black first.
struct UnfinishedGame {
    Match match;
    std::vector<Cell> moves;
    friend bool operator==(const UnfinishedGame&, const UnfinishedGame&) = default;
};

// Nothing a player makes is lost: before a running game would be thrown away (a new game,
// 结束游戏, leaving the program) the player is asked, with No as the ready answer; the
// game in progress is saved after every change, whole or not at all, in the data
// directory; and a game a run left unfinished can be played on at the next start.
class GameKeeper {
  public:
    // `boxes` asks the questions; the game is kept in `directory`.
    GameKeeper(Session& session, MessageSink& boxes, QString directory);

    // True when the step may go ahead: no game runs, or the player agrees to leave it.
    // `title` names the step (新游戏, 结束游戏, 退出) in the language shown.
    bool mayLeaveGame(const QString& title, const QString& question);

    // Saves the game in progress when it changed; once a kept game has ended, forgets it.
    void keep();

    // The game an earlier run left unfinished, if one is kept and reads whole.
    std::optional<UnfinishedGame> unfinished() const;
    // Plays it on; false when there is none, a game runs, or it cannot be played.
    bool resume();

    QString path() const;

    // The saved text of a game, and its reading; a text that is not one reads as none, and
    // so does a game that cannot go on (a five on the board, no cell left).
    static QString TextOf(const UnfinishedGame& game);
    static std::optional<UnfinishedGame> Read(const QString& text);

  private:
    void save(const UnfinishedGame& game);
    void forget();

    Session& session_;
    MessageSink& boxes_;
    QString directory_;
    std::optional<UnfinishedGame> kept_; // what this run saved last
};

} // namespace wuzi
