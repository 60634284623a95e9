#pragma once

#include "session/Session.h"
#include "ui/SidePanel.h"

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

// Whose chance the master's view tells: the player's in a game against the computer,
// black's in a game of two players and in a review.
struct ChanceOwner {
    bool black = true;
    bool player = false;
};

// 大师分析: while it is checked, Vesk looks at the position on the board (the review's,
// or the game's on the player's turn), its best move is ringed on the board, and the side
// panel shows its view: the chance to win, the verdict and the line it expects. With the
// panel hidden, the verdict stands in the status bar.
class MasterAnalysis : public QObject {
    Q_OBJECT
  public:
    MasterAnalysis(Session& session, SessionBridge& events, BoardView* board, SidePanel* panel,
                   QMainWindow* window);

    QAction* action() const { return action_; }
    // The position on the board, the panel or the language may have changed: ask about
    // the position, and show what is known of it.
    void refresh();
    // The status bar's words: "大师分析：" and the verdict; empty while it is off.
    QString verdict() const;

    // Black's chance to win in percent, by Vesk's view of the position.
    static double BlackPercent(const Analysis& analysis);
    // How Vesk's view reads, naming whose move the best one is: "黑 5 手胜，最佳 H8" when
    // the side to move wins, "白 3 手胜；黑最佳应手 I5" when it loses, else the owner's
    // chance: "你的胜率 62%，最佳 H8", "黑 38%；白最佳 H8".
    static QString Verdict(const Analysis& analysis, ChanceOwner owner);
    // The panel's view: the verdict, the owner's chance and the line as coordinates.
    static MasterView ViewOf(const Analysis& analysis, ChanceOwner owner);

  private:
    std::optional<std::vector<Cell>> positionShown() const;
    ChanceOwner owner() const;
    void found(const Analysis& analysis);
    void show();
    void clear();

    Session& session_;
    BoardView* board_;
    SidePanel* panel_;
    QAction* action_;
    QLabel* label_;
    std::optional<std::vector<Cell>> asked_;
    std::optional<Analysis> answer_; // for the position asked about
};

} // namespace wuzi
