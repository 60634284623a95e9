#pragma once

#include "session/Session.h"
#include "ui/SidePanel.h"

#include <QObject>
#include <QStringList>

#include <optional>

class QAction;
class QMainWindow;

namespace wuzi {

class ReviewRunner;
class ViewMenu;

// 复盘分析 in the window: the menu item, the review of the record shown run in the
// background, what the panel shows of it (progress, marks, graph, accuracies), and a
// missed win played out as a branch of the review and back.
class ReviewPresenter : public QObject {
    Q_OBJECT
  public:
    ReviewPresenter(Session& session, ViewMenu* view, QString directory, QMainWindow* window);

    QAction* action() const { return action_; }
    ReviewRunner* runner() const { return runner_; }

    // Reviews the record shown, or the finished game.
    void start();
    // The win missed before the move shown, played out from where it was there; asked
    // again, back to the review it branched from.
    void playMissedWin();
    // The game may have changed: a game that runs leaves the review behind.
    void refresh();

    // What the panel shows of the review of the record shown; none for another record.
    std::optional<ReviewShown> shown() const;
    // Each move's mark, in the move list's order; none while a branch is shown.
    QStringList marks() const;

  signals:
    // The review's progress or result: the panel is to show it.
    void changed();

  private:
    Session& session_;
    ViewMenu* view_;
    ReviewRunner* runner_;
    QAction* action_;
    // While a missed win is played out: the review it branched from, at its position.
    std::optional<ReviewCursor> branchedFrom_;
};

} // namespace wuzi
