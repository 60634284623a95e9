#pragma once

#include "lessons/DemoReplay.h"
#include "lessons/LessonButtons.h"
#include "rules/Platform.h"

#include <QDialog>
#include <QTimer>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace wuzi {

class DemoBoardView;
struct PageEntry;

// frm10Kill: one lesson of the series — its text, a small board on which the lesson's
// demonstration games are replayed, and the buttons that start them or open the
// routines window and the companion pages. Every opening builds the window afresh for
// the lesson, and greets the reader with the series' introduction before it is shown.
// Space pauses and resumes a replay, → steps it one move while it is paused, and a line
// under the board tells how the replay stands.
class LessonWindow : public QDialog {
    Q_OBJECT
  public:
    LessonWindow(int lessonNo, MessageSink& messages, QWidget* parent = nullptr);

    // Where the companion pages are read from; the program's own directory by default.
    void setProgramDirectory(const QString& dir) { programDir_ = dir; }

    // One step of the replay (the timer's tick).
    void tick();
    // Space: a running replay waits, a waiting one goes on.
    void togglePause();
    // →: one move of a paused replay.
    void stepPaused();
    bool paused() const { return paused_; }
    // The line under the board: replaying, paused, or the end of the replay.
    QString replayState() const;
    // 显示手数 on the demonstration board.
    void setShowNumbers(bool on);

    const DemoReplay& replay() const { return replay_; }
    DemoBoardView* board() const { return board_; }
    bool replaying() const { return timer_.isActive(); }

    void done(int result) override;

  private:
    QWidget* buildText();
    QWidget* buildPictures();
    QWidget* buildButtons();
    QPushButton* makeButton(const LessonButton& button, QWidget* parent);
    void press(const LessonButton& button);
    void startDemo(int game);
    // Opens a window over this one; the replay waits until it is closed.
    void openModal(QDialog& window);
    void openPage(const PageEntry& page);
    void createReplayKeys();
    void showReplayState();

    int lessonNo_;
    MessageSink& messages_;
    DemoReplay replay_;
    DemoBoardView* board_;
    QLabel* replayState_;
    QTimer timer_;
    bool paused_ = false;
    QString programDir_;
};

} // namespace wuzi
