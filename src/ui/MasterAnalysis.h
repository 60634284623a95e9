#pragma once

#include "session/Session.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMainWindow;

namespace wuzi {

class BoardView;
class SessionBridge;

// 大师分析: while it is checked, Vesk looks at the position on the board (the review's,
// or the game's on the player's turn) and the status bar tells its verdict, its best move
// ringed on the board.
class MasterAnalysis : public QObject {
    Q_OBJECT
  public:
    MasterAnalysis(Session& session, SessionBridge& events, BoardView* board, QMainWindow* window);

    QAction* action() const { return action_; }
    // The position on the board may have changed: ask about it.
    void refresh();
    QString verdict() const;

    // How Vesk's view reads: "黑胜 in 3" for a forced win in three moves, else the score for black,
    // and the best move's coordinates.
    static QString Verdict(const Analysis& analysis);

  private:
    std::optional<std::vector<Cell>> positionShown() const;
    void found(const Analysis& analysis);
    void clear();

    Session& session_;
    BoardView* board_;
    QAction* action_;
    QLabel* label_;
    std::optional<std::vector<Cell>> asked_;
};

} // namespace wuzi
