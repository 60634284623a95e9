#pragma once

#include "rules/GameRecord.h"
#include "rules/Platform.h"
#include "rules/ReviewCursor.h"
#include "session/WatchMatch.h"

#include <QDialog>
#include <QTimer>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace wuzi {

class PositionBoard;

// 观战: two of the computer's opponents, at difficulties chosen, play each other on a board
// of their own, a stone every so often (a slider from 慢 to 快 sets the seconds between
// two stones), with a pause; a line under the board tells how the game stands, paused or
// not. A finished game can be taken to the main window for review, its players named. A
// button that cannot act is greyed.
class WatchWindow : public QDialog {
    Q_OBJECT
  public:
    explicit WatchWindow(QWidget* parent = nullptr);
    ~WatchWindow() override;

    // A new game between the opponents chosen.
    void start();
    void setPaused(bool paused);
    bool paused() const { return paused_; }
    // The pause between two stones, in milliseconds.
    void setDelay(int ms);
    const WatchMatch* match() const { return match_.get(); }
    // The finished game, once asked to be reviewed.
    std::optional<GameRecord> reviewed() const { return reviewed_; }
    // Who played the game watched: the opponents and difficulties it was started with.
    RecordSource players() const { return players_; }
    QString statusText() const;
    QString delayText() const;

  signals:
    // A thinking opponent's reply is ready: delivered on the window's thread.
    void replyReady();

  private:
    void nextStone();
    void showMatch(bool scheduleNext);
    void reviewGame();

    SystemClock clock_;
    std::unique_ptr<WatchMatch> match_;
    PositionBoard* board_;
    QComboBox* blackOpponent_;
    QComboBox* blackLevel_;
    QComboBox* whiteOpponent_;
    QComboBox* whiteLevel_;
    QSlider* speed_;
    QLabel* delay_;
    QPushButton* pause_;
    QPushButton* review_;
    QLabel* status_;
    QTimer stepTimer_;
    bool paused_ = false;
    std::optional<GameRecord> reviewed_;
    RecordSource players_;
};

} // namespace wuzi
