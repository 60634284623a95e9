#pragma once

#include "rules/GameRecord.h"
#include "rules/Platform.h"
#include "rules/ReviewCursor.h"
#include "session/GameView.h"
#include "session/SessionEvents.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace wuzi {

struct BookGame;

// How Vesk thinks: when it plays, at each difficulty; when it analyses a position or
// gives the master's hint; and the sizes of its tables. Its play, its analysis and a hint
// of its move for the player may all search at once, each with a table of its own, so the
// tables are sized by what each search needs: a two-second move, a half-second look.
struct VeskSettings {
    std::function<vesk::ThinkLimits(int difficulty)> play;
    vesk::ThinkLimits analysis;
    int hashMegabytes = 16;
    int analysisHashMegabytes = 8;
    int hintHashMegabytes = 4;
};
// What the game gives Vesk: 初级 shallow with some randomness, 中级 half a second, 高级
// two seconds; half a second to analyse.
VeskSettings DefaultVeskSettings();

// One game session: the game, its take-back, the review of a finished game or a
// record, the hints, Vesk's analysis, and the thinking opponents (opponent 3's search,
// Vesk) on threads of their own. The window, the headless brain and the fuzzing harness
// all play through it, cell by cell, read the game through its view and learn what
// happened from its events.
//
// A session is driven from one thread. Its searches, hints and analyses run on threads of
// their own; when one finishes, `wake` is called on that thread, and the driver then
// calls deliver() on its own thread. A driver without an event loop waits instead
// (waitForReply, waitForHint, waitForAnalysis).
class Session {
  public:
    Session(SessionEvents& events, Clock& clock, RandomSource& random,
            std::function<void()> wake = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The game as a front end reads it.
    const GameView& view() const;
    // The whole state of the game, for the checks of its rules in the tests; front ends
    // read the view.
    const BookGame& state() const;

    // The options menu: side, difficulty and opponent, between games only.
    void choosePlayerFirst();
    void chooseComputerFirst();
    void chooseDifficulty(int level);
    void chooseOpponent(int index);
    // The lesson last chosen from the lesson menu.
    int lessonNo() const;
    void setLessonNo(int lessonNo);

    // A new game from the options chosen; any search is stopped, any review left.
    void newGame();
    // 双人对弈: a game of two people on one board, black first; the game against the
    // computer is left. Each stone played is the side's to move.
    void newTwoPlayerGame();
    // 结束游戏: the game ends where it stands.
    void endGame();
    // The player's stone on cell c, and the computer's answer: at once from a chain or a
    // book, or later from a thinking opponent.
    PlayResult play(Cell c);
    // A game on a given position whose last player stone the computer answers now; false
    // (nothing changes) for a position no game can reach.
    bool playFromPosition(const std::vector<SetUpStone>& stones);
    // Carries on a game left unfinished, between games: its moves in the order played
    // (black first) under its match (a game of two players too); no moves start the match
    // afresh. The computer answers
    // a last stone of the player's; otherwise it is the player's turn. False (nothing
    // changes) for moves that no game of that match reaches with a move still to play.
    bool resume(const std::vector<Cell>& moves, const Match& match);
    // 摆棋's 接着下: plays on from a position (its stones in an order a game could have
    // played them) against the opponent and difficulty chosen, the player having the side
    // to move. The side chosen for the next game stays as it was. False (nothing changes)
    // as for resume().
    bool playOn(const std::vector<Cell>& moves);

    // 悔棋: the player's last stone and the computer's answer; after a five the game
    // runs again from there, and a review of it is left.
    bool canUndo() const;
    bool undo();

    // The thinking opponents: opponent 3's search and Vesk.
    bool thinking() const;
    // The deadline of the searches started from now on (none: they run to their end, or
    // to Vesk's time at the difficulty).
    void setReplyDeadline(std::optional<Deadline> deadline);
    void setVeskSettings(VeskSettings settings);
    // Stops the search; a reply still owed is searched again by resumeThinking().
    void stopThinking();
    void resumeThinking();
    // Places what finished work has found (the search's reply, the hint). Call it after
    // `wake`; it does nothing when nothing has finished.
    void deliver();
    // Waits for the search and places its reply; nothing when no search runs.
    void waitForReply();

    // 提示: looked for away from the driver's thread; hintFound tells the result. Asked
    // again while one is looked for, it waits for that one and is looked for next. Of two
    // hints asked (提示, 大师提示), the one asked first is not told over the other.
    void hint();
    bool hintPending() const;
    void waitForHint();
    // 大师提示: Vesk's move for the player's side, told by hintFound like the hint.
    void masterHint();

    // 大师分析: Vesk's view of a position (the stones in the order played), told by
    // analysisFound; a new request replaces one under way.
    void analyse(std::vector<Cell> position);
    // The analysis asked for is no longer wanted (a master's hint it serves goes on).
    void dropAnalysis();
    bool analysing() const;
    void waitForAnalysis();

    // 复盘: a finished game or an opened record, stepped through without touching the game.
    bool canReview() const;
    void reviewGame();
    void review(GameRecord record, RecordSource source = {});
    void leaveReview();
    const ReviewCursor* reviewCursor() const;
    ReviewCursor* reviewCursor();
    // What 保存棋谱 writes: the record under review, else the game's moves.
    GameRecord recordToSave() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// No search runs while it lives (a modal lesson window, say); the reply still owed is
// searched again afterwards, with the same random draws.
class ThinkingPause {
  public:
    explicit ThinkingPause(Session& session) : session_(session), resume_(session.thinking()) {
        session_.stopThinking();
    }
    ~ThinkingPause() {
        if (resume_) session_.resumeThinking();
    }
    ThinkingPause(const ThinkingPause&) = delete;
    ThinkingPause& operator=(const ThinkingPause&) = delete;

  private:
    Session& session_;
    bool resume_;
};

} // namespace wuzi
