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

// 大师分析: while it is checked, Vesk looks at the position on the board (the review's,
// or the game's on the player's turn), its best move is ringed on the board, and the side
// panel shows its view: black's chance, the verdict and the line it expects. With the
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
    QString verdict() const;

    // Black's chance to win in percent, by Vesk's view of the position.
    static double BlackPercent(const Analysis& analysis);
    // How Vesk's view reads: "大师分析：黑 5 手胜，最佳 H8" for a forced win in five moves of
    // the winner's, else black's chance: "大师分析：黑 62%，最佳 H8".
    static QString Verdict(const Analysis& analysis);
    // The panel's view: the verdict, black's chance and the line as coordinates.
    static MasterView ViewOf(const Analysis& analysis);

  private:
    std::optional<std::vector<Cell>> positionShown() const;
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
