#pragma once

#include "session/Session.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;
class QMainWindow;

namespace wuzi {

class SessionBridge;
class SidePanel;

// What the window says of the game: in the status bar one short line (whose turn, the
// move number, or the review's position; with the panel hidden, where the first stone
// goes), in the side panel the match and the turn at length (how to start, how to go on
// after a game), and the window's title.
class GameStatus : public QObject {
    Q_OBJECT
  public:
    GameStatus(const Session& session, SessionBridge& events, QMainWindow* window,
               SidePanel* panel);

    void refresh();

    // The status bar's line.
    QString statusText() const;
    // The panel's: whose turn, or how to start or go on.
    QString turnText() const;
    QString moveText() const;
    // "第一手请下在天元" while the first stone must go on the centre, else nothing.
    QString centreRuleText() const;
    QString matchText() const;
    QString titleText() const;

  private:
    static QString watchedText(ComputerSide black, ComputerSide white);
    void thinkingChanged(bool on);
    QString thinkingText() const;

    const Session& session_;
    QMainWindow* window_;
    SidePanel* panel_;
    QLabel* line_;
    QElapsedTimer searchClock_;
    QTimer secondTicks_;
};

} // namespace wuzi
