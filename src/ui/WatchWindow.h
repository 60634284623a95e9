#pragma once

#include "rules/GameRecord.h"
#include "rules/Platform.h"
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
// of their own, a stone every so often (the speed is set by a slider), with a pause; a
// finished game can be taken to the main window for review.
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
    QString statusText() const;

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
    QPushButton* pause_;
    QPushButton* review_;
    QLabel* status_;
    QTimer stepTimer_;
    bool paused_ = false;
    std::optional<GameRecord> reviewed_;
};

} // namespace wuzi
