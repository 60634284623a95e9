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

// The main window's status bar and title: how to start a game while none runs; during a
// game whose turn it is (with the seconds of a running search), the move number, and
// the opponent, difficulty and first mover. The review's position is a passing message
// over it.
class GameStatus : public QObject {
    Q_OBJECT
  public:
    GameStatus(const Session& session, SessionBridge& events, QMainWindow* window);

    void refresh();

    QString turnText() const;
    QString moveText() const;
    QString matchText() const;
    QString titleText() const;

  private:
    void thinkingChanged(bool on);

    const Session& session_;
    QMainWindow* window_;
    QLabel* turn_;
    QLabel* move_;
    QLabel* match_;
    QElapsedTimer searchClock_;
    QTimer secondTicks_;
};

} // namespace wuzi
